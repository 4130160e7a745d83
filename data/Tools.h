#pragma once

#include <string>
#include <string_view>

// Helpers shared by several windows. File names are UTF-8 texts.

// Decodes the scrambled file `input` into the plain copy `output` with `key`
// (see data/LineCipher.h for the rules). Raises IoError when a file cannot be used.
void DecodeFile(const std::string& input, const std::string& output, const std::string& key);

// A file of the program folder by its relative name, written as the system names it
// ("Data\Oven.dat").
std::string ProgramFilePath(std::string_view name);

// The folder for temporary plain copies, ending with the folder separator.
std::string TempFolderPath();

// Puts the text on the clipboard as the ANSI clipboard holds it: a character Windows-1251
// lacks becomes '?'. Without a clipboard (no window system) nothing happens.
void CopyTextToClipboard(const std::string& text);

// Settings store flags as "TRUE"/"FALSE" in any letter case; anything else is false.
bool IsTrueText(std::string_view text);
