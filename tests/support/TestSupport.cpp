#include "support/TestSupport.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

bool ScriptedDialogs::Confirm(const std::string& text)
{
    log_.push_back("confirm:" + text);
    if (answers.empty())
        return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

void RecordingProcesses::Start(const std::string& program, const std::vector<std::string>& arguments)
{
    std::string line = "start:" + program;
    for (const std::string& argument : arguments)
        line += "|" + argument;
    log_.push_back(line);
}

void RecordingPower::Perform(PowerAction action)
{
    switch (action) {
    case PowerAction::PowerOff:
        log_.push_back("power:off");
        break;
    case PowerAction::Restart:
        log_.push_back("power:restart");
        break;
    case PowerAction::LogOff:
        log_.push_back("power:logoff");
        break;
    }
}

void RecordingTray::Show(const std::string& tip)
{
    if (shown_)
        return;
    shown_ = true;
    log_.push_back("tray:show " + tip);
}

void RecordingTray::Hide()
{
    if (!shown_)
        return;
    shown_ = false;
    log_.push_back("tray:hide");
}

void RecordingTray::UserClicks(Tray::Click click) const
{
    if (handler_)
        handler_(click);
}

LocalTime At(int year, unsigned month, unsigned day, int hour, int minute, int second)
{
    using namespace std::chrono;
    const local_days d{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};
    return LocalTime{d.time_since_epoch() + hours{hour} + minutes{minute} + seconds{second}};
}

std::chrono::year_month_day DaysBefore(LocalTime now, int days)
{
    using namespace std::chrono;
    return year_month_day{floor<std::chrono::days>(now) - std::chrono::days{days}};
}

TempDir::TempDir()
{
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << "ortavi-test-" << rd() << "-" << counter++;
        path_ = std::filesystem::temp_directory_path() / name.str();
        if (std::filesystem::create_directory(path_))
            return;
    }
    throw std::runtime_error("cannot create a test folder");
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}
