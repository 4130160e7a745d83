#pragma once

#include <stdexcept>
#include <string>

// A file operation failed. Code is the system's own error number (errno on Linux,
// GetLastError on Windows); the text is what the error box shows.
class IoError : public std::runtime_error {
public:
    IoError(int code, const std::string& text) : std::runtime_error(text), code_(code) {}
    int Code() const noexcept { return code_; }

private:
    int code_;
};

// A text that should have been a whole number was not one.
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
