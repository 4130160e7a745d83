#pragma once

#include "calc/PersonInput.h"
#include "platform/services/CdDrives.h"
#include "platform/services/Clock.h"
#include "platform/services/Dialogs.h"
#include "platform/services/Power.h"
#include "platform/services/Processes.h"
#include "platform/services/Tray.h"

#include <chrono>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

// One log for everything a test watches happen, in the order it happened:
// "beep", "info:<text>", "message:<text>", "message[<title>]:<text>", "confirm:<text>", "error:<text>", "focus:day" ...
using EventLog = std::vector<std::string>;

// Dialogs that record every call and answer questions from a script (No when it runs out).
class ScriptedDialogs final : public Dialogs {
public:
    explicit ScriptedDialogs(EventLog& log) : log_(log) {}
    void Message(const std::string& text) override { log_.push_back("message:" + text); }
    void TitledMessage(const std::string& title, const std::string& text) override
    {
        log_.push_back("message[" + title + "]:" + text);
    }
    bool Confirm(const std::string& text) override;
    void Information(const std::string& text) override { log_.push_back("info:" + text); }
    void Error(const std::string& text) override { log_.push_back("error:" + text); }
    void Beep() override { log_.push_back("beep"); }

    std::deque<bool> answers;

private:
    EventLog& log_;
};

// Writes down every program it is asked to start: "start:<program>|<argument>|<argument>".
class RecordingProcesses final : public Processes {
public:
    explicit RecordingProcesses(EventLog& log) : log_(log) {}
    void Start(const std::string& program, const std::vector<std::string>& arguments) override;

private:
    EventLog& log_;
};

// Stands in for switching the machine off: "power:off", "power:restart", "power:logoff".
class RecordingPower final : public Power {
public:
    explicit RecordingPower(EventLog& log) : log_(log) {}
    void Perform(PowerAction action) override;

private:
    EventLog& log_;
};

// The drives a test gives it; doors log "cd-open:<device>" and "cd-close:<device>".
class RecordingCdDrives final : public CdDrives {
public:
    explicit RecordingCdDrives(EventLog& log) : log_(log) {}
    std::vector<CdDrive> List() override { return drives; }
    void OpenDoor(const CdDrive& drive) override { log_.push_back("cd-open:" + drive.device); }
    void CloseDoor(const CdDrive& drive) override { log_.push_back("cd-close:" + drive.device); }

    std::vector<CdDrive> drives;

private:
    EventLog& log_;
};

// A tray that keeps its icon in a flag: "tray:show <tip>" when the icon appears, "tray:hide"
// when it goes. Lose() takes it away as a restarted task bar does.
class RecordingTray final : public Tray {
public:
    explicit RecordingTray(EventLog& log) : log_(log) {}
    void Show(const std::string& tip) override;
    void Hide() override;
    bool IsShown() const override { return shown_; }
    void SetClickHandler(std::function<void(Click)> handler) override { handler_ = std::move(handler); }

    void Lose() { shown_ = false; }
    void UserClicks(Tray::Click click) const;

private:
    EventLog& log_;
    bool shown_ = false;
    std::function<void(Tray::Click)> handler_;
};

// The person inputs of the main window, as plain fields.
class FakePersonInputs final : public PersonInputs {
public:
    explicit FakePersonInputs(EventLog& log) : log_(log) {}

    std::string day, year, name;
    int month = -1;
    bool male = false, female = false;
    int height = 100, weight = 20;

    std::string DayText() const override { return day; }
    int MonthIndex() const override { return month; }
    std::string YearText() const override { return year; }
    std::string NameText() const override { return name; }
    bool Male() const override { return male; }
    bool Female() const override { return female; }
    int Height() const override { return height; }
    int Weight() const override { return weight; }
    void FocusDay() override { log_.push_back("focus:day"); }
    void FocusYear() override { log_.push_back("focus:year"); }
    void FocusName() override { log_.push_back("focus:name"); }

private:
    EventLog& log_;
};

// A local date and time for FixedClock.
LocalTime At(int year, unsigned month, unsigned day, int hour = 0, int minute = 0, int second = 0);

// The calendar date a number of days before the day of `now`.
std::chrono::year_month_day DaysBefore(LocalTime now, int days);

// A fresh folder for one test, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
