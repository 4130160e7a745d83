#include "profiles/Settings.h"

#include "platform/Errors.h"
#include "platform/services/Paths.h"
#include "profiles/ProfileStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// The main window's components as a log of what was set, in order.
class RecordingTarget final : public SettingsTarget {
  public:
    explicit RecordingTarget(EventLog& log) : log_(log) {}
    void SetBalloonHints(bool on) override { Put("hints", on); }
    void SetTopmost(bool on) override { Put("topmost", on); }
    void SetMagnetActive(bool on) override { Put("magnet", on); }
    void SetMagnetDragable(bool on) override { Put("dragable", on); }
    void SetMagnetGlue(bool on) override { Put("glue", on); }
    void SetRollingSpeed(int speed) override { log_.push_back("roll:" + std::to_string(speed)); }
    void SetAnimateOnShow(bool on) override { Put("onshow", on); }
    void SetAnimateOnHide(bool on) override { Put("onhide", on); }
    void SetAnimationDelay(int ms) override { log_.push_back("delay:" + std::to_string(ms)); }
    void SetTrayIconWanted(bool on) override { Put("tray", on); }
    void SetAnimationKind(AnimationKind kind) override
    {
        log_.push_back(std::string("kind:") + AnimationKindName(kind));
    }
    PersonInputsWriter& Inputs() override { return inputs_; }
    void ShowTipOfTheDay() override { log_.push_back("tip"); }

  private:
    class LoggedInputs final : public PersonInputsWriter {
      public:
        explicit LoggedInputs(EventLog& log) : log_(log) {}
        void CheckMale() override { log_.push_back("input:male"); }
        void CheckFemale() override { log_.push_back("input:female"); }
        void SetNameText(const std::string& name) override { log_.push_back("input:name " + name); }
        void SetDayText(const std::string&) override {}
        void SetYearText(const std::string&) override {}
        void SetHeight(int) override {}
        void SetWeight(int) override {}
        void SelectMonth(int) override {}

      private:
        EventLog& log_;
    };

    void Put(const char* what, bool on) { log_.push_back(std::string(what) + (on ? ":on" : ":off")); }
    EventLog& log_;
    LoggedInputs inputs_{log_};
};

const EventLog kPlainDefaults = {"hints:off", "topmost:off", "magnet:off", "dragable:off", "glue:off",
                                 "roll:0",    "onshow:off",  "onhide:off", "delay:0",      "tray:off"};

class SettingsTest : public ::testing::Test {
  protected:
    SettingsTest()
    {
        previousPaths_ = SetPaths(&paths_);
        previousDialogs_ = SetDialogs(&dialogs);
    }
    ~SettingsTest() override
    {
        SetDialogs(previousDialogs_);
        SetPaths(previousPaths_);
    }

    fs::path Ini() const { return folder / "settings.ini"; }
    void GivenIni(const std::string& text) { WriteBytes(Ini(), text); }
    EventLog Applied()
    {
        log.clear();
        RecordingTarget target(log);
        ApplySettingsTo(target, dialogs);
        return log;
    }

    EventLog log;
    ScriptedDialogs dialogs{log};
    TempDir folder;

  private:
    FixedPaths paths_{folder.Path().string(), folder.Path().string()};
    Paths* previousPaths_ = nullptr;
    Dialogs* previousDialogs_ = nullptr;
};

TEST_F(SettingsTest, NoFileAGarbageFileOrAnotherSectionGivePlainDefaults)
{
    EXPECT_EQ(Applied(), kPlainDefaults);
    const std::string files[] = {
        "",
        std::string("\0\xFF\x1A[Options\r\nGoodHints=True\n\x80\x81", 30),
        "[Other]\r\nGoodHints=True\r\nRollingSpeed=5\r\nAutoProfile=True\r\nShowTip=True\r\n",
        "GoodHints=True\r\nShowTip=True\r\n",
        "[Options]\r\nGoodHints\r\n=True\r\nRollingSpeed==5\r\n",
    };
    for (const std::string& text : files) {
        SCOPED_TRACE(text);
        GivenIni(text);
        EXPECT_EQ(Applied(), kPlainDefaults);
    }
}

