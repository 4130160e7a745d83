// The main window's side of profiles and settings: the Load and Save actions and the settings
// applied onto its components.
#include "profiles/MainWindowTargets.h"

#include "app/StartupTable.h"
#include "app/main.h"
#include "platform/widgets/FormMagnet.h"
#include "platform/widgets/FormRoller.h"
#include "platform/widgets/FormTopmost.h"
#include "platform/widgets/Hints.h"
#include "platform/widgets/ShowHideAnimation.h"
#include "profiles/OpenForm.h"
#include "profiles/Options.h"
#include "support/QtTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

class MainWindowProfilesTest : public ::testing::Test {
  protected:
    MainWindowProfilesTest() { Form1 = form.get(); }
    ~MainWindowProfilesTest() override { Form1 = nullptr; }

    void TypeAnna()
    {
        form->Edit2->setText(QStringLiteral("Анна"));
        form->Edit1->setText(QStringLiteral("5"));
        form->ComboBox1->setCurrentIndex(2);
        form->Edit3->setText(QStringLiteral("1990"));
        form->TrackBar2->setValue(165);
        form->TrackBar1->setValue(55);
        form->CheckBox2->setChecked(true);
    }

    WindowTestEnvironment env{At(2026, 12, 11, 14, 25, 54)};
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
};

TEST_F(MainWindowProfilesTest, WithoutSettingsTheComponentsArePlain)
{
    EXPECT_FALSE(form->DanHint1->hintActive());
    EXPECT_FALSE(form->acFormTopmost1->isTopmost());
    EXPECT_FALSE(form->acFormMagnet1->isActive());
    EXPECT_FALSE(form->acFormMagnet1->isFormDragable());
    EXPECT_FALSE(form->acFormMagnet1->glue());
    EXPECT_EQ(form->acFormRoller1->animateSpeed(), 0);
    EXPECT_FALSE(form->acAnimationEffect1->animateOnShow());
    EXPECT_FALSE(form->acAnimationEffect1->animateOnHide());
    EXPECT_EQ(form->acAnimationEffect1->delay(), 0);
    EXPECT_EQ(form->acAnimationEffect1->effect(), ShowHideAnimation::Effect::Random);
    EXPECT_FALSE(form->TrayIconWanted());
}

TEST_F(MainWindowProfilesTest, SettingsReachEveryComponentAtCreation)
{
    WriteBytes(env.ProgramFile("settings.ini"),
               "[Options]\r\nGoodHints=True\r\nTopMost=True\r\nMagnetForm=True\r\nRollingSpeed=12\r\n"
               "OpenAnimation=True\r\nCloseAnimation=True\r\nAnimationDelay=70\r\nIcon=True\r\n"
               "AnimationEffectType=etFireworks\r\n");
    TForm1 configured;
    EXPECT_TRUE(configured.DanHint1->hintActive());
    EXPECT_TRUE(configured.acFormTopmost1->isTopmost());
    EXPECT_TRUE(configured.acFormMagnet1->isActive());
    EXPECT_TRUE(configured.acFormMagnet1->isFormDragable());
    EXPECT_TRUE(configured.acFormMagnet1->glue());
    EXPECT_EQ(configured.acFormRoller1->animateSpeed(), 10);
    EXPECT_TRUE(configured.acAnimationEffect1->animateOnShow());
    EXPECT_TRUE(configured.acAnimationEffect1->animateOnHide());
    EXPECT_EQ(configured.acAnimationEffect1->delay(), 70);
    EXPECT_EQ(configured.acAnimationEffect1->effect(), ShowHideAnimation::Effect::Fireworks);
    EXPECT_TRUE(configured.TrayIconWanted());
    EXPECT_EQ(env.log, EventLog{"tray:show ORTAVI!!!"}) << "the settings want the tray icon";
}

TEST_F(MainWindowProfilesTest, ThePhraseAtStartOpensThePhraseWindowLast)
{
    WriteBytes(env.ProgramFile("settings.ini"), "[Options]\r\nShowTip=True\r\nIcon=True\r\n");
    TForm1 configured;
    EXPECT_EQ(env.log, (EventLog{"tray:show ORTAVI!!!", "modal:Tip"}));
}

