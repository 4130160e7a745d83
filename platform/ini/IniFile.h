#pragma once

#include <string>
#include <string_view>

// An ini file that behaves as the Windows profile-string functions do, so that settings
// files written by either system read the same on both.
//
// The file itself is the state: every read opens it anew and every write goes to it at
// once, so two windows (or two running copies) never hold different versions.
//
// Section and key names compare without regard to case, for Latin and for the Cyrillic
// letters of Windows-1251; blanks around names and values do not count, and a value
// wrapped in a matching pair of single or double quotes loses them. Texts are UTF-8 here
// and Windows-1251 in the file.
class IniFile {
public:
    explicit IniFile(std::string fileNameUtf8);

    const std::string& FileName() const { return fileName_; }

    // A missing (or unreadable) file, section or key gives `def`.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // The value by the whole-number text rule; a value that does not convert gives `def`.
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    // As Delphi reads it: "0" is false, any other whole number true, anything else `def`.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    // Sets the key: its line is rewritten in place (the name keeps the file's spelling), or
    // the key is added after the last key of its section, or a new section is added at the
    // end; the file is created when missing. Line breaks in the texts cannot be stored and
    // are dropped. The new content goes to "<file>.tmp" beside the file and is renamed over
    // it, so a failure leaves the old file whole; it raises IoError("Unable to write to
    // <file>").
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);

private:
    std::string fileName_;
};
