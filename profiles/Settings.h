#pragma once
// settings.ini: the user's preferences, section "Options" of an ini file in the program
// folder. The file is the state: ApplySettingsTo reads it and pushes it onto the main
// window, the options window reads it into its controls and writes them back, each key the
// moment it is reached.

#include "platform/services/Dialogs.h"

#include <optional>
#include <string>
#include <string_view>

class PersonInputsWriter;

inline constexpr const char* kSettingsFileName = "settings.ini";
inline constexpr const char* kSettingsSection = "Options";

// The show and hide animation's kinds, in the order of their values.
enum class AnimationKind { Random, Spin, Vortex, ScatterGather, Spike, Fireworks };

// "etRandom", "etSpin" ... as the file holds them.
const char* AnimationKindName(AnimationKind kind);
// Matched exactly, letter case included; anything else is no kind at all.
std::optional<AnimationKind> AnimationKindFromName(std::string_view name);

// What ApplySettingsTo sets: the main window's components.
class SettingsTarget {
  public:
    virtual ~SettingsTarget() = default;
    virtual void SetBalloonHints(bool on) = 0;
    virtual void SetTopmost(bool on) = 0;
    virtual void SetMagnetActive(bool on) = 0;
    virtual void SetMagnetDragable(bool on) = 0;
    virtual void SetMagnetGlue(bool on) = 0;
    virtual void SetRollingSpeed(int speed) = 0; // 0..10
    virtual void SetAnimateOnShow(bool on) = 0;
    virtual void SetAnimateOnHide(bool on) = 0;
    virtual void SetAnimationDelay(int ms) = 0; // 0..65535
    virtual void SetTrayIconWanted(bool on) = 0;
    virtual void SetAnimationKind(AnimationKind kind) = 0;
    // Where the automatic profile goes.
    virtual PersonInputsWriter& Inputs() = 0;
    // The phrase of the day, shown modally; returns when it has closed.
    virtual void ShowTipOfTheDay() = 0;
};

inline constexpr int kMaxRollingSpeed = 10;
inline constexpr int kMaxAnimationDelay = 65535;

// Reads settings.ini and sets the target in the file's key order. No file, an empty file or a
// missing key leave plain defaults (false, 0); a number that is not a whole number reads as 0,
// one outside its component's range is brought to its nearest end; an unknown animation kind
// leaves the kind as it is. With "AutoProfile" true the profile named by "Profile" is loaded,
// whose failure shows its message and the rest still runs.
void ApplySettingsTo(SettingsTarget& target, Dialogs& dialogs = CurrentDialogs());

// The options window's view of the file: flags as IsTrueText reads them, the two numbers as
// the texts they are stored as (empty when missing).
struct OptionsSettings {
    bool GoodHints = false;
    bool TopMost = false;
    bool MagnetForm = false;
    std::string RollingSpeed;
    bool OpenAnimation = false;
    bool CloseAnimation = false;
    bool ShowTip = false;
    bool Icon = false;
    std::string AnimationDelay;
    std::optional<AnimationKind> Kind; // none: the stored kind stays
    bool AutoProfile = false;
    std::optional<std::string> Profile; // none: the stored name stays
};

OptionsSettings ReadOptionsSettings();

// Writes the keys in the options window's order, each at once. The first key that cannot be
// written stops it with IoError("Unable to write to <settings.ini's full path>"): the keys
// before it are written, the later ones are not.
void WriteOptionsSettings(const OptionsSettings& settings);

// The options window's number fields as they are kept when the focus leaves them: the
// animation delay within 10..200, the rolling speed within 1..10. A text that is not a whole
// number raises ConvertError("'<text>' is not a valid integer value").
std::string DelayFieldOnExit(const std::string& text);
std::string RollingSpeedFieldOnExit(const std::string& text);
