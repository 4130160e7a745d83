#include "nameday/KVL_Interface.h"

#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/text/Cp1251.h"

namespace {

constexpr const char* kDataFile = "names.dat";
// The library's plain copy, as the error box names it.
constexpr const char* kPlainCopy = "suxx.txt";

[[noreturn]] void Raise(int code, const char* file)
{
    throw IoError(code, IoErrorText(code, file));
}

// The list ends at the first empty entry.
template <std::size_t N>
std::vector<std::string> Texts(const char* const (&entries)[N])
{
    std::vector<std::string> texts;
    for (const char* entry : entries) {
        if (entry == nullptr)
            break;
        texts.push_back(Cp1251ToUtf8(entry));
    }
    return texts;
}

} // namespace

bool InitNameDays()
{
    const int result = KVL_Init(kDataFile);
    if (result < 0)
        Raise(-result, kDataFile);
    return result == 1;
}

std::vector<std::string> DayToNames(unsigned day, unsigned month)
{
    KVL_NameArray names;
    if (const int error = KVL_DayToNames(static_cast<unsigned char>(day), static_cast<unsigned char>(month), names))
        Raise(error, kPlainCopy);
    return Texts(names);
}

std::vector<std::string> NameToDays(const std::string& name)
{
    KVL_DateArray dates;
    if (const int error = KVL_NameToDays(Utf8ToCp1251(name).c_str(), dates))
        Raise(error, kPlainCopy);
    return Texts(dates);
}

std::vector<std::string> ListNames()
{
    KVL_NameArray names;
    if (const int error = KVL_ListNames(names))
        Raise(error, kPlainCopy);
    return Texts(names);
}
