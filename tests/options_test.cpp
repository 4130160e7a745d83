#include "profiles/Options.h"

#include "app/main.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/FormRoller.h"
#include "platform/widgets/Hints.h"
#include "platform/widgets/ShowHideAnimation.h"
#include "profiles/ProfileStore.h"
#include "support/QtTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

std::string Profiles(std::initializer_list<const char*> names)
{
    std::string bytes;
    for (const char* name : names) {
        ProfileRecord r;
        r.Year = 1990;
        r.Month = 3;
        r.Day = 5;
        r.Height = 165;
        r.Weight = 55;
        r.Sex = 'F';
        r.Name.Assign(name);
        const auto b = r.ToBytes();
        bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    return bytes;
}

class OptionsTest : public ::testing::Test {
  protected:
    OptionsTest() { Form1 = form.get(); }
    ~OptionsTest() override { Form1 = nullptr; }

    void Show()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        QApplication::processEvents();
    }
    // Types into a field and moves the focus on, as the user leaves it.
    void Leave(QLineEdit* field, const char* text)
    {
        field->setFocus();
        field->setText(QString::fromUtf8(text));
        window->dxfCheckBox1->setFocus();
    }
    void Click(QWidget* widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2));
    }
    std::string IniPath() const { return env.ProgramFile("settings.ini"); }
    std::string IniText() const
    {
        return fs::exists(IniPath()) ? ReadBytes(IniPath()) : std::string("<none>");
    }
    std::vector<QCheckBox*> Effects() const
    {
        return {window->dxfCheckBox5, window->dxfCheckBox6, window->dxfCheckBox7,
                window->dxfCheckBox8, window->dxfCheckBox9, window->dxfCheckBox10};
    }
    QStringList Names() const
    {
        QStringList names;
        for (int i = 0; i < window->ListBox1->count(); ++i)
            names << window->ListBox1->item(i)->text();
        return names;
    }

    WindowTestEnvironment env{At(2026, 12, 11, 14, 25, 54)};
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
    std::unique_ptr<TOpt> window = std::make_unique<TOpt>(form.get());
};

TEST_F(OptionsTest, WithNoSettingsFileOnlyRandomIsCheckedAndTheDependentControlsAreOff)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Настройки..."));
    EXPECT_EQ(window->size(), QSize(536, 348));
    EXPECT_EQ(window->PageControl1->tabText(0), QStringLiteral("Главные"));
    EXPECT_EQ(window->PageControl1->tabText(1), QStringLiteral("Визуализация"));
    EXPECT_EQ(window->PageControl1->currentWidget(), window->TabSheet2);

    Show();
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
        EXPECT_EQ(box->isChecked(), box == window->dxfCheckBox10) << box->objectName().toStdString();
    EXPECT_EQ(window->Edit1->text(), QString());
    EXPECT_EQ(window->Edit2->text(), QString());
    EXPECT_FALSE(window->ListBox1->isEnabled());
    for (QCheckBox* box : Effects())
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
    EXPECT_FALSE(window->Edit1->isEnabled());
    EXPECT_TRUE(window->dxfLabel1->isEnabled()) << "the delay's label is left as it is";
    EXPECT_TRUE(env.log.empty());
}

