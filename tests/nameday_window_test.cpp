#include "nameday/NameDayForm.h"

#include "app/main.h"
#include "nameday/NameDayRules.h"
#include "platform/FileIo.h"
#include "platform/TempFolder.h"
#include "platform/services/Clipboard.h"
#include "platform/widgets/DatePanel.h"
#include "platform/widgets/FlatButton.h"
#include "support/NameDaysFixture.h"
#include "support/QtTestSupport.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>

namespace fs = std::filesystem;

// Readable failures for texts and lists of texts (found by argument-dependent lookup).
void PrintTo(const QString& text, std::ostream* out)
{
    *out << "«" << text.toStdString() << "»";
}

namespace {

// Today is 11 December.
constexpr const char* kData = "11 декабря\tМария, Иван, Анна\n"
                              "12 декабря\tПётр\n"
                              "1 января\tАнна, Антон\n"
                              "7 мая\tАнна\n";

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}

QStringList Selected(const QListWidget* list)
{
    QStringList items;
    for (const QListWidgetItem* item : list->selectedItems())
        items << item->text();
    return items;
}

bool PlainCopyExists()
{
    return fs::exists(PathFromUtf8(SystemTempFolder() + "suxx.txt"));
}

class NameDayWindowTest : public ::testing::Test {
protected:
    WindowTestEnvironment env{At(2026, 12, 11, 14, 25, 54)};

    std::unique_ptr<TNameDay> Open(std::string_view data = kData)
    {
        WriteNameDays(env.folder / "names.dat", data);
        return std::make_unique<TNameDay>();
    }

    // Shown and active, so that the focus moves as the user moves it.
    static void Activate(TNameDay& window)
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static void Type(QComboBox* combo, const QString& text)
    {
        for (QChar c : text) // typed as a Russian keyboard sends it
            QTest::sendKeyEvent(QTest::Click, combo->lineEdit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    // A right click as a desktop delivers it: the press, then the request for the menu.
    static void RightClick(QListWidget* list, QPoint at)
    {
        QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier, at);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &request);
    }

    static void Choose(TNameDay& window, QAction* command)
    {
        ASSERT_TRUE(window.PopupMenu1->isVisible());
        QTest::mouseClick(window.PopupMenu1, Qt::LeftButton, Qt::NoModifier,
                          window.PopupMenu1->actionGeometry(command).center());
        EXPECT_FALSE(window.PopupMenu1->isVisible());
    }

    static void SearchCommonDates(TNameDay& window, const QString& first, const QString& second)
    {
        window.dxfComboBox1->setEditText(first);
        window.dxfComboBox2->setEditText(second);
        QTest::mouseClick(window.BitBtn1, Qt::LeftButton);
    }
};

