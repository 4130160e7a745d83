#include "calc/PersonInput.h"

#include "platform/text/WholeNumber.h"

#include <optional>

namespace {

std::optional<int> DateFieldValue(const std::string& text)
{
    const auto value = TryParseWholeNumber(text);
    if (!value || *value < 0 || *value > 65535)
        return std::nullopt;
    return *value;
}

} // namespace

bool ValidatePersonInput(PersonInputs& inputs, Dialogs& dialogs, const Clock& clock)
{
    using namespace ValidationText;
    using namespace std::chrono;

    const std::string dayText = inputs.DayText();
    const std::string yearText = inputs.YearText();
    const int monthIndex = inputs.MonthIndex();

    if (dayText.empty() || yearText.empty() || monthIndex < 0) {
        dialogs.Beep();
        dialogs.Information(kEnterBirthDate);
        return false;
    }

    const auto day = DateFieldValue(dayText);
    const auto year = DateFieldValue(yearText);
    const int month = monthIndex + 1;
    if (!day || !year || month > 12) {
        dialogs.Beep();
        dialogs.Information(kBadDateFormat);
        inputs.FocusDay();
        return false;
    }

    if (!IsValidDayOfMonth(*year, month, *day)) {
        dialogs.Beep();
        dialogs.Information(kDateMistake);
        inputs.FocusYear();
        return false;
    }

    const LocalTime now = clock.Now();
    const local_days birth{ToCalendarDate(*year, month, *day)};
    if (birth > now) {
        dialogs.Beep();
        dialogs.Information(kDateMistake);
        inputs.FocusYear();
        return false;
    }

    const int currentYear = static_cast<int>(year_month_day{floor<days>(now)}.year());
    if (currentYear - *year > 130) {
        dialogs.Beep();
        dialogs.Information(kTooOld);
        inputs.FocusYear();
        return false;
    }

    if (inputs.NameText().empty()) {
        dialogs.Beep();
        inputs.FocusName();
        dialogs.Information(kEnterName);
        return false;
    }

    if (!inputs.Male() && !inputs.Female()) {
        dialogs.Information(kChooseSex);
        return false;
    }
    return true;
}

void CollectProfile(const PersonInputs& inputs, ProfileRecord& profile)
{
    profile.Clear();
    profile.Day = static_cast<std::uint16_t>(ParseWholeNumber(inputs.DayText()));
    profile.Month = static_cast<std::uint16_t>(inputs.MonthIndex() + 1);
    profile.Year = static_cast<std::uint16_t>(ParseWholeNumber(inputs.YearText()));
    profile.Name.Assign(inputs.NameText());
    profile.Height = static_cast<std::uint8_t>(inputs.Height());
    profile.Weight = static_cast<std::uint8_t>(inputs.Weight());
    if (inputs.Male())
        profile.Sex = 'M';
    if (inputs.Female())
        profile.Sex = 'F';
}

std::string CorrectDateFieldOnExit(const std::string& text)
{
    if (!text.empty() && ParseWholeNumber(text) < 1)
        return "1";
    return text;
}
