#include "profiles/ProfileStore.h"

#include "data/Tools.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <filesystem>
#include <span>
#include <system_error>

namespace {

namespace fs = std::filesystem;

StoreStepHook g_hook;

void Step(const char* action, const char* file)
{
    if (g_hook)
        g_hook(std::string(action) + " " + file);
}

fs::path UsersPath()
{
    return PathFromUtf8(ProgramFilePath(kUsersFileName));
}

fs::path TempPath()
{
    return PathFromUtf8(ProgramFilePath(kUsersTempFileName));
}

UsersFileContent ReadUsersFile()
{
    Step("open", kUsersFileName);
    File in = File::OpenRead(UsersPath());
    Step("read", kUsersFileName);
    const std::string bytes = in.ReadAll();
    Step("close", kUsersFileName);
    in.Close();
    return ParseUsersFile(bytes);
}

// The one way users.dat changes: the new content is complete and on the disk under another
// name before it takes the old one's place.
void ReplaceUsersFile(const std::vector<ProfileRecord>& records)
{
    const fs::path users = UsersPath();
    if (records.empty()) {
        Step("remove", kUsersFileName);
        std::error_code ec;
        if (!fs::remove(users, ec) && ec)
            throw IoError(ec.value(), IoErrorText(ec.value(), users));
        return;
    }

    std::string content;
    content.reserve(records.size() * ProfileRecord::kFileSize);
    for (const ProfileRecord& record : records) {
        const ProfileRecord::Bytes bytes = record.ToBytes();
        content.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }

    const fs::path temp = TempPath();
    bool created = false;
    try {
        Step("create", kUsersTempFileName);
        File out = File::CreateWrite(temp);
        created = true;
        Step("write", kUsersTempFileName);
        out.Write(content);
        Step("sync", kUsersTempFileName);
        out.Sync();
        Step("close", kUsersTempFileName);
        out.Close();
        Step("rename", kUsersTempFileName);
        RenameFile(temp, users);
    } catch (const IoError&) {
        if (created) {
            std::error_code ec;
            fs::remove(temp, ec);
        }
        throw;
    }
}

std::vector<ProfileRecord> Without(const std::vector<ProfileRecord>& records, const ShortName& name)
{
    std::vector<ProfileRecord> kept;
    kept.reserve(records.size());
    for (const ProfileRecord& record : records)
        if (!SameProfileName(record.Name, name))
            kept.push_back(record);
    return kept;
}

ShortName NameKey(const std::string& name)
{
    ShortName key;
    key.Assign(name);
    return key;
}

} // namespace

bool UsersFileExists()
{
    // Anything but a plain "not there" counts as present, so that the open that follows
    // reports what is wrong.
    std::error_code ec;
    return fs::status(UsersPath(), ec).type() != fs::file_type::not_found;
}

UsersFileContent ParseUsersFile(std::string_view bytes)
{
    UsersFileContent content;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const std::size_t whole = bytes.size() / ProfileRecord::kFileSize;
    content.Records.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i)
        content.Records.push_back(
            ProfileRecord::FromBytes(std::span<const std::uint8_t, ProfileRecord::kFileSize>(
                data + i * ProfileRecord::kFileSize, ProfileRecord::kFileSize)));
    content.Damaged = bytes.size() % ProfileRecord::kFileSize != 0;
    return content;
}

bool IsLoadableRecord(const ProfileRecord& record)
{
    return record.Name.Length <= ShortName::kCapacity && record.Month >= 1 && record.Month <= 12 &&
           record.Height >= 100 && record.Height <= 220 && record.Weight >= 20 && record.Weight <= 180;
}

bool SameProfileName(const ShortName& stored, const ShortName& wanted)
{
    const std::size_t length = std::min<std::size_t>(stored.Length, ShortName::kCapacity);
    return length == wanted.Length &&
           std::equal(stored.Chars.begin(), stored.Chars.begin() + static_cast<std::ptrdiff_t>(length),
                      wanted.Chars.begin());
}