TEST_F(NameDayWindowTest, GreetingNamesTodaysNamesCentredUnderTheFirstLine)
{
    struct Row {
        const char* what;
        const char* data;
        QString greeting;
    } rows[] = {
        {"three names", kData, QStringLiteral("Мария, Иван и Анна")},
        {"one name alone", "11 декабря\tАнна\n", QStringLiteral("Анна")},
        {"a day without names", "12 декабря\tПётр\n", QString()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        auto window = Open(row.data);
        EXPECT_EQ(window->Label2->text(), row.greeting);
        const int centre1 = window->Label1->x() * 2 + window->Label1->width();
        const int centre2 = window->Label2->x() * 2 + window->Label2->width();
        EXPECT_LE(std::abs(centre1 - centre2), 2);
        EXPECT_TRUE(env.log.empty());
    }
}

TEST_F(NameDayWindowTest, AGreetingTooLongForThreeLinesEndsInAnEllipsisWithAllNamesInTheHint)
{
    std::vector<std::string> names;
    std::string line = "11 декабря\t";
    for (int i = 0; i < 84; ++i) {
        names.push_back("Имя" + std::to_string(i));
        line += (i ? ", " : "") + names.back();
    }
    auto window = Open(line + "\n");
    const QString greeting = QString::fromStdString(GreetingText(names));
    EXPECT_TRUE(window->Label2->text().endsWith(QStringLiteral("…")));
    EXPECT_TRUE(greeting.startsWith(window->Label2->text().chopped(1)));
    EXPECT_EQ(window->Label2->toolTip(), greeting);
    EXPECT_GE(window->Label2->x(), 0);
    EXPECT_LE(window->Label2->geometry().right(), window->width());
    EXPECT_LE(window->Label2->geometry().bottom(), window->Label3->y());
}

TEST_F(NameDayWindowTest, SearchesByDateAndByName)
{
    auto window = Open();
    EXPECT_EQ(Items(window->ListBox3), (QStringList{"Анна", "Иван", "Мария"}));
    EXPECT_EQ(Items(window->ListBox1), (QStringList{"Анна", "Антон", "Иван", "Мария", "Пётр"}));
    for (QComboBox* combo : {window->dxfComboBox1, window->dxfComboBox2}) {
        ASSERT_EQ(combo->count(), 5);
        EXPECT_EQ(combo->itemText(0), QStringLiteral("Анна"));
    }
    EXPECT_EQ(window->dxfComboBox1->currentText(), QStringLiteral("Имя1"));
    EXPECT_EQ(window->dxfComboBox2->currentText(), QStringLiteral("Имя2"));

    window->abfDatePanel1->findChild<QSpinBox*>(QStringLiteral("DayBox"))->setValue(12);
    EXPECT_EQ(Items(window->ListBox3), QStringList{"Пётр"});

    const QListWidgetItem* anna = window->ListBox1->item(0);
    QTest::mouseClick(window->ListBox1->viewport(), Qt::LeftButton, Qt::NoModifier,
                      window->ListBox1->visualItemRect(anna).center());
    EXPECT_EQ(Items(window->ListBox2), (QStringList{"11 декабря", "1 января", "7 мая"}));
    EXPECT_TRUE(env.log.empty());
}

TEST_F(NameDayWindowTest, TheMainWindowOpensAFreshWindowEveryTime)
{
    TForm1 form;
    WriteNameDays(env.folder / "names.dat", kData);
    std::vector<QStringList> shown;
    env.onModal = [&](QDialog& dialog) {
        ASSERT_EQ(&dialog, NameDay.data());
        ASSERT_TRUE(PlainCopyExists());
        shown.push_back(Items(NameDay->ListBox3));
    };
    QTest::mouseClick(form.SpeedButton7, Qt::LeftButton);
    EXPECT_FALSE(PlainCopyExists()) << "the closed window's library copy is gone";
    QTest::mouseClick(form.SpeedButton7, Qt::LeftButton);

    EXPECT_EQ(env.log, (EventLog{"modal:NameDay", "modal:NameDay"}));
    const QStringList today{"Анна", "Иван", "Мария"};
    EXPECT_EQ(shown, (std::vector<QStringList>{today, today}));
    EXPECT_FALSE(NameDay);
    EXPECT_FALSE(PlainCopyExists());
}

TEST_F(NameDayWindowTest, EnteringANameBoxClearsOnlyItsPrompt)
{
    auto window = Open();
    Activate(*window);
    window->PageControl1->setCurrentWidget(window->TabSheet3);

    window->dxfComboBox1->setFocus();
    EXPECT_EQ(window->dxfComboBox1->currentText(), QString());
    Type(window->dxfComboBox1, QStringLiteral("Анна"));
    window->dxfComboBox2->setFocus();
    EXPECT_EQ(window->dxfComboBox2->currentText(), QString());
    window->dxfComboBox1->setFocus();
    EXPECT_EQ(window->dxfComboBox1->currentText(), QStringLiteral("Анна"));
}

TEST_F(NameDayWindowTest, CommonDatesOfTwoNames)
{
    auto window = Open();
    struct Row {
        const char* what;
        QString first, second;
        QStringList expected;
    } rows[] = {
        {"the same name in both boxes", "Анна", "Анна", {"11 декабря", "1 января", "7 мая"}},
        {"two names of one day", "Антон", "Анна", {"1 января"}},
        {"no day in common", "Пётр", "Анна", {}},
        {"a name the data lacks", "Ольга", "Анна", {}},
    };
    for (const Row& row : rows) {
        SearchCommonDates(*window, row.first, row.second);
        EXPECT_EQ(Items(window->ListBox4), row.expected) << row.what;
    }
    EXPECT_TRUE(env.log.empty());
}

TEST_F(NameDayWindowTest, CopyAllPutsEveryDateFollowedByCrLfOnTheClipboard)
{
    auto window = Open();
    Activate(*window);
    window->PageControl1->setCurrentWidget(window->TabSheet3);
    SearchCommonDates(*window, "Анна", "Анна");
    RightClick(window->ListBox4, window->ListBox4->visualItemRect(window->ListBox4->item(1)).center());
    Choose(*window, window->N2);
    EXPECT_EQ(CurrentClipboard().Text(), "11 декабря\r\n1 января\r\n7 мая\r\n");
}

TEST_F(NameDayWindowTest, ARightClickSelectsOnlyAnItemStrictlyUnderThePointer)
{
    auto window = Open();
    Activate(*window);
    window->PageControl1->setCurrentWidget(window->TabSheet3);
    SearchCommonDates(*window, "Анна", "Анна");
    QListWidget* list = window->ListBox4;
    const QRect first = list->visualItemRect(list->item(0));
    const QRect last = list->visualItemRect(list->item(2));
    struct Row {
        const char* what;
        QPoint at;
        QStringList selected;
        std::string copied;
    } rows[] = {
        {"on the first item", first.center(), {"11 декабря"}, "11 декабря"},
        {"on the top edge of the first item", {first.center().x(), first.top()}, {}, "before"},
        {"below the last item", {last.center().x(), last.bottom() + 6}, {}, "before"},
        {"on the last item", last.center(), {"7 мая"}, "7 мая"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CurrentClipboard().SetText("before");
        list->setCurrentRow(1); // a selection the click must undo
        RightClick(list, row.at);
        EXPECT_TRUE(list->hasFocus());
        EXPECT_EQ(Selected(list), row.selected);
        Choose(*window, window->N1);
        EXPECT_EQ(CurrentClipboard().Text(), row.copied);
    }
}

TEST_F(NameDayWindowTest, WithoutNamesDatTheErrorIsShownAndTheWindowStillBuilt)
{
    ASSERT_FALSE(fs::exists(env.folder / "names.dat"));
    auto window = std::make_unique<TNameDay>();
    EXPECT_EQ(env.log, EventLog{"error:Файл не найден: «suxx.txt»"});
    EXPECT_EQ(window->ListBox3->count(), 0);
    EXPECT_EQ(window->ListBox1->count(), 0);
    EXPECT_EQ(window->Label2->text(), QString());
    EXPECT_EQ(window->PageControl1->count(), 3);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Именины"));

    env.log.clear();
    SearchCommonDates(*window, "Анна", "Анна");
    EXPECT_EQ(env.log, EventLog{"error:Файл не найден: «suxx.txt»"});
}

} // namespace
