#include "data/Tools.h"

#include "data/LineCipher.h"
#include "platform/FileIo.h"
#include "platform/services/Clipboard.h"
#include "platform/services/Paths.h"
#include "platform/text/Cp1251.h"

#include <stdexcept>

void DecodeFile(const std::string& input, const std::string& output, const std::string& key)
{
    DecodeLines(PathFromUtf8(input), PathFromUtf8(output), key);
}

std::string ProgramFilePath(std::string_view name)
{
    return JoinProgramPath(CurrentPaths().ProgramFolder(), name);
}

std::string TempFolderPath()
{
    return CurrentPaths().TempFolder();
}

void CopyTextToClipboard(const std::string& text)
{
    Clipboard* clipboard = nullptr;
    try {
        clipboard = &CurrentClipboard();
    } catch (const std::logic_error&) {
        return;
    }
    clipboard->SetText(Cp1251ToUtf8(Utf8ToCp1251(text)));
}

bool IsTrueText(std::string_view text)
{
    constexpr std::string_view kTrue = "TRUE";
    if (text.size() != kTrue.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = (text[i] >= 'a' && text[i] <= 'z') ? static_cast<char>(text[i] - 'a' + 'A') : text[i];
        if (c != kTrue[i])
            return false;
    }
    return true;
}
