#pragma once

// Program-wide constants: the splash and the about window show them, ortavi.ini records them.
inline constexpr const char* VersionText = "Version 6.04 (Build 231)";
inline constexpr const char* ReleaseDate = "27.06.2004";
inline constexpr int PhraseCount = 1000;
// Where the help button's hint sends questions.
inline constexpr const char* AuthorMail = "ortavi@example.org";

// Contact and payment details of the about window. Placeholders, all of them: the addresses
// are reserved example addresses and the numbers belong to nobody. A release puts its own
// here, in this one place.
inline constexpr const char* AuthorSite = "https://www.example.org/ortavi/";
inline constexpr const char* AuthorMessengerNumber = "000-000-000 (пример)";
inline constexpr const char* AuthorMessengerPage = "https://www.example.org/ortavi/messenger/";
inline constexpr const char* PaymentServiceCaption = "Кошелёк (пример):";
inline constexpr const char* PaymentAccount1 = "Z000000000000-ПРИМЕР";
inline constexpr const char* PaymentAccount2 = "R000000000000-ПРИМЕР";
inline constexpr const char* PaymentAccount3 = "E000000000000-ПРИМЕР";