TEST_F(SettingsTest, EveryKeyIsAppliedInTheFilesOrder)
{
    WriteBytes(folder / "users.dat", [] {
        ProfileRecord r;
        r.Year = 1990, r.Month = 3, r.Day = 5, r.Height = 165, r.Weight = 55, r.Sex = 'F';
        r.Name.Assign("Анна");
        const auto b = r.ToBytes();
        return std::string(reinterpret_cast<const char*>(b.data()), b.size());
    }());
    GivenIni(
        "[Options]\r\nShowTip=True\r\nProfile=\xC0\xED\xED\xE0\r\n"
        "AutoProfile=true\r\nAnimationEffectType=etVortex\r\n"
        "Icon=TRUE\r\nAnimationDelay=150\r\nCloseAnimation=True\r\nOpenAnimation=True\r\nRollingSpeed=7\r\n"
        "MagnetForm=True\r\nTopMost=True\r\nGoodHints=True\r\n");
    EXPECT_EQ(Applied(), (EventLog{"hints:on", "topmost:on", "magnet:on", "dragable:on", "glue:on", "roll:7",
                                   "onshow:on", "onhide:on", "delay:150", "tray:on", "kind:etVortex",
                                   "input:female", "input:name Анна", "input:name Анна", "tip"}));
}

