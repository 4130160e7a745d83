#include "calc/PersonInput.h"
#include "platform/Errors.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace ValidationText;

class PersonInputTest : public ::testing::Test {
protected:
    PersonInputTest() : dialogs(log), inputs(log), clock(At(2026, 12, 11, 13, 45))
    {
        // A valid person; each case spoils one thing.
        inputs.day = "5";
        inputs.month = 2;
        inputs.year = "1990";
        inputs.name = "Аня";
        inputs.female = true;
        inputs.height = 165;
        inputs.weight = 55;
    }

    bool Validate() { return ValidatePersonInput(inputs, dialogs, clock); }

    EventLog log;
    ScriptedDialogs dialogs;
    FakePersonInputs inputs;
    FixedClock clock;
};

TEST_F(PersonInputTest, ValidPersonPassesSilently)
{
    EXPECT_TRUE(Validate());
    EXPECT_TRUE(log.empty());
}

TEST_F(PersonInputTest, StepsReportTheirMessageBeepAndFocusInOrder)
{
    struct Row {
        const char* what;
        const char* day;
        int month;
        const char* year;
        EventLog expected;
    };
    const std::string enter = std::string("info:") + kEnterBirthDate;
    const std::string format = std::string("info:") + kBadDateFormat;
    const std::string mistake = std::string("info:") + kDateMistake;
    const std::string old = std::string("info:") + kTooOld;
    const Row rows[] = {
        {"empty day", "", 2, "1990", {"beep", enter}},
        {"empty year", "5", 2, "", {"beep", enter}},
        {"no month", "5", -1, "1990", {"beep", enter}},
        {"letters", "ab", 2, "1990", {"beep", format, "focus:day"}},
        {"negative day", "-5", 2, "1990", {"beep", format, "focus:day"}},
        {"day beyond 16 bits", "65536", 2, "1990", {"beep", format, "focus:day"}},
        {"day at the 16-bit limit", "65535", 2, "1990", {"beep", mistake, "focus:year"}},
        {"year beyond 16 bits", "5", 2, "$10000", {"beep", format, "focus:day"}},
        {"blank day", " ", 2, "1990", {"beep", format, "focus:day"}},
        {"bad year", "5", 2, "19x0", {"beep", format, "focus:day"}},
        {"31 April", "31", 3, "1990", {"beep", mistake, "focus:year"}},
        {"day 0", "0", 3, "1990", {"beep", mistake, "focus:year"}},
        {"29 February 2001", "29", 1, "2001", {"beep", mistake, "focus:year"}},
        {"tomorrow", "12", 11, "2026", {"beep", mistake, "focus:year"}},
        {"next year", "1", 0, "2027", {"beep", mistake, "focus:year"}},
        {"131 years", "1", 0, "1895", {"beep", old, "focus:year"}},
    };
    for (const Row& r : rows) {
        log.clear();
        inputs.day = r.day;
        inputs.month = r.month;
        inputs.year = r.year;
        EXPECT_FALSE(Validate()) << r.what;
        EXPECT_EQ(log, r.expected) << r.what;
    }
}

TEST_F(PersonInputTest, DatesThatPass)
{
    struct Row {
        const char* what;
        const char* day;
        int month;
        const char* year;
    };
    const Row rows[] = {
        {"hex day $A", "$A", 2, "1990"},
        {"29 February 2000", "29", 1, "2000"},
        {"today", "11", 11, "2026"},
        {"130 years by the years", "31", 11, "1896"},
        {"leading blanks", "  7", 2, " 1990"},
        {"hex year", "5", 2, "$7C6"},
    };
    for (const Row& r : rows) {
        log.clear();
        inputs.day = r.day;
        inputs.month = r.month;
        inputs.year = r.year;
        EXPECT_TRUE(Validate()) << r.what;
        EXPECT_TRUE(log.empty()) << r.what << ": " << (log.empty() ? "" : log.front());
    }
}

