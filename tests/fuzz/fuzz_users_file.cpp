// Arbitrary bytes as users.dat, through listing, loading, deleting and saving. Besides not
// crashing: the list has one name per whole record, a damaged file is reported once and
// never rewritten, a deletion keeps exactly the records of other names in their order, and
// a save (overwriting when asked) ends with the records of other names followed by the new
// one.
#include "FuzzFolder.h"
#include "platform/FileIo.h"
#include "platform/services/Paths.h"
#include "profiles/ProfileStore.h"
#include "support/TestSupport.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path& Folder()
{
    return FuzzFolder("users");
}

class Names final : public ProfileList {
  public:
    void Clear() override { names.clear(); }
    void Add(const std::string& name) override { names.push_back(name); }
    std::vector<std::string> names;
};

class Inputs final : public PersonInputsWriter {
  public:
    void CheckMale() override { ++set; }
    void CheckFemale() override { ++set; }
    void SetNameText(const std::string&) override { ++set; }
    void SetDayText(const std::string&) override { ++set; }
    void SetYearText(const std::string&) override { ++set; }
    void SetHeight(int) override { ++set; }
    void SetWeight(int) override { ++set; }
    void SelectMonth(int index) override
    {
        if (index < 0 || index > 11)
            std::abort();
        ++set;
    }
    int set = 0;
};

std::string Image(const std::vector<ProfileRecord>& records)
{
    std::string out;
    for (const ProfileRecord& r : records) {
        const auto b = r.ToBytes();
        out.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    return out;
}

std::string Current(const fs::path& path)
{
    return fs::exists(path) ? File::OpenRead(path).ReadAll() : std::string();
}

void Expect(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FixedPaths paths(Folder().string(), Folder().string());
    SetPaths(&paths);
    EventLog log;
    ScriptedDialogs dialogs(log);
    const fs::path users = Folder() / "users.dat";
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    auto reset = [&] {
        fs::remove(users);
        if (!bytes.empty()) {
            File f = File::CreateWrite(users);
            f.Write(bytes);
            f.Close();
        }
        log.clear();
    };
    reset();

    const UsersFileContent content = ParseUsersFile(bytes);
    Expect(content.Records.size() == size / ProfileRecord::kFileSize);
    Expect(content.Damaged == (size % ProfileRecord::kFileSize != 0));

    Names list;
    Expect(FillProfileList(list, dialogs) == (!content.Damaged));
    Expect(list.names.size() == content.Records.size());
    Expect(log.size() == (content.Damaged ? 1u : 0u));

    const std::string name = list.names.empty() ? std::string("Анна") : list.names.front();
    ShortName key;
    key.Assign(name);
    std::vector<ProfileRecord> others;
    std::size_t matches = 0;
    const ProfileRecord* first = nullptr;
    for (const ProfileRecord& r : content.Records) {
        if (SameProfileName(r.Name, key)) {
            ++matches;
            if (first == nullptr)
                first = &r;
        } else {
            others.push_back(r);
        }
    }

    // A name that was listed is found again.
    Expect(list.names.empty() || matches > 0);
    log.clear();
    Inputs inputs;
    const bool loaded = LoadProfile(name, inputs, dialogs);
    if (bytes.empty()) {
        Expect(loaded && log.empty() && inputs.set == 0);
    } else {
        Expect(loaded == (first != nullptr && IsLoadableRecord(*first)));
        Expect(loaded ? log.empty() && inputs.set >= 7 : log.size() == 1 && inputs.set == 0);
    }

    reset();
    const bool deleted = DeleteProfile(name, dialogs);
    if (bytes.empty() || content.Damaged) {
        Expect(!deleted && log.size() == 1 && Current(users) == bytes);
    } else {
        Expect(deleted && log.empty() && Current(users) == Image(others));
        Expect(others.empty() == !fs::exists(users));
    }
    Expect(!fs::exists(Folder() / "tmp.dat"));

    reset();
    ProfileRecord fresh;
    fresh.Year = 2000;
    fresh.Month = 1;
    fresh.Day = 1;
    fresh.Height = 170;
    fresh.Weight = 70;
    fresh.Sex = 'M';
    fresh.Name = key;
    dialogs.answers.assign(matches, true);
    const SaveOutcome saved = StoreProfile(fresh, dialogs);
    if (content.Damaged) {
        Expect(saved == SaveOutcome::Failed && Current(users) == bytes);
    } else {
        Expect(saved == SaveOutcome::Saved);
        others.push_back(fresh);
        Expect(Current(users) == Image(others));
        Expect(log.size() == matches); // the questions, and nothing else
    }
    Expect(!fs::exists(Folder() / "tmp.dat"));
    SetPaths(nullptr);
    return 0;
}