TEST_F(SettingsTest, FlagsNumbersAndKindsReadAsTheirRulesSay)
{
    struct Row {
        const char* line;
        const char* expected; // the entry that differs from the plain defaults, or "" for none
    };
    const Row rows[] = {
        {"GoodHints=true", "hints:on"},
        {"GoodHints=tRuE", "hints:on"},
        {"GoodHints= TRUE ", "hints:on"},
        {"GoodHints=1", ""},
        {"GoodHints=yes", ""},
        {"GoodHints=", ""},
        {"GoodHints=TRUE!", ""},
        {"RollingSpeed=abc", ""},
        {"RollingSpeed=10", "roll:10"},
        {"RollingSpeed=$A", "roll:10"},
        {"RollingSpeed=11", "roll:10"},
        {"RollingSpeed=-3", ""},
        {"RollingSpeed=99999999999", ""},
        {"AnimationDelay=65535", "delay:65535"},
        {"AnimationDelay=2147483647", "delay:65535"},
        {"AnimationDelay=-2147483648", ""},
        {"AnimationEffectType=etSpin", "kind:etSpin"},
        {"AnimationEffectType=etspin", ""},
        {"AnimationEffectType=etFireworks", "kind:etFireworks"},
        {"AnimationEffectType=etRandom", "kind:etRandom"},
        {"AnimationEffectType=Spin", ""},
        {"ShowTip=True", "tip"},
        {"Icon=True", "tray:on"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        GivenIni(std::string("[Options]\r\n") + row.line + "\r\n");
        EventLog expected = kPlainDefaults;
        const std::string entry = row.expected;
        if (!entry.empty()) {
            const std::string key = entry.substr(0, entry.find(':'));
            auto same = std::find_if(expected.begin(), expected.end(),
                                     [&](const std::string& e) { return e.rfind(key + ":", 0) == 0; });
            if (same != expected.end())
                *same = entry;
            else
                expected.push_back(entry);
        }
        EXPECT_EQ(Applied(), expected);
    }
}

TEST_F(SettingsTest, AnAutomaticProfileThatCannotBeLoadedStillLetsTheRestRun)
{
    GivenIni("[Options]\r\nAutoProfile=True\r\nProfile=\xC0\xED\xED\xE0\r\nShowTip=True\r\n");
    EventLog expected = kPlainDefaults;
    expected.push_back("tip");
    EXPECT_EQ(Applied(), expected) << "no users.dat: nothing loaded, no message";

    WriteBytes(folder / "users.dat", std::string(22, '\0'));
    expected = kPlainDefaults;
    expected.push_back(std::string("message:") + ProfileText::kLoadFailed);
    expected.push_back("tip");
    EXPECT_EQ(Applied(), expected);
}

TEST_F(SettingsTest, TheOptionsWindowsValuesAreWrittenInOrderAndReadBack)
{
    OptionsSettings s;
    s.GoodHints = true;
    s.MagnetForm = true;
    s.RollingSpeed = "8";
    s.OpenAnimation = true;
    s.Icon = true;
    s.AnimationDelay = "100";
    s.Kind = AnimationKind::ScatterGather;
    s.AutoProfile = true;
    s.Profile = "Анна";
    WriteOptionsSettings(s);
    EXPECT_EQ(ReadBytes(Ini()),
              "[Options]\r\nGoodHints=True\r\nTopMost=False\r\nMagnetForm=True\r\n"
              "RollingSpeed=8\r\nOpenAnimation=True\r\nCloseAnimation=False\r\n"
              "ShowTip=False\r\nIcon=True\r\nAnimationDelay=100\r\n"
              "AnimationEffectType=etScatterGather\r\nAutoProfile=True\r\nProfile=\xC0\xED\xED\xE0\r\n");
    const OptionsSettings back = ReadOptionsSettings();
    EXPECT_TRUE(back.GoodHints && !back.TopMost && back.MagnetForm && back.OpenAnimation &&
                !back.CloseAnimation && !back.ShowTip && back.Icon && back.AutoProfile);
    EXPECT_EQ(back.RollingSpeed, "8");
    EXPECT_EQ(back.AnimationDelay, "100");
    EXPECT_EQ(back.Kind, AnimationKind::ScatterGather);
    EXPECT_EQ(back.Profile, "Анна");
}

TEST_F(SettingsTest, NoKindAndNoAutomaticProfileKeepWhatIsStored)
{
    GivenIni("[Options]\r\nAnimationEffectType=etSpike\r\nAutoProfile=True\r\nProfile=\xC0\xED\xED\xE0\r\n");
    OptionsSettings s;
    s.AutoProfile = false;
    s.Profile = "Борис";
    WriteOptionsSettings(s);
    OptionsSettings back = ReadOptionsSettings();
    EXPECT_EQ(back.Kind, AnimationKind::Spike);
    EXPECT_FALSE(back.AutoProfile);
    EXPECT_EQ(back.Profile, "Анна");

    // Checked, but no name chosen in the list: the stored name stays.
    s.AutoProfile = true;
    s.Profile.reset();
    WriteOptionsSettings(s);
    back = ReadOptionsSettings();
    EXPECT_TRUE(back.AutoProfile);
    EXPECT_EQ(back.Profile, "Анна");
}

TEST_F(SettingsTest, AFileThatCannotBeWrittenStopsAtTheFirstKeyWithItsPath)
{
    // The ini file's own temporary copy cannot be made when a folder stands in its place.
    fs::create_directory(folder / "settings.ini.tmp");
    const std::string path = (folder / "settings.ini").string();
    try {
        WriteOptionsSettings(OptionsSettings{});
        FAIL() << "the write went through";
    } catch (const IoError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    }
    EXPECT_FALSE(fs::exists(Ini()));
}

TEST(OptionsFieldsTest, NumberFieldsAreKeptWithinTheirRanges)
{
    struct Row {
        const char* text;
        const char* delay;
        const char* speed;
    };
    const Row rows[] = {
        {"250", "200", "10"}, {"5", "10", "5"},     {"15", "15", "10"},   {"0", "10", "1"},
        {"-7", "10", "1"},    {"100", "100", "10"}, {"$C8", "$C8", "10"}, {" 8", "10", " 8"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(DelayFieldOnExit(row.text), row.delay);
        EXPECT_EQ(RollingSpeedFieldOnExit(row.text), row.speed);
    }
    for (const char* bad : {"", "ab", "1.5", "8 "}) {
        SCOPED_TRACE(bad);
        const std::string expected = std::string("'") + bad + "' is not a valid integer value";
        try {
            DelayFieldOnExit(bad);
            ADD_FAILURE() << "accepted";
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()), expected);
        }
        EXPECT_THROW(RollingSpeedFieldOnExit(bad), ConvertError);
    }
}

TEST(AnimationKindTest, NamesMatchExactlyAndRoundTrip)
{
    for (int i = 0; i < 6; ++i) {
        const auto kind = static_cast<AnimationKind>(i);
        EXPECT_EQ(AnimationKindFromName(AnimationKindName(kind)), kind);
    }
    EXPECT_EQ(AnimationKindFromName("etSpin"), AnimationKind::Spin);
    EXPECT_EQ(AnimationKindFromName("ETSPIN"), std::nullopt);
    EXPECT_EQ(AnimationKindFromName("etSpin "), std::nullopt);
    EXPECT_EQ(AnimationKindFromName(""), std::nullopt);
}

} // namespace