bool FillProfileList(ProfileList& list, Dialogs& dialogs)
{
    list.Clear();
    if (!UsersFileExists())
        return true;
    UsersFileContent content;
    try {
        content = ReadUsersFile();
    } catch (const IoError&) {
        dialogs.Message(ProfileText::kLoadFailed);
        return false;
    }
    for (const ProfileRecord& record : content.Records)
        list.Add(record.Name.Text());
    if (content.Damaged) {
        dialogs.Message(ProfileText::kLoadFailed);
        return false;
    }
    return true;
}

bool LoadProfile(const std::string& name, PersonInputsWriter& inputs, Dialogs& dialogs)
{
    if (!UsersFileExists())
        return true;
    UsersFileContent content;
    try {
        content = ReadUsersFile();
    } catch (const IoError&) {
        dialogs.Message(ProfileText::kLoadFailed);
        return false;
    }
    const ShortName key = NameKey(name);
    const auto found = std::find_if(content.Records.begin(), content.Records.end(),
                                    [&](const ProfileRecord& r) { return SameProfileName(r.Name, key); });
    // A damaged record is refused whole rather than put into the inputs half-way.
    if (found == content.Records.end() || !IsLoadableRecord(*found)) {
        dialogs.Message(ProfileText::kLoadFailed);
        return false;
    }
    const ProfileRecord& record = *found;
    if (record.Sex == 'M')
        inputs.CheckMale();
    if (record.Sex == 'F')
        inputs.CheckFemale();
    inputs.SetNameText(record.Name.Text());
    inputs.SetDayText(std::to_string(record.Day));
    inputs.SetYearText(std::to_string(record.Year));
    inputs.SetHeight(record.Height);
    inputs.SetWeight(record.Weight);
    inputs.SelectMonth(record.Month - 1);
    inputs.SetNameText(record.Name.Text());
    return true;
}

bool DeleteProfile(const std::string& name, Dialogs& dialogs)
{
    try {
        const UsersFileContent content = ReadUsersFile();
        // Rewriting a damaged file would throw its tail away.
        if (content.Damaged) {
            dialogs.Message(ProfileText::kFileFailed);
            return false;
        }
        ReplaceUsersFile(Without(content.Records, NameKey(name)));
        return true;
    } catch (const IoError&) {
        dialogs.Message(ProfileText::kFileFailed);
        return false;
    }
}

SaveOutcome StoreProfile(const ProfileRecord& record, Dialogs& dialogs)
{
    try {
        std::vector<ProfileRecord> records;
        if (UsersFileExists()) {
            UsersFileContent content = ReadUsersFile();
            // Appending after a partial record would shift every record that follows.
            if (content.Damaged) {
                dialogs.Message(ProfileText::kSaveFailed);
                return SaveOutcome::Failed;
            }
            bool overwrite = false;
            for (const ProfileRecord& stored : content.Records) {
                if (!SameProfileName(stored.Name, record.Name))
                    continue;
                if (!dialogs.Confirm(ProfileText::kOverwrite))
                    return SaveOutcome::Declined;
                overwrite = true;
            }
            records = overwrite ? Without(content.Records, record.Name) : std::move(content.Records);
        }
        records.push_back(record);
        ReplaceUsersFile(records);
        return SaveOutcome::Saved;
    } catch (const IoError&) {
        dialogs.Message(ProfileText::kSaveFailed);
        return SaveOutcome::Failed;
    }
}

SaveOutcome SaveProfile(PersonInputs& inputs, ProfileRecord& current, Dialogs& dialogs, const Clock& clock)
{
    if (!ValidatePersonInput(inputs, dialogs, clock))
        return SaveOutcome::Refused;
    CollectProfile(inputs, current);
    return StoreProfile(current, dialogs);
}

StoreStepHook SetStoreStepHook(StoreStepHook hook)
{
    StoreStepHook previous = std::move(g_hook);
    g_hook = std::move(hook);
    return previous;
}
