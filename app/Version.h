#pragma once

// Program-wide constants: the splash and the about window show them, ortavi.ini records them.
inline constexpr const char* VersionText = "Version 6.04 (Build 231)";
inline constexpr const char* ReleaseDate = "27.06.2004";
inline constexpr int PhraseCount = 1000;
// Where the help button's hint sends questions.
inline constexpr const char* AuthorMail = "ortavi@example.org";
