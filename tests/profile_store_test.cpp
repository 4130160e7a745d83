#include "profiles/ProfileStore.h"

#include "platform/Errors.h"
#include "platform/services/Paths.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

const std::string kOverwriteQuestion = std::string("confirm:") + ProfileText::kOverwrite;

ProfileRecord Person(const char* name, char sex = 'F', int year = 1990, int month = 3, int day = 5,
                     int height = 165, int weight = 55)
{
    ProfileRecord r;
    r.Year = static_cast<std::uint16_t>(year);
    r.Month = static_cast<std::uint16_t>(month);
    r.Day = static_cast<std::uint16_t>(day);
    r.Height = static_cast<std::uint8_t>(height);
    r.Weight = static_cast<std::uint8_t>(weight);
    r.Sex = sex;
    r.Name.Assign(name);
    return r;
}

std::string Bytes(const std::vector<ProfileRecord>& records)
{
    std::string out;
    for (const ProfileRecord& r : records) {
        const ProfileRecord::Bytes b = r.ToBytes();
        out.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    return out;
}

std::optional<std::string> FileBytes(const fs::path& path)
{
    if (!fs::exists(path))
        return std::nullopt;
    return ReadBytes(path);
}

class NameList final : public ProfileList {
  public:
    void Clear() override { names.clear(); }
    void Add(const std::string& name) override { names.push_back(name); }
    std::vector<std::string> names{"stale"};
};

// Writes down every input that loading sets, in order.
class RecordingInputs final : public PersonInputsWriter {
  public:
    explicit RecordingInputs(EventLog& log) : log_(log) {}
    void CheckMale() override { log_.push_back("male"); }
    void CheckFemale() override { log_.push_back("female"); }
    void SetNameText(const std::string& name) override { log_.push_back("name:" + name); }
    void SetDayText(const std::string& day) override { log_.push_back("day:" + day); }
    void SetYearText(const std::string& year) override { log_.push_back("year:" + year); }
    void SetHeight(int cm) override { log_.push_back("height:" + std::to_string(cm)); }
    void SetWeight(int kg) override { log_.push_back("weight:" + std::to_string(kg)); }
    void SelectMonth(int index) override { log_.push_back("month:" + std::to_string(index)); }

  private:
    EventLog& log_;
};

class ProfileStoreTest : public ::testing::Test {
  protected:
    ProfileStoreTest()
    {
        previousPaths_ = SetPaths(&paths_);
        previousDialogs_ = SetDialogs(&dialogs);
    }
    ~ProfileStoreTest() override
    {
        SetStoreStepHook({});
        SetDialogs(previousDialogs_);
        SetPaths(previousPaths_);
    }

    fs::path Users() const { return folder / "users.dat"; }
    fs::path Temp() const { return folder / "tmp.dat"; }
    void Given(const std::vector<ProfileRecord>& records) { WriteBytes(Users(), Bytes(records)); }

    std::vector<std::string> Listed()
    {
        NameList list;
        FillProfileList(list, dialogs);
        return list.names;
    }

    EventLog log;
    ScriptedDialogs dialogs{log};
    TempDir folder;
    FixedClock clock{At(2026, 12, 11, 12)};
    RecordingInputs inputs{log};

  private:
    FixedPaths paths_{folder.Path().string(), folder.Path().string()};
    Paths* previousPaths_ = nullptr;
    Dialogs* previousDialogs_ = nullptr;
};

TEST_F(ProfileStoreTest, SavesAppendWholeRecordsInSaveOrder)
{
    FakePersonInputs anya(log);
    anya.name = "Аня";
    anya.day = "5";
    anya.month = 2;
    anya.year = "1990";
    anya.female = true;
    anya.height = 165;
    anya.weight = 55;
    ProfileRecord current;
    ASSERT_EQ(SaveProfile(anya, current, dialogs, clock), SaveOutcome::Saved);
    const std::string first("\xC6\x07\x03\x00\x05\x00\xA5\x37\x46\x03\xC0\xED\xFF\0\0\0\0\0\0\0\0\0", 22);
    EXPECT_EQ(ReadBytes(Users()), first);
    EXPECT_EQ(current, Person("Аня")) << "a save also makes the saved person the current one";

    ASSERT_EQ(StoreProfile(Person("Иван", 'M'), dialogs), SaveOutcome::Saved);
    const std::string both = ReadBytes(Users());
    ASSERT_EQ(both.size(), 44u);
    EXPECT_EQ(both.substr(0, 22), first);
    EXPECT_EQ(both.substr(22), Bytes({Person("Иван", 'M')}));
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(fs::exists(Temp()));
}

TEST_F(ProfileStoreTest, AnExistingNameIsOverwrittenOnlyAfterYesAndThenComesLast)
{
    Given({Person("Анна"), Person("Борис", 'M'), Person("Вера")});
    const std::string before = ReadBytes(Users());
    const ProfileRecord changed = Person("Борис", 'M', 1980, 7, 1, 190, 90);

    EXPECT_EQ(StoreProfile(changed, dialogs), SaveOutcome::Declined);
    EXPECT_EQ(ReadBytes(Users()), before);
    EXPECT_EQ(log, EventLog{kOverwriteQuestion});

    log.clear();
    dialogs.answers = {true};
    EXPECT_EQ(StoreProfile(changed, dialogs), SaveOutcome::Saved);
    EXPECT_EQ(ReadBytes(Users()), Bytes({Person("Анна"), Person("Вера"), changed}));
    EXPECT_EQ(log, EventLog{kOverwriteQuestion});
}

TEST_F(ProfileStoreTest, NamesThatDifferOnlyInLetterCaseAreTwoProfiles)
{
    ASSERT_EQ(StoreProfile(Person("Анна"), dialogs), SaveOutcome::Saved);
    ASSERT_EQ(StoreProfile(Person("анна"), dialogs), SaveOutcome::Saved);
    EXPECT_EQ(ReadBytes(Users()), Bytes({Person("Анна"), Person("анна")}));
    EXPECT_TRUE(log.empty()) << "no overwrite question";
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Анна", "анна"}));
}

TEST_F(ProfileStoreTest, ALongNameIsStoredAndMatchedAsItsFirstTwelveCharacters)
{
    FakePersonInputs typed(log);
    typed.name = "Константинопол";
    typed.day = "1";
    typed.month = 0;
    typed.year = "2000";
    typed.male = true;
    ProfileRecord current;
    ASSERT_EQ(SaveProfile(typed, current, dialogs, clock), SaveOutcome::Saved);
    const std::string stored = ReadBytes(Users());
    EXPECT_EQ(static_cast<unsigned char>(stored[9]), 12);
    EXPECT_EQ(Listed(), std::vector<std::string>{"Константиноп"});

    EXPECT_EQ(SaveProfile(typed, current, dialogs, clock), SaveOutcome::Declined);
    EXPECT_EQ(log, EventLog{kOverwriteQuestion});

    log.clear();
    EXPECT_TRUE(LoadProfile("Константинопол", inputs, dialogs));
    EXPECT_EQ(log.front(), "male");
    EXPECT_EQ(log.at(1), "name:Константиноп");
}

TEST_F(ProfileStoreTest, InputsThatFailValidationWriteNothing)
{
    FakePersonInputs empty(log);
    ProfileRecord current = Person("Прежний");
    EXPECT_EQ(SaveProfile(empty, current, dialogs, clock), SaveOutcome::Refused);
    EXPECT_FALSE(fs::exists(Users()));
    EXPECT_EQ(current, Person("Прежний"));
    EXPECT_EQ(log, (EventLog{"beep", std::string("info:") + ValidationText::kEnterBirthDate}));
}

TEST_F(ProfileStoreTest, DeletingKeepsTheOtherRecordsInTheirOrder)
{
    Given({Person("Анна"), Person("Борис", 'M'), Person("Вера")});
    EXPECT_TRUE(DeleteProfile("Борис", dialogs));
    EXPECT_EQ(ReadBytes(Users()), Bytes({Person("Анна"), Person("Вера")}));

    EXPECT_TRUE(DeleteProfile("Никого", dialogs));
    EXPECT_EQ(ReadBytes(Users()), Bytes({Person("Анна"), Person("Вера")}));
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(fs::exists(Temp()));
}

TEST_F(ProfileStoreTest, EveryRecordOfADuplicatedNameIsListedLoadsTheFirstAndIsDeletedWhole)
{
    Given({Person("Анна", 'F', 1990), Person("Борис", 'M'), Person("Анна", 'F', 1970)});
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Анна", "Борис", "Анна"}));
    EXPECT_TRUE(LoadProfile("Анна", inputs, dialogs));
    EXPECT_EQ(log.at(3), "year:1990");
    EXPECT_TRUE(DeleteProfile("Анна", dialogs));
    EXPECT_EQ(ReadBytes(Users()), Bytes({Person("Борис", 'M')}));
}

TEST_F(ProfileStoreTest, DeletingTheLastProfileLeavesNeitherFile)
{
    Given({Person("Анна")});
    EXPECT_TRUE(DeleteProfile("Анна", dialogs));
    EXPECT_FALSE(fs::exists(Users()));
    EXPECT_FALSE(fs::exists(Temp()));
    EXPECT_EQ(Listed(), std::vector<std::string>{});
    EXPECT_TRUE(log.empty());

    // With no file there is nothing to delete from: the file error.
    EXPECT_FALSE(DeleteProfile("Анна", dialogs));
    EXPECT_EQ(log, EventLog{std::string("message:") + ProfileText::kFileFailed});
    EXPECT_FALSE(fs::exists(Users()));
}

TEST_F(ProfileStoreTest, LoadingSetsTheInputsInTheirOrder)
{
    struct Row {
        const char* name;
        ProfileRecord record;
        EventLog expected;
    };
    const Row rows[] = {
        {"male, January",
         Person("Иван", 'M', 1975, 1, 9, 180, 80),
         {"male", "name:Иван", "day:9", "year:1975", "height:180", "weight:80", "month:0", "name:Иван"}},
        {"female, December",
         Person("Аня", 'F', 2001, 12, 31, 100, 20),
         {"female", "name:Аня", "day:31", "year:2001", "height:100", "weight:20", "month:11", "name:Аня"}},
        {"no sex touches neither box",
         Person("Никто", 0, 1990, 6, 15),
         {"name:Никто", "day:15", "year:1990", "height:165", "weight:55", "month:5", "name:Никто"}},
        {"an unknown sex touches neither box",
         Person("Икс", 'X', 1990, 6, 15),
         {"name:Икс", "day:15", "year:1990", "height:165", "weight:55", "month:5", "name:Икс"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Given({Person("Другой"), row.record});
        log.clear();
        EXPECT_TRUE(LoadProfile(row.record.Name.Text(), inputs, dialogs));
        EXPECT_EQ(log, row.expected);
    }
}

TEST_F(ProfileStoreTest, ANameThatIsNotThereChangesNoInput)
{
    EXPECT_TRUE(LoadProfile("Анна", inputs, dialogs));
    EXPECT_TRUE(log.empty()) << "no users.dat: nothing happens, no message";

    Given({Person("Анна")});
    EXPECT_FALSE(LoadProfile("Борис", inputs, dialogs));
    EXPECT_FALSE(LoadProfile("анна", inputs, dialogs));
    EXPECT_FALSE(LoadProfile("", inputs, dialogs));
    const std::string failed = std::string("message:") + ProfileText::kLoadFailed;
    EXPECT_EQ(log, (EventLog{failed, failed, failed}));
}

TEST_F(ProfileStoreTest, FilesStayInTheProgramFolderWhateverTheCurrentFolder)
{
    TempDir elsewhere;
    const fs::path before = fs::current_path();
    fs::current_path(elsewhere.Path());
    struct Back {
        fs::path to;
        ~Back() { fs::current_path(to); }
    } back{before};

    dialogs.answers = {true};
    EXPECT_EQ(StoreProfile(Person("Анна"), dialogs), SaveOutcome::Saved);
    EXPECT_EQ(StoreProfile(Person("Борис"), dialogs), SaveOutcome::Saved);
    EXPECT_EQ(StoreProfile(Person("Анна", 'F', 1999), dialogs), SaveOutcome::Saved);
    EXPECT_TRUE(DeleteProfile("Борис", dialogs));
    EXPECT_EQ(ReadBytes(Users()), Bytes({Person("Анна", 'F', 1999)}));
    EXPECT_TRUE(fs::is_empty(elsewhere.Path()));
    EXPECT_TRUE(DeleteProfile("Анна", dialogs));
    EXPECT_TRUE(fs::is_empty(elsewhere.Path()));
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

TEST_F(ProfileStoreTest, DamagedFilesAreReportedAndNeverRewritten)
{
    const std::string load = std::string("message:") + ProfileText::kLoadFailed;
    const std::string save = std::string("message:") + ProfileText::kSaveFailed;
    const std::string file = std::string("message:") + ProfileText::kFileFailed;

    // A tail shorter than a record: the whole records still list (and load); every change is
    // refused so that nothing after the tail is lost.
    const std::string tailed =
        Bytes({Person("Анна"), Person("Борис", 'M')}) + std::string("\x01\x02\x03\x04\x05", 5);
    WriteBytes(Users(), tailed);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Анна", "Борис"}));
    EXPECT_EQ(log, EventLog{load});
    log.clear();
    EXPECT_TRUE(LoadProfile("Борис", inputs, dialogs));
    EXPECT_EQ(log.front(), "male");
    log.clear();
    EXPECT_FALSE(LoadProfile("Вера", inputs, dialogs));
    EXPECT_EQ(StoreProfile(Person("Вера"), dialogs), SaveOutcome::Failed);
    EXPECT_FALSE(DeleteProfile("Анна", dialogs));
    EXPECT_EQ(log, (EventLog{load, save, file}));
    EXPECT_EQ(ReadBytes(Users()), tailed);
    EXPECT_FALSE(fs::exists(Temp()));
}

TEST_F(ProfileStoreTest, ARecordNoInputCouldHoldIsListedButNotLoaded)
{
    struct Row {
        const char* name;
        std::size_t offset;
        unsigned char value;
    };
    const Row rows[] = {
        {"name length above 12", 9, 200}, {"month 0", 2, 0},    {"month 13", 2, 13},    {"height 99", 6, 99},
        {"height 221", 6, 221},           {"weight 19", 7, 19}, {"weight 181", 7, 181},
    };
    ProfileRecord damaged = Person("Поломанный12", 'M');
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string bytes = Bytes({Person("Анна"), damaged});
        bytes[22 + row.offset] = static_cast<char>(row.value);
        WriteBytes(Users(), bytes);
        log.clear();
        EXPECT_EQ(Listed(), (std::vector<std::string>{"Анна", "Поломанный12"}));
        EXPECT_FALSE(LoadProfile("Поломанный12", inputs, dialogs));
        EXPECT_EQ(log, EventLog{std::string("message:") + ProfileText::kLoadFailed}) << "and no input set";
        EXPECT_TRUE(DeleteProfile("Поломанный12", dialogs)) << "but it can be cleared away";
        EXPECT_EQ(ReadBytes(Users()), Bytes({Person("Анна")}));
    }
}

TEST_F(ProfileStoreTest, NewContentIsOnTheDiskBeforeItTakesTheOldOnesPlace)
{
    Given({Person("Анна")});
    std::vector<std::string> steps;
    SetStoreStepHook([&](const std::string& step) { steps.push_back(step); });
    ASSERT_EQ(StoreProfile(Person("Борис"), dialogs), SaveOutcome::Saved);
    EXPECT_EQ(steps, (std::vector<std::string>{"open users.dat", "read users.dat", "close users.dat",
                                               "create tmp.dat", "write tmp.dat", "sync tmp.dat",
                                               "close tmp.dat", "rename tmp.dat"}));
    steps.clear();
    ASSERT_TRUE(DeleteProfile("Анна", dialogs));
    ASSERT_TRUE(DeleteProfile("Борис", dialogs));
    EXPECT_EQ(steps.back(), "remove users.dat") << "the last record goes with the file, not through tmp.dat";
}

// Save and delete from a known starting set, and the set they should end with.
struct Change {
    const char* name;
    std::vector<ProfileRecord> before; // empty: no users.dat
    std::function<bool(Dialogs&)> run;
    std::vector<ProfileRecord> after; // empty: no users.dat
    const char* failure;
};

std::vector<Change> Changes()
{
    const ProfileRecord anna = Person("Анна"), boris = Person("Борис", 'M'), vera = Person("Вера");
    const ProfileRecord boris2 = Person("Борис", 'M', 1980, 7, 1, 190, 90);
    auto save = [](ProfileRecord r) {
        return [r](Dialogs& d) { return StoreProfile(r, d) == SaveOutcome::Saved; };
    };
    auto remove = [](const char* name) { return [name](Dialogs& d) { return DeleteProfile(name, d); }; };
    return {
        {"first save", {}, save(anna), {anna}, ProfileText::kSaveFailed},
        {"append", {anna, boris}, save(vera), {anna, boris, vera}, ProfileText::kSaveFailed},
        {"overwrite", {anna, boris, vera}, save(boris2), {anna, vera, boris2}, ProfileText::kSaveFailed},
        {"delete the middle", {anna, boris, vera}, remove("Борис"), {anna, vera}, ProfileText::kFileFailed},
        {"delete the last", {boris}, remove("Борис"), {}, ProfileText::kFileFailed},
    };
}

class ProfileStoreFaultTest : public ProfileStoreTest {
  protected:
    void Start(const Change& change)
    {
        fs::remove(Users());
        fs::remove(Temp());
        if (!change.before.empty())
            Given(change.before);
        log.clear();
        dialogs.answers = {true};
    }

    // users.dat holds exactly the old or exactly the new set of records.
    void ExpectOldOrNew(const Change& change)
    {
        const std::optional<std::string> now = FileBytes(Users());
        const auto image = [](const std::vector<ProfileRecord>& records) {
            return records.empty() ? std::nullopt : std::optional<std::string>(Bytes(records));
        };
        EXPECT_TRUE(now == image(change.before) || now == image(change.after))
            << (now ? std::to_string(now->size()) + " bytes" : "no users.dat");
    }

    std::size_t CountSteps(const Change& change)
    {
        Start(change);
        std::size_t count = 0;
        SetStoreStepHook([&](const std::string&) { ++count; });
        EXPECT_TRUE(change.run(dialogs));
        SetStoreStepHook({});
        EXPECT_EQ(FileBytes(Users()),
                  change.after.empty() ? std::nullopt : std::optional(Bytes(change.after)));
        return count;
    }
};

TEST_F(ProfileStoreFaultTest, AFailureAtAnyStepKeepsAWholeSetAndShowsOneMessage)
{
    for (const Change& change : Changes()) {
        const std::size_t steps = CountSteps(change);
        ASSERT_GT(steps, 0u);
        for (std::size_t failing = 0; failing < steps; ++failing) {
            SCOPED_TRACE(std::string(change.name) + ", step " + std::to_string(failing));
            Start(change);
            std::size_t step = 0;
            SetStoreStepHook([&](const std::string& name) {
                if (step++ == failing)
                    throw IoError(5, "injected failure at " + name);
            });
            EXPECT_FALSE(change.run(dialogs));
            SetStoreStepHook({});
            ExpectOldOrNew(change);
            EventLog messages;
            for (const std::string& entry : log)
                if (entry.rfind("message:", 0) == 0)
                    messages.push_back(entry);
            EXPECT_EQ(messages, EventLog{std::string("message:") + change.failure});
            EXPECT_FALSE(fs::exists(Temp())) << "a failed write cleans up after itself";
        }
    }
}

#ifndef _WIN32
TEST_F(ProfileStoreFaultTest, AProgramKilledAtAnyStepLeavesAWholeSet)
{
    for (const Change& change : Changes()) {
        const std::size_t steps = CountSteps(change);
        for (std::size_t killed = 0; killed <= steps; ++killed) {
            SCOPED_TRACE(std::string(change.name) + ", killed before step " + std::to_string(killed));
            Start(change);
            const pid_t child = ::fork();
            ASSERT_NE(child, -1);
            if (child == 0) {
                std::size_t step = 0;
                SetStoreStepHook([&](const std::string&) {
                    if (step++ == killed)
                        ::_exit(0);
                });
                change.run(dialogs);
                ::_exit(0);
            }
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFEXITED(status));
            ExpectOldOrNew(change);
            // Whatever tmp.dat the dead program left behind does not stand in the way.
            EXPECT_EQ(StoreProfile(Person("Жанна"), dialogs), SaveOutcome::Saved);
            EXPECT_EQ(Listed().back(), "Жанна");
            EXPECT_FALSE(fs::exists(Temp()));
        }
    }
}
#endif

} // namespace