TEST_F(PersonInputTest, BirthAtTheCurrentMomentIsNotInTheFuture)
{
    clock.Set(At(2026, 12, 11));
    inputs.day = "11";
    inputs.month = 11;
    inputs.year = "2026";
    EXPECT_TRUE(Validate());
    ProfileRecord r;
    CollectProfile(inputs, r);
    EXPECT_EQ(ComputeDaysLived(r, clock), 0);
    clock.Set(At(2026, 12, 10, 23, 59, 59));
    EXPECT_FALSE(Validate());
}

TEST_F(PersonInputTest, AgeLimitCountsYearsOnly)
{
    clock.Set(At(2004, 6, 27, 12));
    inputs.year = "1874";
    EXPECT_TRUE(Validate());
    inputs.year = "1873";
    EXPECT_FALSE(Validate());
    EXPECT_EQ(log, (EventLog{"beep", std::string("info:") + kTooOld, "focus:year"}));
}

TEST_F(PersonInputTest, DateTheCalendarLacksRaisesAConversionError)
{
    inputs.day = "29";
    inputs.month = 1;
    for (const char* year : {"1900", "0"}) {
        inputs.year = year;
        log.clear();
        EXPECT_THROW(Validate(), ConvertError) << year;
        EXPECT_TRUE(log.empty()) << year;
    }
}

TEST_F(PersonInputTest, NameAndSexChecks)
{
    inputs.name = "";
    EXPECT_FALSE(Validate());
    EXPECT_EQ(log, (EventLog{"beep", "focus:name", std::string("info:") + kEnterName}));

    log.clear();
    inputs.name = "   ";
    inputs.female = false;
    EXPECT_FALSE(Validate());
    EXPECT_EQ(log, (EventLog{std::string("info:") + kChooseSex})); // no beep

    log.clear();
    inputs.male = true;
    EXPECT_TRUE(Validate());
}

TEST_F(PersonInputTest, CollectProfileFillsEveryFieldAfterClearingTheRecord)
{
    ProfileRecord r;
    r.Name.Assign("Старое имя12");
    CollectProfile(inputs, r);
    const ProfileRecord::Bytes anya = {0xC6, 0x07, 0x03, 0x00, 0x05, 0x00, 0xA5, 0x37, 0x46, 0x03, 0xC0,
                                       0xED, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(r.ToBytes(), anya);

    inputs.name = "Александр Сергеевич";
    inputs.day = "$A";
    inputs.male = true; // both boxes: female wins
    CollectProfile(inputs, r);
    EXPECT_EQ(r.Name.Length, 12);
    EXPECT_EQ(r.Name.Text(), "Александр Се");
    EXPECT_EQ(r.Day, 10);
    EXPECT_EQ(r.Sex, 'F');

    inputs.female = false;
    CollectProfile(inputs, r);
    EXPECT_EQ(r.Sex, 'M');
    inputs.male = false;
    CollectProfile(inputs, r);
    EXPECT_EQ(r.Sex, 0);
}

TEST(DateFieldExitTest, ValuesBelowOneBecomeOne)
{
    struct Row {
        const char* text;
        const char* after;
    };
    const Row rows[] = {{"", ""}, {"0", "1"}, {"-5", "1"}, {"$0", "1"}, {"1", "1"}, {"31", "31"}, {" 7", " 7"}};
    for (const Row& r : rows)
        EXPECT_EQ(CorrectDateFieldOnExit(r.text), r.after) << r.text;
    EXPECT_THROW(CorrectDateFieldOnExit("ab"), ConvertError);
    EXPECT_THROW(CorrectDateFieldOnExit(" "), ConvertError);
}

TEST(ShowInfoTest, GoesToTheInstalledDialogs)
{
    EventLog log;
    ScriptedDialogs dialogs(log);
    Dialogs* previous = SetDialogs(&dialogs);
    ShowInfo("Привет");
    SetDialogs(previous);
    EXPECT_EQ(log, EventLog{"info:Привет"});
    if (previous == nullptr) {
        EXPECT_THROW(CurrentDialogs(), std::logic_error);
    }
}

} // namespace
