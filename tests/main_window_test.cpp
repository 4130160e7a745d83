#include "app/main.h"

#include "calc/Unit2.h"
#include "platform/qt/Application.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/FormRoller.h"
#include "platform/widgets/FormTopmost.h"
#include "platform/widgets/Hints.h"
#include "platform/widgets/ShowHideAnimation.h"
#include "support/QtTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    WindowTestEnvironment env{At(2026, 12, 11, 14, 25, 54)};
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>();

    QColor WeightColour() const { return form->Label1->palette().color(QPalette::WindowText); }
};

const QColor kGreen(0, 128, 0), kRed(255, 0, 0), kYellow(255, 255, 0);

TEST_F(MainWindowTest, WeightLabelColourFollowsHeightMinusWeight)
{
    struct Row {
        const char* name;
        int height;
        int weightBefore; // gives the colour the label has before the move
        QColor before;
        int weightAfter;
        QColor expected;
    };
    const Row rows[] = {
        {"d 100 keeps red", 170, 59, kRed, 70, kRed},
        {"d 100 keeps green", 170, 71, kGreen, 70, kGreen},
        {"d 99 turns green", 170, 59, kRed, 71, kGreen},
        {"d 110 keeps yellow", 170, 65, kYellow, 60, kYellow},
        {"d 111 turns red", 170, 71, kGreen, 59, kRed},
        {"d 105 turns yellow", 170, 71, kGreen, 65, kYellow},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        form->TrackBar2->setValue(row.height);
        form->TrackBar1->setValue(row.weightBefore);
        ASSERT_EQ(WeightColour(), row.before);
        form->TrackBar1->setValue(row.weightAfter);
        EXPECT_EQ(WeightColour(), row.expected);
    }
}

TEST_F(MainWindowTest, MovingOnlyTheHeightRecolours)
{
    form->TrackBar2->setValue(170);
    form->TrackBar1->setValue(71);
    ASSERT_EQ(WeightColour(), kGreen);
    form->TrackBar2->setFocus();
    for (int i = 0; i < 15; ++i) // 185 - 71 = 114
        QTest::keyClick(form->TrackBar2, Qt::Key_Right);
    EXPECT_EQ(form->TrackBar2->value(), 185);
    EXPECT_EQ(WeightColour(), kRed);
    EXPECT_EQ(form->Label2->text(), QStringLiteral("185 см"));
}

TEST_F(MainWindowTest, SliderLabelsLoseThePointAfterTheFirstMove)
{
    EXPECT_EQ(form->Label1->text(), QStringLiteral("20 кг."));
    EXPECT_EQ(form->Label2->text(), QStringLiteral("100 см."));
    EXPECT_EQ(WeightColour(), kGreen);
    form->TrackBar1->setFocus();
    QTest::keyClick(form->TrackBar1, Qt::Key_Right);
    EXPECT_EQ(form->Label1->text(), QStringLiteral("21 кг"));
    EXPECT_EQ(form->Label2->text(), QStringLiteral("100 см."));
}

TEST_F(MainWindowTest, DateLabelShowsTheTimeOnlyUntilTheFirstTick)
{
    EXPECT_EQ(form->Label6->text(), QStringLiteral("11.12.2026 14.25.54"));
    EXPECT_EQ(form->Timer1->interval(), 1000);
    EXPECT_TRUE(form->Timer1->isActive());
    env.clock.Set(At(2027, 1, 2, 0, 0, 1));
    form->Timer1Timer();
    EXPECT_EQ(form->Label6->text(), QStringLiteral("02.01.2027"));
}

TEST_F(MainWindowTest, TitleGrowsByAPointEachSecondAndIsOrtaviAgainOnTheTwentyFirst)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Ortavi"));
    for (int tick = 1; tick <= 20; ++tick) {
        form->Timer1Timer();
        const QString expected = QString(tick, QLatin1Char('.')) + QStringLiteral("Ortavi");
        ASSERT_EQ(form->windowTitle(), expected) << "tick " << tick;
        ASSERT_EQ(ApplicationTitle(), expected);
    }
    form->Timer1Timer();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Ortavi"));
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("Ortavi"));
    form->Timer1Timer();
    EXPECT_EQ(form->windowTitle(), QStringLiteral(".Ortavi"));
}