TEST_F(OptionsTest, StoredSettingsFillTheControlsAndSelectTheStoredProfile)
{
    WriteBytes(env.ProgramFile("users.dat"), Profiles({"Вера", "Борис", "Анна"}));
    WriteBytes(IniPath(),
               "[Options]\r\nGoodHints=True\r\nTopMost=true\r\nMagnetForm=False\r\nRollingSpeed=7\r\n"
               "OpenAnimation=True\r\nCloseAnimation=False\r\nShowTip=TRUE\r\nIcon=True\r\n"
               "AnimationDelay=150\r\nAnimationEffectType=etVortex\r\nAutoProfile=True\r\n"
               "Profile=\xC1\xEE\xF0\xE8\xF1\r\n");
    Show();
    EXPECT_TRUE(window->dxfCheckBox2->isChecked());
    EXPECT_TRUE(window->dxfCheckBox1->isChecked());
    EXPECT_FALSE(window->dxfCheckBox4->isChecked());
    EXPECT_TRUE(window->dxfCheckBox14->isChecked());
    EXPECT_EQ(window->Edit2->text(), QStringLiteral("7"));
    EXPECT_TRUE(window->dxfCheckBox3->isChecked());
    EXPECT_FALSE(window->dxfCheckBox11->isChecked());
    EXPECT_TRUE(window->dxfCheckBox13->isChecked());
    EXPECT_EQ(window->Edit1->text(), QStringLiteral("150"));
    EXPECT_TRUE(window->Edit1->isEnabled());
    for (QCheckBox* box : Effects())
        EXPECT_EQ(box->isChecked(), box == window->dxfCheckBox8) << box->objectName().toStdString();
    EXPECT_TRUE(window->dxfCheckBox12->isChecked());
    EXPECT_TRUE(window->ListBox1->isEnabled());
    EXPECT_EQ(Names(), (QStringList{"Вера", "Борис", "Анна"})) << "file order, not sorted";
    ASSERT_EQ(window->ListBox1->selectedItems().size(), 1);
    EXPECT_EQ(window->ListBox1->selectedItems().front()->text(), QStringLiteral("Борис"));
}

