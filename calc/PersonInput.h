#pragma once

#include "calc/Person.h"
#include "platform/services/Clock.h"
#include "platform/services/Dialogs.h"

#include <string>

// The main window's person inputs as validation and CollectProfile see them.
class PersonInputs {
public:
    virtual ~PersonInputs() = default;

    virtual std::string DayText() const = 0;
    virtual int MonthIndex() const = 0; // -1 when nothing is selected, else 0..11
    virtual std::string YearText() const = 0;
    virtual std::string NameText() const = 0;
    virtual bool Male() const = 0;
    virtual bool Female() const = 0;
    virtual int Height() const = 0; // 100..220
    virtual int Weight() const = 0; // 20..180

    virtual void FocusDay() = 0;
    virtual void FocusYear() = 0;
    virtual void FocusName() = 0;
};

// The messages of the checks, exactly as the user sees them.
namespace ValidationText {
inline constexpr const char* kEnterBirthDate = "Введите дату рождения";
inline constexpr const char* kBadDateFormat = "Неверный формат даты рождения";
inline constexpr const char* kDateMistake = "Вы, случайно, не ошиблись в дате рождения?";
inline constexpr const char* kTooOld = "Не хилый у вас возраст, но, только вот, я в него не верю";
inline constexpr const char* kEnterName = "Введите ваше имя";
inline constexpr const char* kChooseSex = "Вы хоть с полом определитесь... :)";
} // namespace ValidationText

// Runs the checks in order and stops at the first that fails, after showing its one
// message (with a beep and a focus move where the check has them). A date that passes the
// day check but that the calendar does not have raises ConvertError.
bool ValidatePersonInput(PersonInputs& inputs, Dialogs& dialogs = CurrentDialogs(),
                         const Clock& clock = CurrentClock());

// Clears the record and fills every field from inputs that passed validation.
void CollectProfile(const PersonInputs& inputs, ProfileRecord& profile);

// What the day or year field holds after it loses the focus: "1" for a value below 1, the
// text unchanged otherwise. A non-empty text that does not convert raises ConvertError.
std::string CorrectDateFieldOnExit(const std::string& text);
