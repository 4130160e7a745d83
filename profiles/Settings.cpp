#include "profiles/Settings.h"

#include "data/Tools.h"
#include "platform/Errors.h"
#include "platform/ini/IniFile.h"
#include "platform/text/WholeNumber.h"
#include "profiles/ProfileStore.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 6> kKindNames = {"etRandom",        "etSpin",  "etVortex",
                                                   "etScatterGather", "etSpike", "etFireworks"};

IniFile SettingsFile()
{
    return IniFile(ProgramFilePath(kSettingsFileName));
}

bool ReadFlag(const IniFile& ini, const char* key)
{
    return IsTrueText(ini.ReadString(kSettingsSection, key, ""));
}

const char* FlagText(bool on)
{
    return on ? "True" : "False";
}

int FieldNumber(const std::string& text)
{
    const std::optional<std::int32_t> value = TryParseWholeNumber(text);
    if (!value)
        throw ConvertError("'" + text + "' is not a valid integer value");
    return *value;
}

std::string KeepWithin(const std::string& text, int lowest, int highest)
{
    const int value = FieldNumber(text);
    if (value > highest)
        return std::to_string(highest);
    if (value < lowest)
        return std::to_string(lowest);
    return text;
}

} // namespace

const char* AnimationKindName(AnimationKind kind)
{
    return kKindNames[static_cast<std::size_t>(kind)];
}

std::optional<AnimationKind> AnimationKindFromName(std::string_view name)
{
    for (std::size_t i = 0; i < kKindNames.size(); ++i)
        if (name == kKindNames[i])
            return static_cast<AnimationKind>(i);
    return std::nullopt;
}

void ApplySettingsTo(SettingsTarget& target, Dialogs& dialogs)
{
    const IniFile ini = SettingsFile();
    target.SetBalloonHints(ReadFlag(ini, "GoodHints"));
    target.SetTopmost(ReadFlag(ini, "TopMost"));
    target.SetMagnetActive(ReadFlag(ini, "MagnetForm"));
    target.SetMagnetDragable(ReadFlag(ini, "MagnetForm"));
    target.SetMagnetGlue(ReadFlag(ini, "MagnetForm"));
    target.SetRollingSpeed(
        std::clamp(ini.ReadInteger(kSettingsSection, "RollingSpeed", 0), 0, kMaxRollingSpeed));
    target.SetAnimateOnShow(ReadFlag(ini, "OpenAnimation"));
    target.SetAnimateOnHide(ReadFlag(ini, "CloseAnimation"));
    target.SetAnimationDelay(
        std::clamp(ini.ReadInteger(kSettingsSection, "AnimationDelay", 0), 0, kMaxAnimationDelay));
    target.SetTrayIconWanted(ReadFlag(ini, "Icon"));
    if (const auto kind = AnimationKindFromName(ini.ReadString(kSettingsSection, "AnimationEffectType", "")))
        target.SetAnimationKind(*kind);
    if (ReadFlag(ini, "AutoProfile"))
        LoadProfile(ini.ReadString(kSettingsSection, "Profile", ""), target.Inputs(), dialogs);
    if (ReadFlag(ini, "ShowTip"))
        target.ShowTipOfTheDay();
}

OptionsSettings ReadOptionsSettings()
{
    const IniFile ini = SettingsFile();
    OptionsSettings s;
    s.GoodHints = ReadFlag(ini, "GoodHints");
    s.TopMost = ReadFlag(ini, "TopMost");
    s.MagnetForm = ReadFlag(ini, "MagnetForm");
    s.ShowTip = ReadFlag(ini, "ShowTip");
    s.RollingSpeed = ini.ReadString(kSettingsSection, "RollingSpeed", "");
    s.OpenAnimation = ReadFlag(ini, "OpenAnimation");
    s.CloseAnimation = ReadFlag(ini, "CloseAnimation");
    s.Icon = ReadFlag(ini, "Icon");
    s.AnimationDelay = ini.ReadString(kSettingsSection, "AnimationDelay", "");
    s.Kind = AnimationKindFromName(ini.ReadString(kSettingsSection, "AnimationEffectType", ""));
    s.AutoProfile = ReadFlag(ini, "AutoProfile");
    s.Profile = ini.ReadString(kSettingsSection, "Profile", "");
    return s;
}

void WriteOptionsSettings(const OptionsSettings& s)
{
    IniFile ini = SettingsFile();
    ini.WriteString(kSettingsSection, "GoodHints", FlagText(s.GoodHints));
    ini.WriteString(kSettingsSection, "TopMost", FlagText(s.TopMost));
    ini.WriteString(kSettingsSection, "MagnetForm", FlagText(s.MagnetForm));
    ini.WriteString(kSettingsSection, "RollingSpeed", s.RollingSpeed);
    ini.WriteString(kSettingsSection, "OpenAnimation", FlagText(s.OpenAnimation));
    ini.WriteString(kSettingsSection, "CloseAnimation", FlagText(s.CloseAnimation));
    ini.WriteString(kSettingsSection, "ShowTip", FlagText(s.ShowTip));
    ini.WriteString(kSettingsSection, "Icon", FlagText(s.Icon));
    ini.WriteString(kSettingsSection, "AnimationDelay", s.AnimationDelay);
    if (s.Kind)
        ini.WriteString(kSettingsSection, "AnimationEffectType", AnimationKindName(*s.Kind));
    ini.WriteString(kSettingsSection, "AutoProfile", FlagText(s.AutoProfile));
    if (s.AutoProfile && s.Profile)
        ini.WriteString(kSettingsSection, "Profile", *s.Profile);
}

std::string DelayFieldOnExit(const std::string& text)
{
    return KeepWithin(text, 10, 200);
}

std::string RollingSpeedFieldOnExit(const std::string& text)
{
    return KeepWithin(text, 1, 10);
}
