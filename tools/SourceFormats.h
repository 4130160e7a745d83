#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The line formats the readers of the data files expect. The data-file builder checks a
// source against its format line by line, so that a source the program would misread never
// becomes a data file; a problem raises DataFileError naming the line and the column
// (counted in characters, from 1).
enum class SourceFormat {
    Lines,   // any lines: only the byte rules apply
    Sign,    // a horoscope sign file: at most 30 lines of key, tab, value
    Phrases, // the phrase file: for k = 1..PhraseCount a line "k", then the line "k phrase"
    Names,   // the plain name-day file: "1 января", tab, names joined by ", "
};

// "lines", "sign", "phrases", "names"; nothing for any other text.
std::optional<SourceFormat> SourceFormatFromName(std::string_view name);

inline constexpr int kSignFileLines = 30;
// A name list of the library holds at most 999 names, a date list at most 29 dates:
// their last entry must stay empty to end the list.
inline constexpr int kNameDayMaxNames = 999;
inline constexpr int kNameDayMaxDates = 29;

class SourceFormatChecker {
public:
    virtual ~SourceFormatChecker() = default;
    // One source line (UTF-8, without its line break), numbered from 1.
    virtual void Line(int lineNo, std::u32string_view line) = 0;
    // After the last line; lineCount is the number of lines seen.
    virtual void Finish(int lineCount) = 0;
};

// Nothing for SourceFormat::Lines. `fileName` only names the source in the errors.
std::unique_ptr<SourceFormatChecker> MakeFormatChecker(SourceFormat format, const std::string& fileName);