TEST_F(MainWindowTest, EveryStartCountsInOrtaviIni)
{
    // The fixture's window was the first start.
    EXPECT_EQ(ReadBytes(env.ProgramFile("ortavi.ini")), "[Ortavi]\r\nMach=1\r\nPrikol=1000\r\n"
                                                         "Version=Version 6.04 (Build 231)\r\n"
                                                         "DateRelised=27.06.2004\r\n");
    for (int start = 2; start <= 5; ++start)
        TForm1 another;
    EXPECT_EQ(ReadBytes(env.ProgramFile("ortavi.ini")), "[Ortavi]\r\nMach=5\r\nPrikol=1000\r\n"
                                                         "Version=Version 6.04 (Build 231)\r\n"
                                                         "DateRelised=27.06.2004\r\n");
}

TEST_F(MainWindowTest, UnwritableProgramFolderStillGivesAWorkingWindow)
{
    // A folder in place of the file cannot be replaced, not even by root.
    std::filesystem::remove(env.ProgramFile("ortavi.ini"));
    std::filesystem::create_directory(env.ProgramFile("ortavi.ini"));
    TForm1 other;
    EXPECT_EQ(other.Label6->text(), QStringLiteral("11.12.2026 14.25.54"));
    EXPECT_TRUE(other.Timer1->isActive());
    EXPECT_TRUE(env.log.empty()) << env.log.front();
    other.TrackBar1->setValue(30);
    EXPECT_EQ(other.Label1->text(), QStringLiteral("30 кг"));
}

TEST_F(MainWindowTest, SexBoxesExcludeEachOtherButMayBothBeClear)
{
    QTest::mouseClick(form->CheckBox1, Qt::LeftButton);
    EXPECT_TRUE(form->Male());
    QTest::mouseClick(form->CheckBox2, Qt::LeftButton);
    EXPECT_TRUE(form->Female());
    EXPECT_FALSE(form->Male());
    QTest::mouseClick(form->CheckBox2, Qt::LeftButton);
    EXPECT_FALSE(form->Female());
    EXPECT_FALSE(form->Male());
}

TEST_F(MainWindowTest, DateFieldsAreCorrectedWhenTheyLoseTheFocus)
{
    form->show();
    QApplication::setActiveWindow(form.get());
    struct Row {
        QLineEdit* field;
        const char* typed;
        const char* after;
    };
    for (const Row& row : {Row{form->Edit1, "0", "1"}, Row{form->Edit3, "-5", "1"}, Row{form->Edit1, "7", "7"},
                           Row{form->Edit3, "", ""}}) {
        row.field->setFocus();
        row.field->setText(QString::fromUtf8(row.typed));
        form->Edit2->setFocus();
        EXPECT_EQ(row.field->text(), QString::fromUtf8(row.after)) << row.typed;
    }
    EXPECT_TRUE(env.log.empty());

    // A text that is no number reaches the general error box and the window goes on.
    form->Edit1->setFocus();
    form->Edit1->setText(QStringLiteral("zz"));
    form->Edit2->setFocus();
    ASSERT_EQ(env.log.size(), 1u);
    EXPECT_EQ(env.log[0].rfind("error:", 0), 0u) << env.log[0];
    EXPECT_EQ(form->Edit1->maxLength(), 2);
    EXPECT_EQ(form->Edit3->maxLength(), 4);
}

TEST_F(MainWindowTest, StatusBarShowsTheHintOfTheControlUnderTheMouse)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseMove(form->Label2);
    struct Row {
        QWidget* control;
        const char* hint;
    };
    for (const Row& row : {Row{form->SpeedButton1, "Скорей жмите сюда"}, Row{form->Edit1, "День вашего рождения"},
                           Row{form->CheckBox2, "Все мы не совершенны :)"},
                           Row{form->SpeedButton2, "Сюда жать не надо!!!"}}) {
        QTest::mouseMove(row.control, QPoint(5, 5));
        EXPECT_EQ(form->statusBar()->currentMessage(), QString::fromUtf8(row.hint));
        EXPECT_EQ(row.control->toolTip(), QString::fromUtf8(row.hint));
    }
}

