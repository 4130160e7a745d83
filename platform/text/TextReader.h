#pragma once

#include "platform/text/ByteSource.h"

#include <string>
#include <vector>

// Reads lines by the Windows text-file rules: a line ends at LF or CR LF, a CR that is
// not followed by LF is dropped, and the text ends at the physical end or where a line
// would begin with Ctrl+Z (byte 26). Lines have no length limit.
class TextLineReader {
public:
    explicit TextLineReader(ByteSource& source);

    // True at the physical end, or when the next line would begin with byte 26.
    bool AtEnd();

    // Reads the next line without its line break; empty at the end.
    std::string ReadLine();

    // AtEnd, then ReadLine: the loop form.
    bool Next(std::string& line);

private:
    int Peek();
    bool Refill();

    ByteSource& source_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
    bool exhausted_ = false;
};

// All lines of a block of bytes, by the rules above.
std::vector<std::string> SplitTextLines(std::string_view bytes);
