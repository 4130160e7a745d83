#include "profiles/OpenForm.h"

#include "app/main.h"
#include "platform/widgets/FlatButton.h"
#include "profiles/ProfileStore.h"
#include "support/QtTestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace {

namespace fs = std::filesystem;

ProfileRecord Person(const char* name, int year = 1990)
{
    ProfileRecord r;
    r.Year = static_cast<std::uint16_t>(year);
    r.Month = 3;
    r.Day = 5;
    r.Height = 165;
    r.Weight = 55;
    r.Sex = 'F';
    r.Name.Assign(name);
    return r;
}

class OpenFormTest : public ::testing::Test {
  protected:
    OpenFormTest() { Form1 = form.get(); }
    ~OpenFormTest() override { Form1 = nullptr; }

    std::string UsersFile() const { return env.ProgramFile("users.dat"); }
    void GivenProfiles(std::initializer_list<const char*> names)
    {
        std::string bytes;
        for (const char* name : names) {
            const auto b = Person(name).ToBytes();
            bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
        }
        WriteBytes(UsersFile(), bytes);
    }

    // Shows the dialog as the Load command does and lets a close it asked for happen.
    void Show()
    {
        dialog->show();
        QApplication::processEvents();
    }

    static ScriptedDialogs& Scripted() { return dynamic_cast<ScriptedDialogs&>(CurrentDialogs()); }

    QStringList Names() const
    {
        QStringList names;
        for (int i = 0; i < dialog->ListBox1->count(); ++i)
            names << dialog->ListBox1->item(i)->text();
        return names;
    }

    WindowTestEnvironment env{At(2026, 12, 11, 14, 25, 54)};
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
    std::unique_ptr<TOpen> dialog = std::make_unique<TOpen>(form.get());
};

const std::string kLoadFailed = std::string("message:") + ProfileText::kLoadFailed;

