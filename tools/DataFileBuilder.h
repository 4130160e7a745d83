#pragma once

#include "tools/SourceFormats.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

// A source line that cannot become a line of a data file. What() reads
// "file:line:column: text", the form compilers use, so editors can jump to it.
class DataFileError : public std::runtime_error {
public:
    DataFileError(const std::string& file, int line, int column, const std::string& text);
    const std::string& File() const { return file_; }
    int Line() const { return line_; }
    int Column() const { return column_; }

private:
    std::string file_;
    int line_;
    int column_;
};

// Turns a UTF-8 source (an optional byte-order mark, lines split at LF, a CR before the LF
// dropped) into the bytes of a scrambled data file: each line in Windows-1251, enciphered
// with the key and ended by CR LF. Every character must exist in Windows-1251; no plain or
// enciphered line may begin with byte 26, and no enciphered byte may be LF or CR, because
// the readers would split or end the file there. Every line must also keep `format`.
// `fileName` only names the source in the errors raised.
std::string ScrambleSource(std::string_view utf8Source, std::string_view key, const std::string& fileName,
                           SourceFormat format = SourceFormat::Lines);

// The same source in Windows-1251 with CR LF line ends and no cipher: the help pages.
std::string PlainSource(std::string_view utf8Source, const std::string& fileName);

// Reads the source file and writes the scrambled data file. The new file is written beside
// the output and renamed over it, so a source with a problem, or a failed write, leaves an
// existing output as it was. Raises DataFileError (naming the source as given) or IoError.
void BuildDataFile(const std::filesystem::path& source, const std::filesystem::path& output,
                   std::string_view key, SourceFormat format = SourceFormat::Lines);

// As BuildDataFile, with PlainSource.
void BuildPlainFile(const std::filesystem::path& source, const std::filesystem::path& output);
