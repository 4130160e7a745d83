// The library's five entry points. Nothing may cross them but a status code: every error
// is caught here and turned into the system's error number, and the caller's array is
// written only once the whole answer stands.

extern "C" {
#include "kvl/KVL.h"
}

#include "data/LineCipher.h"
#include "kvl/NameDayLookups.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/TempFolder.h"
#include "platform/text/Cp1251.h"

#include <filesystem>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

namespace {

#ifdef _WIN32
constexpr int kNoMemory = ERROR_NOT_ENOUGH_MEMORY;
constexpr int kBadArgument = ERROR_INVALID_PARAMETER;
constexpr int kFailure = ERROR_GEN_FAILURE;
#else
constexpr int kNoMemory = ENOMEM;
constexpr int kBadArgument = EINVAL;
constexpr int kFailure = EIO;
#endif

constexpr const char* kKey = "ZEBROLM";
constexpr const char* kPlainName = "suxx.txt";

// The temporary folder is looked up once, when the library is loaded; a failure is kept
// and answered by every call that needs the folder.
struct TempFolderState {
    std::string folder;
    int error = 0;
};

TempFolderState LookUpTempFolder() noexcept
{
    TempFolderState state;
    try {
        state.folder = SystemTempFolder();
    } catch (const IoError& e) {
        state.error = e.Code() > 0 ? e.Code() : kFailure;
    } catch (...) {
        state.error = kFailure;
    }
    return state;
}

const TempFolderState g_temp = LookUpTempFolder();

// The texts handed out by each lookup, kept until its next successful call or KVL_Done.
std::vector<std::string> g_dayTexts;
std::vector<std::string> g_dateTexts;
std::vector<std::string> g_listTexts;

std::filesystem::path PlainCopy()
{
    if (g_temp.error != 0)
        throw IoError(g_temp.error, "no temporary folder");
    return PathFromUtf8(g_temp.folder + kPlainName);
}

void RemovePlainCopy() noexcept
{
    try {
        std::error_code ignored;
        std::filesystem::remove(PlainCopy(), ignored);
    } catch (...) {
    }
}

template <class Work>
int StatusOf(Work&& work) noexcept
{
    try {
        work();
        return 0;
    } catch (const IoError& e) {
        return e.Code() > 0 ? e.Code() : kFailure;
    } catch (const std::bad_alloc&) {
        return kNoMemory;
    } catch (...) {
        return kFailure;
    }
}

// Keeps the texts and points the caller's entries at them; the entries after the list stay
// empty, so the last one always ends the list.
void Publish(std::vector<std::string>&& found, std::vector<std::string>& kept, const char** entries,
             std::size_t count) noexcept
{
    kept.swap(found);
    for (std::size_t i = 0; i < count; ++i)
        entries[i] = i < kept.size() ? kept[i].c_str() : nullptr;
}

template <class Lookup>
int Answer(std::vector<std::string>& kept, const char** entries, std::size_t count, Lookup&& lookup) noexcept
{
    if (entries == nullptr)
        return kBadArgument;
    return StatusOf([&] {
        std::vector<std::string> found;
        {
            File plain = File::OpenReadNoFollow(PlainCopy());
            found = lookup(plain, count - 1);
        }
        Publish(std::move(found), kept, entries, count);
    });
}

} // namespace

extern "C" {

int KVL_Init(const char* fileName)
{
    if (fileName == nullptr)
        return -kBadArgument;
    int result = 0;
    const int error = StatusOf([&] {
        const std::filesystem::path data = PathFromUtf8(Cp1251ToUtf8(fileName));
        const std::filesystem::path plain = PlainCopy();
        std::error_code probe;
        if (!std::filesystem::exists(data, probe) && !probe) {
            // Without the data there must be no answers from an older copy either.
            RemovePlainCopy();
            return;
        }
        try {
            DecodeLines(data, plain, kKey);
        } catch (...) {
            // A copy cut short would answer from part of the data.
            RemovePlainCopy();
            throw;
        }
        result = 1;
    });
    return error != 0 ? -error : result;
}

void KVL_Done(void)
{
    RemovePlainCopy();
    std::vector<std::string>().swap(g_dayTexts);
    std::vector<std::string>().swap(g_dateTexts);
    std::vector<std::string>().swap(g_listTexts);
}

int KVL_DayToNames(unsigned char day, unsigned char month, KVL_NameArray names)
{
    return Answer(g_dayTexts, names, KVL_NAME_ENTRIES, [&](ByteSource& plain, std::size_t limit) {
        return NamesOfDay(plain, DateKey(day, month), limit);
    });
}

int KVL_NameToDays(const char* name, KVL_DateArray dates)
{
    const std::string_view wanted = name != nullptr ? std::string_view(name) : std::string_view();
    return Answer(g_dateTexts, dates, KVL_DATE_ENTRIES,
                  [&](ByteSource& plain, std::size_t limit) { return DaysOfName(plain, wanted, limit); });
}

int KVL_ListNames(KVL_NameArray names)
{
    return Answer(g_listTexts, names, KVL_NAME_ENTRIES,
                  [&](ByteSource& plain, std::size_t limit) { return AllNames(plain, limit); });
}

} // extern "C"