TEST_F(OptionsTest, NumberFieldsAreKeptInRangeWhenTheFocusLeavesThem)
{
    Show();
    Click(window->SpeedButton1);
    struct Row {
        QLineEdit* field;
        const char* typed;
        const char* kept;
    };
    const Row rows[] = {
        {window->Edit1, "250", "200"}, {window->Edit1, "5", "10"}, {window->Edit1, "150", "150"},
        {window->Edit2, "15", "10"},   {window->Edit2, "0", "1"},  {window->Edit2, "4", "4"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        Leave(row.field, row.typed);
        EXPECT_EQ(row.field->text(), QString::fromUtf8(row.kept));
    }
    window->Edit1->setText(QStringLiteral("999")); // not left: leaving the other field does not touch it
    Leave(window->Edit2, "3");
    EXPECT_EQ(window->Edit1->text(), QStringLiteral("999"));
    EXPECT_TRUE(env.log.empty());

    Leave(window->Edit2, "x");
    Leave(window->Edit1, "");
    EXPECT_EQ(env.log,
              (EventLog{"error:'x' is not a valid integer value", "error:'' is not a valid integer value"}));
    EXPECT_EQ(window->Edit2->text(), QStringLiteral("x"));
    EXPECT_EQ(window->Edit1->maxLength(), 3);
    EXPECT_EQ(window->Edit2->maxLength(), 2);
}

TEST_F(OptionsTest, TheAnimationBoxesSwitchTheEffectBoxesAndTheDelay)
{
    Show();
    Click(window->SpeedButton1);
    Click(window->dxfCheckBox3);
    EXPECT_TRUE(window->Edit1->isEnabled()) << "the closing animation is still on";
    Click(window->dxfCheckBox11);
    EXPECT_FALSE(window->Edit1->isEnabled());
    for (QCheckBox* box : Effects())
        EXPECT_FALSE(box->isEnabled());
    Click(window->dxfCheckBox11);
    EXPECT_TRUE(window->Edit1->isEnabled());
    for (QCheckBox* box : Effects())
        EXPECT_TRUE(box->isEnabled());
}

TEST_F(OptionsTest, EffectBoxesAreOneGroupThatMayBeLeftEmpty)
{
    Show();
    Click(window->SpeedButton1);
    Click(window->dxfCheckBox7);
    for (QCheckBox* box : Effects())
        EXPECT_EQ(box->isChecked(), box == window->dxfCheckBox7);
    Click(window->dxfCheckBox7);
    for (QCheckBox* box : Effects())
        EXPECT_FALSE(box->isChecked());
}

TEST_F(OptionsTest, TheAutomaticProfileBoxNeedsSavedProfiles)
{
    Show();
    window->PageControl1->setCurrentWidget(window->TabSheet1);
    Click(window->dxfCheckBox12);
    EXPECT_FALSE(window->dxfCheckBox12->isChecked()) << "no users.dat clears the box at once";
    EXPECT_FALSE(window->ListBox1->isEnabled());
    EXPECT_EQ(window->ListBox1->count(), 0);

    WriteBytes(env.ProgramFile("users.dat"), Profiles({"Яна", "Анна"}));
    Click(window->dxfCheckBox12);
    EXPECT_TRUE(window->dxfCheckBox12->isChecked());
    EXPECT_TRUE(window->ListBox1->isEnabled());
    EXPECT_EQ(Names(), (QStringList{"Яна", "Анна"}));
    EXPECT_TRUE(window->ListBox1->selectedItems().isEmpty());
    EXPECT_TRUE(env.log.empty());
}

TEST_F(OptionsTest, DefaultsThenCancelChangeNeitherTheFileNorTheMainWindow)
{
    const std::string stored =
        "[Options]\r\nGoodHints=True\r\nRollingSpeed=3\r\nAutoProfile=True\r\nShowTip=True\r\n";
    WriteBytes(IniPath(), stored);
    WriteBytes(env.ProgramFile("users.dat"), Profiles({"Анна"}));
    form->DanHint1->setHintActive(true);
    form->acFormRoller1->setAnimateSpeed(3);
    Show();
    Click(window->SpeedButton1);
    EXPECT_FALSE(window->dxfCheckBox2->isChecked());
    EXPECT_FALSE(window->dxfCheckBox1->isChecked());
    for (QCheckBox* box : {window->dxfCheckBox3, window->dxfCheckBox11, window->dxfCheckBox4,
                           window->dxfCheckBox10, window->dxfCheckBox13})
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(window->Edit1->text(), QStringLiteral("100"));
    EXPECT_EQ(window->Edit2->text(), QStringLiteral("8"));
    EXPECT_TRUE(window->dxfCheckBox12->isChecked()) << "the profile page is not touched";
    EXPECT_TRUE(window->dxfCheckBox14->isChecked());

    Click(window->Cancel);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(IniText(), stored);
    EXPECT_TRUE(form->DanHint1->hintActive());
    EXPECT_EQ(form->acFormRoller1->animateSpeed(), 3);
}

TEST_F(OptionsTest, OkSavesAppliesToTheMainWindowAndCloses)
{
    Show();
    Click(window->SpeedButton1);
    Click(window->dxfCheckBox2);
    Click(window->dxfCheckBox9);
    window->Edit1->setText(QStringLiteral("250")); // typed, never left: OK keeps it in range too
    window->Edit2->setText(QStringLiteral("5"));
    Click(window->OK);
    EXPECT_EQ(IniText(),
              "[Options]\r\nGoodHints=True\r\nTopMost=False\r\nMagnetForm=True\r\nRollingSpeed=5\r\n"
              "OpenAnimation=True\r\nCloseAnimation=True\r\nShowTip=False\r\nIcon=True\r\n"
              "AnimationDelay=200\r\nAnimationEffectType=etSpike\r\nAutoProfile=False\r\n");
    EXPECT_TRUE(form->DanHint1->hintActive());
    EXPECT_EQ(form->acFormRoller1->animateSpeed(), 5);
    EXPECT_EQ(form->acAnimationEffect1->delay(), 200);
    EXPECT_EQ(form->acAnimationEffect1->effect(), ShowHideAnimation::Effect::Spike);
    EXPECT_TRUE(form->acAnimationEffect1->animateOnShow());
    EXPECT_TRUE(form->TrayIconWanted());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(env.log, EventLog{"tray:show ORTAVI!!!"}) << "the settings want the tray icon";
}

TEST_F(OptionsTest, ApplyChangesTheMainWindowAndStaysOpen)
{
    Show();
    Click(window->SpeedButton1);
    Click(window->dxfCheckBox2);
    Click(window->SpeedButton2);
    EXPECT_TRUE(form->DanHint1->hintActive());
    EXPECT_TRUE(window->isVisible());
    Click(window->dxfCheckBox2);
    Click(window->Cancel);
    EXPECT_TRUE(form->DanHint1->hintActive()) << "what was applied stays after Cancel";
}

TEST_F(OptionsTest, ClearingTheCheckedEffectKeepsTheStoredOne)
{
    WriteBytes(IniPath(),
               "[Options]\r\nOpenAnimation=True\r\nAnimationEffectType=etSpike\r\nRollingSpeed=8\r\n"
               "AnimationDelay=100\r\n");
    Show();
    ASSERT_TRUE(window->dxfCheckBox9->isChecked());
    ASSERT_FALSE(window->dxfCheckBox10->isChecked());
    Click(window->dxfCheckBox9);
    Click(window->OK);
    EXPECT_NE(IniText().find("AnimationEffectType=etSpike\r\n"), std::string::npos);
    EXPECT_EQ(form->acAnimationEffect1->effect(), ShowHideAnimation::Effect::Spike);
}

TEST_F(OptionsTest, ANumberFieldThatIsNoNumberStopsOkAndApply)
{
    Show();
    Click(window->SpeedButton1);
    Click(window->dxfCheckBox2);
    window->Edit2->setText(QStringLiteral("x"));
    Click(window->OK);
    Click(window->SpeedButton2);
    EXPECT_EQ(env.log,
              (EventLog{"error:'x' is not a valid integer value", "error:'x' is not a valid integer value"}));
    EXPECT_EQ(IniText(), "<none>");
    EXPECT_FALSE(form->DanHint1->hintActive());
    EXPECT_TRUE(window->isVisible());

    // A delay field the user cannot reach (no animation at all) is not held against OK.
    window->Edit2->setText(QStringLiteral("8"));
    window->Edit1->setText(QString());
    Click(window->dxfCheckBox3);
    Click(window->dxfCheckBox11);
    env.log.clear();
    Click(window->OK);
    EXPECT_EQ(env.log, EventLog{"tray:show ORTAVI!!!"}) << "the settings want the tray icon";
    EXPECT_FALSE(window->isVisible());
    EXPECT_NE(IniText().find("AnimationDelay=\r\n"), std::string::npos);
}

TEST_F(OptionsTest, AnUnwritableSettingsFileStopsOkBeforeApplyingAndClosing)
{
    fs::create_directory(env.ProgramFile("settings.ini.tmp"));
    Show();
    Click(window->SpeedButton1);
    Click(window->dxfCheckBox2);
    Click(window->OK);
    EXPECT_EQ(env.log, EventLog{"error:Unable to write to " + IniPath()});
    EXPECT_FALSE(form->DanHint1->hintActive());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(OptionsTest, OkPutsTheAutomaticProfileBackIntoTheInputs)
{
    WriteBytes(env.ProgramFile("users.dat"), Profiles({"Анна"}));
    WriteBytes(IniPath(), "[Options]\r\nAutoProfile=True\r\nProfile=\xC0\xED\xED\xE0\r\nRollingSpeed=8\r\n");
    auto started = std::make_unique<TForm1>();
    Form1 = started.get();
    EXPECT_EQ(started->Edit2->text(), QStringLiteral("Анна")) << "filled at start";
    EXPECT_EQ(started->Edit3->text(), QStringLiteral("1990"));
    started->Edit2->setText(QStringLiteral("Другое"));
    started->Edit3->setText(QStringLiteral("2000"));

    window = std::make_unique<TOpt>(started.get());
    Show();
    Click(window->OK);
    EXPECT_EQ(started->Edit2->text(), QStringLiteral("Анна"));
    EXPECT_EQ(started->Edit3->text(), QStringLiteral("1990"));
    EXPECT_NE(IniText().find("Profile=\xC0\xED\xED\xE0\r\n"), std::string::npos);
    EXPECT_TRUE(env.log.empty());
    window.reset();
}

} // namespace
