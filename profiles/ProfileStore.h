#pragma once
// The profile store: named persons kept in users.dat in the program folder, one 22-byte
// ProfileRecord after another in the order they were saved, with nothing before, between or
// after them.
//
// Nothing is cached: every operation reads the file anew and, when it changes anything,
// writes the whole new content to tmp.dat, pushes it to the disk and renames it over
// users.dat in one step. A failure or a crash at any point therefore leaves users.dat with
// either the old or the new set of whole records; when no record is left the file is removed.
// Every failure is reported by exactly one plain message, and the operation says whether it
// succeeded so that the open dialog can close after a failure.

#include "calc/Person.h"
#include "calc/PersonInput.h"
#include "platform/services/Clock.h"
#include "platform/services/Dialogs.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kUsersFileName = "users.dat";
inline constexpr const char* kUsersTempFileName = "tmp.dat";

namespace ProfileText {
inline constexpr const char* kLoadFailed = "Ошибка при загрузке файла";
inline constexpr const char* kFileFailed = "Ошибка при работе с файлом";
inline constexpr const char* kSaveFailed = "Ошибка при сохранении файла";
inline constexpr const char* kOverwrite = "Перезаписать данный профиль?";
} // namespace ProfileText

// A list control that shows profile names; whether it sorts them is its own business.
class ProfileList {
  public:
    virtual ~ProfileList() = default;
    virtual void Clear() = 0;
    virtual void Add(const std::string& name) = 0;
};

// The main window's person inputs as loading a profile sets them.
class PersonInputsWriter {
  public:
    virtual ~PersonInputsWriter() = default;
    // Checking one sex box clears the other.
    virtual void CheckMale() = 0;
    virtual void CheckFemale() = 0;
    virtual void SetNameText(const std::string& name) = 0;
    virtual void SetDayText(const std::string& day) = 0;
    virtual void SetYearText(const std::string& year) = 0;
    virtual void SetHeight(int centimetres) = 0;
    virtual void SetWeight(int kilograms) = 0;
    virtual void SelectMonth(int index) = 0; // 0..11
};

// The records of a users.dat image. A tail shorter than a record makes the file damaged;
// the whole records before it are still given.
struct UsersFileContent {
    std::vector<ProfileRecord> Records;
    bool Damaged = false;
};
UsersFileContent ParseUsersFile(std::string_view bytes);

// A record that the program's own inputs could have produced: a name of at most 12
// characters, a month of the year and a height and weight within the sliders' ranges.
bool IsLoadableRecord(const ProfileRecord& record);

// The name as a profile is known by: exact bytes, letter case included, no trimming; a
// length byte above 12 counts as 12.
bool SameProfileName(const ShortName& stored, const ShortName& wanted);

// users.dat is there (or something in its place that an open would complain about).
bool UsersFileExists();

// Lists every record's name in file order. No users.dat gives an empty list and no message.
bool FillProfileList(ProfileList& list, Dialogs& dialogs = CurrentDialogs());

// Sets the inputs from the first record of that name. No users.dat does nothing; a name that
// is not there, or a record no input could hold, changes no input and shows the load
// failure.
bool LoadProfile(const std::string& name, PersonInputsWriter& inputs, Dialogs& dialogs = CurrentDialogs());

// Removes every record of that name, keeping the others in their order.
bool DeleteProfile(const std::string& name, Dialogs& dialogs = CurrentDialogs());

enum class SaveOutcome {
    Saved,
    Refused,  // the inputs did not pass validation, which showed its own message
    Declined, // the user answered No to the overwrite question
    Failed,   // a file operation failed; the message has been shown
};

// Appends the record; a record whose name is already there is, after the user agreed to
// overwrite it, removed from its place so that the new one ends up last.
SaveOutcome StoreProfile(const ProfileRecord& record, Dialogs& dialogs = CurrentDialogs());

// The main window's Save: validates the inputs, fills the current record from them (so a
// save also changes the current person) and stores it. The inputs stay as they are.
SaveOutcome SaveProfile(PersonInputs& inputs, ProfileRecord& current, Dialogs& dialogs = CurrentDialogs(),
                        const Clock& clock = CurrentClock());

// Every file step of the store goes through this hook first, named like "write tmp.dat".
// Tests install one that makes a step fail (by throwing IoError) or ends the process there.
// Returns the hook replaced; an empty one removes it.
using StoreStepHook = std::function<void(const std::string& step)>;
StoreStepHook SetStoreStepHook(StoreStepHook hook);
