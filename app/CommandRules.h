#pragma once
// The fixed texts and small rules behind the main window's commands.

#include <string>
#include <string_view>
#include <vector>

namespace CommandText {
inline constexpr const char* kExitQuestion = "Вы действительно хотите выйти из этой замечательной программы?";
inline constexpr const char* kTrayTip = "ORTAVI!!!";
// Opened by bare name, from the folder the program was started in.
inline constexpr const char* kHelpFile = "help.chm";
inline constexpr const char* kLicenceFile = "ReadMe.Txt";
inline constexpr const char* kAuthorSite = "https://ortavi.example.org/";
inline constexpr const char* kAuthorMail = "mailto:author@ortavi.example.org";
// The name-meaning program, in the program's folder.
inline constexpr const char* kValderin = "Valderin\\Valderin.exe";
inline constexpr const char* kSettingsFile = "settings.ini";
} // namespace CommandText

// The words of a text as a command line would split it: runs of blanks and tabs separate,
// and there are no empty words. Quotes and other characters are ordinary letters.
std::vector<std::string> SplitOnBlanks(std::string_view text);
