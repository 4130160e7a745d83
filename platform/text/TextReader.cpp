#include "platform/text/TextReader.h"

#include <cstring>

namespace {
constexpr std::size_t kBufferSize = 64 * 1024;
constexpr int kCtrlZ = 26;
} // namespace

std::size_t MemorySource::Read(char* buffer, std::size_t size)
{
    const std::size_t n = size < bytes_.size() ? size : bytes_.size();
    if (n != 0)
        std::memcpy(buffer, bytes_.data(), n);
    bytes_.remove_prefix(n);
    return n;
}

TextLineReader::TextLineReader(ByteSource& source) : source_(source), buffer_(kBufferSize) {}

bool TextLineReader::Refill()
{
    if (exhausted_)
        return false;
    len_ = source_.Read(buffer_.data(), buffer_.size());
    pos_ = 0;
    if (len_ == 0)
        exhausted_ = true;
    return len_ != 0;
}

int TextLineReader::Peek()
{
    if (pos_ == len_ && !Refill())
        return -1;
    return static_cast<unsigned char>(buffer_[pos_]);
}

bool TextLineReader::AtEnd()
{
    const int next = Peek();
    return next == -1 || next == kCtrlZ;
}

std::string TextLineReader::ReadLine()
{
    std::string line;
    for (;;) {
        if (pos_ == len_ && !Refill())
            return line;
        // Copy the run of ordinary bytes in one go; stop at a line-break byte.
        const char* begin = buffer_.data() + pos_;
        const char* end = buffer_.data() + len_;
        const char* p = begin;
        while (p != end && *p != '\n' && *p != '\r')
            ++p;
        line.append(begin, p);
        pos_ = static_cast<std::size_t>(p - buffer_.data());
        if (p == end)
            continue;
        const char brk = *p;
        ++pos_;
        if (brk == '\n')
            return line;
        // A CR: it ends the line only together with a following LF, else it is dropped.
        if (Peek() == '\n') {
            ++pos_;
            return line;
        }
    }
}

bool TextLineReader::Next(std::string& line)
{
    if (AtEnd())
        return false;
    line = ReadLine();
    return true;
}

std::vector<std::string> SplitTextLines(std::string_view bytes)
{
    MemorySource source(bytes);
    TextLineReader reader(source);
    std::vector<std::string> lines;
    std::string line;
    while (reader.Next(line))
        lines.push_back(line);
    return lines;
}
