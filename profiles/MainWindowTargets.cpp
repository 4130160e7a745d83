#include "profiles/MainWindowTargets.h"

#include "app/main.h"
#include "platform/widgets/FormMagnet.h"
#include "platform/widgets/FormRoller.h"
#include "platform/widgets/FormTopmost.h"
#include "platform/widgets/Hints.h"
#include "platform/widgets/ShowHideAnimation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

static_assert(
    static_cast<int>(ShowHideAnimation::Effect::Random) == static_cast<int>(AnimationKind::Random) &&
    static_cast<int>(ShowHideAnimation::Effect::Spin) == static_cast<int>(AnimationKind::Spin) &&
    static_cast<int>(ShowHideAnimation::Effect::Vortex) == static_cast<int>(AnimationKind::Vortex) &&
    static_cast<int>(ShowHideAnimation::Effect::ScatterGather) ==
        static_cast<int>(AnimationKind::ScatterGather) &&
    static_cast<int>(ShowHideAnimation::Effect::Spike) == static_cast<int>(AnimationKind::Spike) &&
    static_cast<int>(ShowHideAnimation::Effect::Fireworks) == static_cast<int>(AnimationKind::Fireworks));

void MainWindowInputs::CheckMale()
{
    form_.CheckBox1->setChecked(true);
}

void MainWindowInputs::CheckFemale()
{
    form_.CheckBox2->setChecked(true);
}

void MainWindowInputs::SetNameText(const std::string& name)
{
    form_.Edit2->setText(QString::fromStdString(name));
}

void MainWindowInputs::SetDayText(const std::string& day)
{
    form_.Edit1->setText(QString::fromStdString(day));
}

void MainWindowInputs::SetYearText(const std::string& year)
{
    form_.Edit3->setText(QString::fromStdString(year));
}

void MainWindowInputs::SetHeight(int centimetres)
{
    form_.TrackBar2->setValue(centimetres);
}

void MainWindowInputs::SetWeight(int kilograms)
{
    form_.TrackBar1->setValue(kilograms);
}

void MainWindowInputs::SelectMonth(int index)
{
    form_.ComboBox1->setCurrentIndex(index);
}

void MainWindowSettings::SetBalloonHints(bool on)
{
    form_.DanHint1->setHintActive(on);
}

void MainWindowSettings::SetTopmost(bool on)
{
    form_.acFormTopmost1->setTopmost(on);
}

void MainWindowSettings::SetMagnetActive(bool on)
{
    form_.acFormMagnet1->setActive(on);
}

void MainWindowSettings::SetMagnetDragable(bool on)
{
    form_.acFormMagnet1->setFormDragable(on);
}

void MainWindowSettings::SetMagnetGlue(bool on)
{
    form_.acFormMagnet1->setGlue(on);
}

void MainWindowSettings::SetRollingSpeed(int speed)
{
    form_.acFormRoller1->setAnimateSpeed(speed);
}

void MainWindowSettings::SetAnimateOnShow(bool on)
{
    form_.acAnimationEffect1->setAnimateOnShow(on);
}

void MainWindowSettings::SetAnimateOnHide(bool on)
{
    form_.acAnimationEffect1->setAnimateOnHide(on);
}

void MainWindowSettings::SetAnimationDelay(int ms)
{
    form_.acAnimationEffect1->setDelay(ms);
}

void MainWindowSettings::SetTrayIconWanted(bool on)
{
    form_.SetTrayIconWanted(on);
}

void MainWindowSettings::SetAnimationKind(AnimationKind kind)
{
    form_.acAnimationEffect1->setEffect(static_cast<ShowHideAnimation::Effect>(kind));
}

void MainWindowSettings::ShowTipOfTheDay()
{
    form_.ShowTipOfTheDay();
}
