#include "platform/TempFolder.h"

#include "platform/Errors.h"
#include "platform/FileIo.h"

#include <windows.h>

namespace {

std::string WithBackslash(std::string folder)
{
    if (folder.empty() || (folder.back() != '\\' && folder.back() != '/'))
        folder += '\\';
    return folder;
}

} // namespace

std::string SystemTempFolder()
{
    std::wstring buffer(MAX_PATH + 1, L'\0');
    DWORD n = ::GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (n > buffer.size()) {
        buffer.resize(n);
        n = ::GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    }
    if (n == 0 || n > buffer.size()) {
        const DWORD code = ::GetLastError();
        throw IoError(static_cast<int>(code), IoErrorText(static_cast<int>(code), "%TEMP%"));
    }
    buffer.resize(n);
    // TMP often holds the 8.3 form of a profile folder ("C:\Users\9D4F~1\..."); the long
    // form is the one a person recognises in an error box.
    const DWORD longSize = ::GetLongPathNameW(buffer.c_str(), nullptr, 0);
    if (longSize != 0) {
        std::wstring longName(longSize, L'\0');
        const DWORD got = ::GetLongPathNameW(buffer.c_str(), longName.data(), longSize);
        if (got != 0 && got < longSize) {
            longName.resize(got);
            buffer = std::move(longName);
        }
    }
    return WithBackslash(Utf8FromPath(std::filesystem::path(buffer)));
}
