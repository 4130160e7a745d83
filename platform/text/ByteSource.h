#pragma once

#include <cstddef>
#include <string_view>

// Anything that hands out bytes in order: an open file, or a block of memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills up to size bytes and returns how many; 0 only at the end.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    std::size_t Read(char* buffer, std::size_t size) override;

private:
    std::string_view bytes_;
};
