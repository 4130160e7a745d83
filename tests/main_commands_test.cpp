#include "app/main.h"

#include "app/MenuStyle.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/FormTopmost.h"
#include "support/QtTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

const std::string kExitQuestion = "confirm:Вы действительно хотите выйти из этой замечательной программы?";

class MainCommandsTest : public ::testing::Test {
protected:
    WindowTestEnvironment env{At(2026, 12, 11, 14, 25, 54)};

    // The main window as a start with this settings.ini (none when empty) makes it.
    std::unique_ptr<TForm1> Start(const std::string& settings = {})
    {
        if (!settings.empty())
            WriteBytes(env.ProgramFile("settings.ini"), settings);
        auto form = std::make_unique<TForm1>();
        env.log.clear(); // what the start itself did is looked at where it matters
        return form;
    }

    void ShowActive(TForm1& form)
    {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    QAction* Item(TForm1& form, const char* name)
    {
        auto* item = form.findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(item, nullptr) << name;
        return item;
    }

    // Lets the event loop run out of work and wait, as it does between the user's actions.
    static void Idle()
    {
        QEventLoop loop;
        QTimer::singleShot(30, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

TEST_F(MainCommandsTest, MenusHoldThePartsItemsInOrderWithCaptionsKeysAndPictures)
{
    const auto form = Start();
    auto names = [](const QMenu* menu) {
        QStringList list;
        for (const QAction* action : menu->actions())
            list << action->objectName();
        return list;
    };
    EXPECT_EQ(names(form->file1), QStringList({"N29", "N1", "N7", "N8", "N35", "N34", "N6"}));
    EXPECT_EQ(names(form->N2), QStringList({"CHTML1", "N5", "N3", "ReadMe1", "N4", "N36"}));
    EXPECT_EQ(names(form->Extra1), QStringList({"N17", "N9", "N10", "N33", "N20", "N26", "N27", "N28", "N19"}));
    EXPECT_EQ(names(form->PopupMenu1), QStringList({"N12", "N13", "N31", "N18", "N14", "N16", "N22", "N21", "N23",
                                                    "N15", "N30", "N11"}));
    QStringList bar;
    for (const QAction* action : form->menuBar()->actions())
        bar << action->text();
    EXPECT_EQ(bar, QStringList({"Файл", "Фраза дня...", "?", "Экстра"}));
    EXPECT_EQ(form->menuBar()->objectName(), QStringLiteral("MainMenu1"));

    struct Row {
        const char* name;
        const char* caption;
        const char* key;
        int picture;
    };
    const Row rows[] = {
        {"N29", "Новый профиль", "Ctrl+N", 16},
        {"N1", "Загрузить профиль", "Ctrl+O", 16},
        {"N7", "Сохранить профиль", "Ctrl+S", 16},
        {"N35", "Настройки", "", 18},
        {"N6", "Выход", "F10", 16},
        {"N25", "Фраза дня...", "", 16},
        {"CHTML1", "Справка (CHM)", "F1", 16},
        {"N5", "Благодарности", "F2", 16},
        {"N3", "О программе", "F3", 16},
        {"ReadMe1", "Лицензия", "F4", 16},
        {"N4", "Зайти на сайт автора", "", 16},
        {"N36", "Написать автору", "", 16},
        {"N9", "Выключить компьютер", "Shift+Ctrl+F11", 16},
        {"N10", "Перезагрузить компьютер", "Shift+Ctrl+F12", 16},
        {"N33", "Войти под другим именем", "Shift+Ctrl+F10", 16},
        {"N26", "Таймер", "", 15},
        {"N27", "Часики", "Ctrl+T", 15},
        {"N19", "О системе", "", 16},
        {"N12", "Сохранить профиль", "Ctrl+S", 16},
        {"N13", "Загрузить профиль", "Ctrl+O", 16},
        {"N18", "Таймер", "", 16},
        {"N14", "Часики", "Ctrl+T", 16},
        {"N22", "О системе", "", 16},
        {"N23", "Зайти на сайт автора", "", 16},
        {"N15", "Написать автору", "", 16},
        {"N30", "О программе ", "F3", 16},
        {"N11", "Выход", "F10", 16},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QAction* item = Item(*form, row.name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(ShortCutText(MenuShortCut(item)), row.key);
        EXPECT_EQ(item->icon().availableSizes(), QList<QSize>{QSize(row.picture, row.picture)});
    }
}

TEST_F(MainCommandsTest, NewProfileClearsEveryInputAndNothingElse)
{
    const auto form = Start();
    form->Edit2->setText(QStringLiteral("Иван"));
    form->Edit1->setText(QStringLiteral("12"));
    form->ComboBox1->setCurrentIndex(6);
    form->Edit3->setText(QStringLiteral("1980"));
    form->TrackBar2->setValue(180);
    form->TrackBar1->setValue(80);
    form->CheckBox2->setChecked(true);
    CurrentProfile.Name.Assign("Пётр");

    Item(*form, "N29")->trigger();

    EXPECT_TRUE(form->Edit2->text().isEmpty());
    EXPECT_TRUE(form->Edit1->text().isEmpty());
    EXPECT_TRUE(form->Edit3->text().isEmpty());
    EXPECT_EQ(form->ComboBox1->currentIndex(), -1);
    EXPECT_EQ(form->TrackBar1->value(), 20);
    EXPECT_EQ(form->TrackBar2->value(), 100);
    EXPECT_EQ(form->Label1->text(), QStringLiteral("20 кг"));
    EXPECT_EQ(form->Label2->text(), QStringLiteral("100 см"));
    EXPECT_FALSE(form->CheckBox1->isChecked());
    EXPECT_FALSE(form->CheckBox2->isChecked());
    EXPECT_EQ(CurrentProfile.Name.Text(), "Пётр") << "the current profile is not touched";
    EXPECT_FALSE(std::filesystem::exists(env.ProgramFile("users.dat")));
    EXPECT_TRUE(env.log.empty());
    CurrentProfile = {};
}

TEST_F(MainCommandsTest, ExitAsksAndNoKeepsTheProgramAndItsTrayIcon)
{
    const auto form = Start("[Options]\r\nIcon=True\r\n");
    ShowActive(*form);
    ASSERT_TRUE(env.tray.IsShown());
    QSignalSpy closed(form.get(), &TForm1::closeAccepted);

    env.answers() = {false, false};
    QTest::keyClick(form.get(), Qt::Key_F10);
    form->close(); // the close box asks too
    EXPECT_EQ(env.log, (EventLog{kExitQuestion, kExitQuestion}));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(env.tray.IsShown());
    EXPECT_EQ(closed.count(), 0);
}

TEST_F(MainCommandsTest, YesRemovesTheTrayIconBeforeTheProgramEnds)
{
    const auto form = Start("[Options]\r\nIcon=True\r\n");
    form->show();
    QObject::connect(form.get(), &TForm1::closeAccepted, [this] { env.log.push_back("program ends"); });
    env.answers() = {true};
    Item(*form, "N6")->trigger();
    EXPECT_EQ(env.log, (EventLog{kExitQuestion, "tray:hide", "program ends"}));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainCommandsTest, LinksOpenThroughTheShell)
{
    const auto form = Start();
    struct Row {
        const char* item;
        const char* opened;
    };
    const Row rows[] = {
        {"CHTML1", "open:help.chm maximized"},
        {"ReadMe1", "open:ReadMe.Txt"},
        {"N4", "open:https://ortavi.example.org/"},
        {"N36", "open:mailto:author@ortavi.example.org"},
        {"N23", "open:https://ortavi.example.org/"},
        {"N15", "open:mailto:author@ortavi.example.org"},
    };
    for (const Row& row : rows) {
        env.log.clear();
        Item(*form, row.item)->trigger();
        EXPECT_EQ(env.log, EventLog{row.opened}) << row.item;
    }
    env.log.clear();
    QTest::mouseClick(form->SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(env.log, EventLog{"open:help.chm maximized"});
}

TEST_F(MainCommandsTest, NameMeaningStartsValderinWithEachWordOfTheName)
{
    const auto form = Start();
    const std::string valderin = "start:" + (env.folder / "Valderin" / "Valderin.exe").string();
    struct Row {
        const char* name;
        const char* started;
    };
    const Row rows[] = {
        {"Анна Мария", "|Анна|Мария"},
        {"Иван", "|Иван"},
        {"", ""},
        {" Анна  \"Мария\" ", "|Анна|\"Мария\""},
    };
    for (const Row& row : rows) {
        env.log.clear();
        form->Edit2->setText(QString::fromUtf8(row.name));
        QTest::mouseClick(form->SpeedButton6, Qt::LeftButton);
        EXPECT_EQ(env.log, EventLog{valderin + row.started}) << row.name;
    }
}

TEST_F(MainCommandsTest, PowerCommandsAskPowerAndNothingElse)
{
    const auto form = Start();
    struct Row {
        const char* item;
        const char* asked;
    };
    for (const Row& row : {Row{"N9", "power:off"}, Row{"N10", "power:restart"}, Row{"N33", "power:logoff"}}) {
        env.log.clear();
        Item(*form, row.item)->trigger();
        EXPECT_EQ(env.log, EventLog{row.asked}) << row.item;
    }
    ShowActive(*form);
    env.log.clear();
    QTest::keyClick(form.get(), Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(env.log, EventLog{"power:off"});
}

TEST_F(MainCommandsTest, WithoutCdDrivesTheExtraMenuStartsWithItsSeparator)
{
    const auto form = Start();
    ASSERT_FALSE(form->Extra1->actions().isEmpty());
    EXPECT_EQ(form->Extra1->actions().front()->objectName(), QStringLiteral("N17"));
    EXPECT_TRUE(form->Extra1->actions().front()->isSeparator());
    EXPECT_EQ(form->Extra1->actions().size(), 9);
}

TEST_F(MainCommandsTest, TwoLetteredDrivesGetTwoItemsWithASubItemEach)
{
    env.cdDrives.drives = {{"d:", 'd'}, {"e:", 'e'}};
    const auto form = Start();
    const QList<QAction*> extra = form->Extra1->actions();
    ASSERT_EQ(extra.size(), 11);
    EXPECT_EQ(extra[0]->text(), QStringLiteral("Открыть CDRomDrive"));
    EXPECT_EQ(extra[1]->text(), QStringLiteral("Закрыть CDRomDrive"));
    EXPECT_EQ(extra[2]->objectName(), QStringLiteral("N17"));
    EXPECT_FALSE(extra[0]->icon().isNull());
    EXPECT_FALSE(extra[1]->icon().isNull());

    struct Row {
        int menu;
        int sub;
        const char* caption;
        const char* key;
    };
    const Row rows[] = {
        {0, 0, "D:\\", "Shift+Ctrl+D"},
        {0, 1, "E:\\", "Shift+Ctrl+E"},
        {1, 0, "D:\\", "Shift+Alt+D"},
        {1, 1, "E:\\", "Shift+Alt+E"},
    };
    for (const Row& row : rows) {
        const QList<QAction*> subs = extra[row.menu]->menu()->actions();
        ASSERT_EQ(subs.size(), 2);
        EXPECT_EQ(subs[row.sub]->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(ShortCutText(MenuShortCut(subs[row.sub])), row.key);
        EXPECT_FALSE(subs[row.sub]->icon().isNull());
    }

    extra[0]->menu()->actions()[1]->trigger();
    extra[1]->menu()->actions()[0]->trigger();
    EXPECT_EQ(env.log, (EventLog{"cd-open:e:", "cd-close:d:"}));

    ShowActive(*form);
    env.log.clear();
    QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(form.get(), Qt::Key_E, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(env.log, (EventLog{"cd-open:d:", "cd-close:e:"}));
}

TEST_F(MainCommandsTest, LinuxDrivesAreNamedByTheirDevicesAndHaveNoKeys)
{
    const auto keysWithoutDrives = Start()->findChildren<QShortcut*>().size();
    env.cdDrives.drives = {{"/dev/sr0", 0}, {"/dev/sr1", 0}};
    const auto form = Start();
    QMenu* open = form->Extra1->actions()[0]->menu();
    ASSERT_NE(open, nullptr);
    ASSERT_EQ(open->actions().size(), 2);
    EXPECT_EQ(open->actions()[1]->text(), QStringLiteral("/dev/sr1"));
    EXPECT_TRUE(MenuShortCut(open->actions()[1]).Empty());
    EXPECT_EQ(form->findChildren<QShortcut*>().size(), keysWithoutDrives) << "no keys bound for them";
    form->Extra1->actions()[1]->menu()->actions()[0]->trigger();
    EXPECT_EQ(env.log, EventLog{"cd-close:/dev/sr0"});
}

TEST_F(MainCommandsTest, EveryItemIsOnAndActionItemsFollowTheirActions)
{
    const auto form = Start();
    for (const char* name : {"N35", "N25", "N5", "N3", "N26", "N27", "N19", "N18", "N14", "N22", "N30", "N29", "N6",
                             "CHTML1", "ReadMe1", "N4", "N36", "N9", "N10", "N33", "N23", "N15", "N11", "N1", "N13"})
        EXPECT_TRUE(Item(*form, name)->isEnabled()) << name;
    EXPECT_TRUE(form->SpeedButton4->isEnabled());
    EXPECT_TRUE(form->SpeedButton5->isEnabled());

    form->Load->setEnabled(false);
    EXPECT_FALSE(Item(*form, "N1")->isEnabled());
    EXPECT_FALSE(Item(*form, "N13")->isEnabled());
    form->Load->setEnabled(true);
    EXPECT_TRUE(Item(*form, "N13")->isEnabled());
    QSignalSpy loads(form->Load, &QAction::triggered);
    Item(*form, "N13")->trigger();
    EXPECT_EQ(loads.count(), 1);
}

// Items and buttons of one command open the same window, each a fresh one.
TEST_F(MainCommandsTest, ItemsAndButtonsOpenTheirWindows)
{
    const auto form = Start();
    const std::pair<const char*, const char*> items[] = {
        {"N35", "modal:Opt"},   {"N25", "modal:Tip"},   {"N5", "modal:OKBottomDlg"}, {"N3", "modal:AboutBox"},
        {"N30", "modal:AboutBox"}, {"N26", "modal:kTime"}, {"N18", "modal:kTime"}, {"N27", "modal:Clock1"},
        {"N14", "modal:Clock1"}, {"N19", "modal:Syst"}, {"N22", "modal:Syst"},
    };
    for (const auto& [name, shown] : items) {
        env.log.clear();
        Item(*form, name)->trigger();
        EXPECT_EQ(env.log, EventLog{shown}) << name;
    }
    env.log.clear();
    QTest::mouseClick(form->SpeedButton4, Qt::LeftButton);
    QTest::mouseClick(form->SpeedButton5, Qt::LeftButton);
    QTest::mouseClick(form->Label6, Qt::LeftButton);
    EXPECT_EQ(env.log, (EventLog{"modal:OKBottomDlg", "modal:AboutBox", "modal:Clock1"}));
}

TEST_F(MainCommandsTest, TrayIconFollowsTheIconSettingAndIsKeptWhileWanted)
{
    {
        const auto form = Start();
        Idle();
        EXPECT_FALSE(env.tray.IsShown()) << "no icon without the setting, idle or not";
        EXPECT_TRUE(env.log.empty());
    }
    const auto form = Start("[Options]\r\nIcon=true\r\n");
    EXPECT_TRUE(env.tray.IsShown());
    Idle();
    EXPECT_TRUE(env.log.empty()) << "an icon that is there is left alone";
    env.tray.Lose(); // the task bar restarted
    Idle();
    EXPECT_TRUE(env.tray.IsShown());
    EXPECT_EQ(env.log, EventLog{"tray:show ORTAVI!!!"});
}

TEST_F(MainCommandsTest, MinimizingGoesToTheTrayOnlyWithTheIconSetting)
{
    {
        const auto form = Start("[Options]\r\nIcon=False\r\n");
        form->show();
        form->showMinimized();
        QApplication::processEvents();
        EXPECT_TRUE(form->isVisible()) << "on the task bar";
        EXPECT_TRUE(form->isMinimized());
    }
    {
        const auto form = Start("[Options]\r\nIcon=True\r\n");
        form->show();
        form->showMinimized();
        QApplication::processEvents();
        EXPECT_FALSE(form->isVisible()) << "gone from the task bar";
    }
    {
        // The setting is read at the moment of minimizing, but without an icon to come back
        // through the window stays on the task bar.
        const auto form = Start("[Options]\r\nIcon=False\r\n");
        WriteBytes(env.ProgramFile("settings.ini"), "[Options]\r\nIcon=True\r\n");
        form->show();
        form->showMinimized();
        QApplication::processEvents();
        EXPECT_TRUE(form->isVisible());
    }
}

TEST_F(MainCommandsTest, LeftClickOnTheIconBringsTheWindowBackNotKeptOnTop)
{
    const auto form = Start("[Options]\r\nIcon=True\r\n");
    form->acFormTopmost1->setTopmost(true);
    form->show();
    form->showMinimized();
    QApplication::processEvents();
    ASSERT_FALSE(form->isVisible());
    env.tray.UserClicks(Tray::Click::Left);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form->acFormTopmost1->isTopmost());
}

TEST_F(MainCommandsTest, RightClickOnTheIconAndTheWindowsContextMenuOpenThePopupMenu)
{
    const auto form = Start("[Options]\r\nIcon=True\r\n");
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QCursor::setPos(QPoint(150, 160));
    env.tray.UserClicks(Tray::Click::Right);
    EXPECT_TRUE(form->PopupMenu1->isVisible());
    EXPECT_EQ(form->PopupMenu1->pos(), QCursor::pos());
    form->PopupMenu1->hide();

    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), form->Label2->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(form->Label2, &event);
    EXPECT_TRUE(form->PopupMenu1->isVisible());
    EXPECT_EQ(form->PopupMenu1->pos(), form->Label2->mapToGlobal(QPoint(5, 5)));
    form->PopupMenu1->hide();
}

} // namespace