TEST_F(MainWindowProfilesTest, CtrlSSavesTheInputsAsAProfile)
{
    EXPECT_EQ(form->Save->text(), QStringLiteral("Сохранить"));
    EXPECT_EQ(form->Save->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    TypeAnna();
    form->show();
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    const std::string saved = ReadBytes(env.ProgramFile("users.dat"));
    EXPECT_EQ(saved,
              std::string("\xC6\x07\x03\x00\x05\x00\xA5\x37\x46\x04\xC0\xED\xED\xE0\0\0\0\0\0\0\0\0", 22));
    EXPECT_EQ(CurrentProfile.Name.Text(), "Анна");
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("Анна")) << "the inputs stay as they were";
    EXPECT_TRUE(env.log.empty());

    form->Edit2->clear();
    form->Save->trigger();
    EXPECT_EQ(env.log, (EventLog{"beep", "info:Введите ваше имя"}));
    EXPECT_EQ(ReadBytes(env.ProgramFile("users.dat")), saved);
}

TEST_F(MainWindowProfilesTest, CtrlOOpensAFreshDialogWhoseChoiceFillsTheInputs)
{
    EXPECT_EQ(form->Load->text(), QStringLiteral("Загрузить"));
    EXPECT_EQ(form->Load->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    TypeAnna();
    form->Save->trigger();
    form->Edit2->clear();
    form->Edit1->clear();
    form->Edit3->clear();
    form->ComboBox1->setCurrentIndex(-1);
    form->CheckBox1->setChecked(true);
    form->TrackBar2->setValue(100);
    form->TrackBar1->setValue(20);

    TOpen* shown = nullptr;
    env.onModal = [&](QDialog& dialog) {
        shown = qobject_cast<TOpen*>(&dialog);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(Open.data(), shown) << "the global name points at the fresh dialog while it is shown";
        EXPECT_EQ(shown->parentWidget(), form.get());
        dialog.show();
        QTest::keyClick(shown->ListBox1, Qt::Key_Return);
    };
    form->show();
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(env.log, EventLog{"modal:Open"});
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(Open.data(), nullptr) << "and back at what it was afterwards";

    EXPECT_EQ(form->Edit2->text(), QStringLiteral("Анна"));
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("5"));
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("Март"));
    EXPECT_EQ(form->Edit3->text(), QStringLiteral("1990"));
    EXPECT_TRUE(form->CheckBox2->isChecked());
    EXPECT_FALSE(form->CheckBox1->isChecked());
    EXPECT_EQ(form->TrackBar2->value(), 165);
    EXPECT_EQ(form->Label2->text(), QStringLiteral("165 см"));
    EXPECT_EQ(form->TrackBar1->value(), 55);
    EXPECT_EQ(form->Label1->text(), QStringLiteral("55 кг"));
}

TEST_F(MainWindowProfilesTest, SettingsCommandOpensAFreshOptionsWindow)
{
    env.onModal = [&](QDialog& dialog) {
        EXPECT_EQ(Opt.data(), &dialog);
        EXPECT_EQ(dialog.parentWidget(), form.get());
    };
    form->N35Click();
    EXPECT_EQ(env.log, EventLog{"modal:Opt"});
    EXPECT_EQ(Opt.data(), nullptr);
}

TEST_F(MainWindowProfilesTest, TheStartUpMakesBothWindowsQuietlyInTheirGroups)
{
    for (const StartupWindow& window : LongLivedWindows())
        if (window.Group == 'F' || window.Group == 'G')
            window.Create();
    ASSERT_TRUE(Opt);
    ASSERT_TRUE(Open);
    EXPECT_FALSE(Opt->isVisible());
    EXPECT_FALSE(Open->isVisible());
    EXPECT_TRUE(env.log.empty());
    EXPECT_FALSE(fs::exists(env.ProgramFile("settings.ini")));
    delete Opt.data();
    delete Open.data();
}

} // namespace