TEST_F(MainWindowTest, HintsAreQuickAndBalloonsWaitForTheSettings)
{
    EXPECT_EQ(HintService::Instance().hintPause(), 100);
    ASSERT_NE(form->DanHint1, nullptr);
    EXPECT_FALSE(form->DanHint1->hintActive());
    EXPECT_EQ(form->DanHint1->cornerRadius(), 18);
    EXPECT_EQ(form->DanHint1->balloonWidth(), 250);
    EXPECT_EQ(form->DanHint1->hintPauseTime(), 3000);
    EXPECT_TRUE(form->DanHint1->font().italic());
    EXPECT_EQ(form->DanHint1->font().family(), QStringLiteral("Arial"));
}

TEST_F(MainWindowTest, CaptionCommandsRollTheWindowAndKeepItOnTop)
{
    form->show();
    auto* roll = form->findChild<FlatButton*>(QStringLiteral("RollButton"));
    auto* topmost = form->findChild<FlatButton*>(QStringLiteral("TopmostButton"));
    ASSERT_NE(roll, nullptr);
    ASSERT_NE(topmost, nullptr);
    EXPECT_EQ(roll->toolTip(), QStringLiteral("Начальник идет?"));
    const int fullHeight = form->height();

    QTest::mouseClick(roll, Qt::LeftButton);
    EXPECT_TRUE(form->acFormRoller1->isRolled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->height() < 100; }, 3000));
    EXPECT_TRUE(roll->isVisible()) << "the way back stays in reach";
    EXPECT_EQ(roll->toolTip(), QStringLiteral("Ну что, ушел?"));
    QTest::mouseClick(roll, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->height() == fullHeight; }, 3000));

    QTest::mouseClick(topmost, Qt::LeftButton);
    EXPECT_TRUE(form->acFormTopmost1->isTopmost());
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    QTest::mouseClick(topmost, Qt::LeftButton);
    EXPECT_FALSE(form->acFormTopmost1->isTopmost());
}

TEST_F(MainWindowTest, ClosingPlaysTheHideAnimationFirstThenCloses)
{
    form->acAnimationEffect1->setAnimateOnHide(true);
    form->acAnimationEffect1->setEffect(ShowHideAnimation::Effect::Spin);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    env.answers() = {true, true}; // yes to the exit question, both times
    form->close();
    EXPECT_TRUE(form->isVisible()) << "still on screen while it comes apart";
    EXPECT_TRUE(form->acAnimationEffect1->isRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }, 3000));

    form->acAnimationEffect1->setAnimateOnHide(false);
    form->show();
    form->close();
    EXPECT_FALSE(form->isVisible()) << "without the animation the window goes at once";
}

TEST_F(MainWindowTest, WindowHasTheSizeAndCaptionOfItsDesign)
{
    // The client area under the menu bar is the design's 338 x 417.
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_GT(form->menuBar()->height(), 0);
    EXPECT_EQ(form->size(), QSize(338, 417 + form->menuBar()->height()));
    EXPECT_EQ(form->menuBar()->geometry().bottom() + 1, form->centralWidget()->y());
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Ortavi"));
    EXPECT_EQ(form->ComboBox1->currentIndex(), -1);
    EXPECT_EQ(form->ComboBox1->count(), 12);
    EXPECT_EQ(form->ComboBox1->itemText(11), QStringLiteral("Декабрь"));
    EXPECT_EQ(form->TrackBar1->minimum(), 20);
    EXPECT_EQ(form->TrackBar1->maximum(), 180);
    EXPECT_EQ(form->TrackBar2->minimum(), 100);
    EXPECT_EQ(form->TrackBar2->maximum(), 220);
    EXPECT_FALSE(form->Male());
    EXPECT_FALSE(form->Female());
    // Every caption fits its control.
    for (FlatButton* button : form->findChildren<FlatButton*>())
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width())
            << button->objectName().toStdString();
}

} // namespace

#include "platform/qt/QtServices.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {

TEST(InformationBoxTest, HasOneButtonThatReadsUgu)
{
    const auto box = MakeInformationBox("Введите ваше имя");
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->buttons().front()->text(), QStringLiteral("Угу"));
    EXPECT_EQ(box->text(), QStringLiteral("Введите ваше имя"));
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->font().pixelSize(), 11);
    EXPECT_EQ(box->checkBox(), nullptr) << "no box for hiding the message in future";
}

} // namespace