TEST_F(OpenFormTest, WithNoProfilesTheListIsEmptyAndOnlyCancelWorks)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Загрузка профиля..."));
    EXPECT_EQ(dialog->size(), QSize(201, 156));
    EXPECT_EQ(dialog->ListBox1->geometry(), QRect(5, 5, 191, 97));
    EXPECT_EQ(dialog->SpeedButton1->text(), QStringLiteral("Открыть"));
    EXPECT_EQ(dialog->SpeedButton2->text(), QStringLiteral("Удалить"));
    EXPECT_EQ(dialog->SpeedButton3->text(), QStringLiteral("Отмена"));
    EXPECT_TRUE(dialog->SpeedButton1->isEnabled());

    Show();
    EXPECT_EQ(dialog->ListBox1->count(), 0);
    EXPECT_FALSE(dialog->SpeedButton1->isEnabled());
    EXPECT_FALSE(dialog->SpeedButton2->isEnabled());
    EXPECT_TRUE(dialog->SpeedButton3->isEnabled());

    // Enter, Delete and a double click have nothing to act on.
    QTest::keyClick(dialog->ListBox1, Qt::Key_Return);
    QTest::keyClick(dialog->ListBox1, Qt::Key_Delete);
    QTest::mouseDClick(dialog->ListBox1->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(env.log.empty());

    QTest::keyClick(dialog->ListBox1, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(OpenFormTest, NamesAreSortedAsARussianReaderExpectsWithNothingSelected)
{
    GivenProfiles({"Яна", "Ёжик", "Ева", "анна", "Борис", "Zoe", "Анна"});
    Show();
    EXPECT_EQ(Names(), (QStringList{"Zoe", "анна", "Анна", "Борис", "Ева", "Ёжик", "Яна"}));
    EXPECT_TRUE(dialog->ListBox1->selectedItems().isEmpty());
    EXPECT_EQ(dialog->SelectedProfileIndex(), 0);
}

TEST_F(OpenFormTest, OpenWithoutAChoiceLoadsTheFirstNameInOrderAndCloses)
{
    GivenProfiles({"Яна", "Борис"});
    Show();
    QTest::mouseClick(dialog->SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("Борис"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(env.log.empty());
}

TEST_F(OpenFormTest, EnterAndDoubleClickLoadTheChosenNameEscapeLoadsNothing)
{
    GivenProfiles({"Яна", "Борис", "Вера"});
    struct Row {
        const char* name;
        std::function<void(TOpen&)> act;
        const char* loaded;
    };
    const Row rows[] = {
        {"Enter", [](TOpen& d) { QTest::keyClick(d.ListBox1, Qt::Key_Return); }, "Вера"},
        {"double click",
         [](TOpen& d) {
             const QRect item = d.ListBox1->visualItemRect(d.ListBox1->item(1));
             QTest::mouseDClick(d.ListBox1->viewport(), Qt::LeftButton, {}, item.center());
         },
         "Вера"},
        {"Escape", [](TOpen& d) { QTest::keyClick(d.ListBox1, Qt::Key_Escape); }, ""},
        {"Cancel", [](TOpen& d) { QTest::mouseClick(d.SpeedButton3, Qt::LeftButton); }, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        form->Edit2->clear();
        dialog = std::make_unique<TOpen>(form.get());
        Show();
        dialog->ListBox1->setCurrentRow(1);
        row.act(*dialog);
        EXPECT_EQ(form->Edit2->text(), QString::fromUtf8(row.loaded));
        EXPECT_FALSE(dialog->isVisible());
    }
    EXPECT_TRUE(env.log.empty());
}

TEST_F(OpenFormTest, DeletingAsksByNameAndOnlyYesDeletes)
{
    GivenProfiles({"Анна", "Борис"});
    const std::string before = ReadBytes(UsersFile());
    Show();
    dialog->ListBox1->setCurrentRow(1);
    QTest::keyClick(dialog->ListBox1, Qt::Key_Delete);
    EXPECT_EQ(env.log, EventLog{"confirm:Борис нас покидает?"});
    EXPECT_EQ(ReadBytes(UsersFile()), before);
    EXPECT_EQ(Names(), (QStringList{"Анна", "Борис"}));

    env.log.clear();
    Scripted().answers = {true, true};
    dialog->ListBox1->setCurrentRow(1);
    QTest::mouseClick(dialog->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(Names(), QStringList{"Анна"});
    EXPECT_TRUE(dialog->ListBox1->selectedItems().isEmpty());
    EXPECT_TRUE(dialog->SpeedButton2->isEnabled());

    // Nothing selected: the first name goes; the list is empty and the dialog stays.
    QTest::mouseClick(dialog->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(env.log, (EventLog{"confirm:Борис нас покидает?", "confirm:Анна нас покидает?"}));
    EXPECT_EQ(dialog->ListBox1->count(), 0);
    EXPECT_FALSE(dialog->SpeedButton1->isEnabled());
    EXPECT_FALSE(dialog->SpeedButton2->isEnabled());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(fs::exists(UsersFile()));
    EXPECT_FALSE(fs::exists(env.ProgramFile("tmp.dat")));
}

TEST_F(OpenFormTest, AFailedListingShowsTheMessageAndClosesTheDialog)
{
    WriteBytes(UsersFile(), std::string(23, 'x'));
    Show();
    EXPECT_EQ(env.log, EventLog{kLoadFailed});
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(OpenFormTest, ANameGoneMeanwhileShowsTheMessageChangesNoInputAndCloses)
{
    GivenProfiles({"Анна", "Борис"});
    Show();
    GivenProfiles({"Борис"}); // another copy of the program deleted Анна
    form->Edit2->setText(QStringLiteral("как было"));
    QTest::keyClick(dialog->ListBox1, Qt::Key_Return);
    EXPECT_EQ(env.log, EventLog{kLoadFailed});
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("как было"));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(OpenFormTest, AFailedDeletionShowsOneMessageAndClosesTheDialog)
{
    GivenProfiles({"Анна", "Борис"});
    Show();
    fs::remove(UsersFile()); // gone before the deletion could read it
    Scripted().answers = {true};
    QTest::keyClick(dialog->ListBox1, Qt::Key_Delete);
    EXPECT_EQ(env.log,
              (EventLog{"confirm:Анна нас покидает?", std::string("message:") + ProfileText::kFileFailed}));
    EXPECT_FALSE(dialog->isVisible());
}

} // namespace
