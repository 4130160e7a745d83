#include "app/MenuRules.h"

std::string ShortCutText(const ShortCut& key)
{
    if (key.Empty())
        return {};
    std::string text;
    if (key.modifiers & ShortCut::Shift)
        text += "Shift+";
    if (key.modifiers & ShortCut::Ctrl)
        text += "Ctrl+";
    if (key.modifiers & ShortCut::Alt)
        text += "Alt+";
    if (key.letter != 0)
        text += key.letter;
    else
        text += "F" + std::to_string(key.function);
    return text;
}

std::string MenuCaptionText(std::string_view caption)
{
    std::string text;
    for (const char c : caption)
        if (c != '&')
            text += c;
    return text;
}

int MeasureMainItem(std::string_view caption, const TextWidth& width)
{
    return width(caption);
}

int MeasureItem(std::string_view caption, const ShortCut& key, const TextWidth& width)
{
    const std::string keyText = ShortCutText(key);
    return width(caption) + 30 + (keyText.empty() ? 0 : width(keyText));
}

CdMenuItem CdMenuItemFor(const CdDrive& drive)
{
    if (drive.letter == 0)
        return {drive.device, {}, {}};
    const ShortCut open = LetterKey(drive.letter, ShortCut::Shift | ShortCut::Ctrl);
    const ShortCut close = LetterKey(drive.letter, ShortCut::Shift | ShortCut::Alt);
    return {std::string{open.letter, ':', '\\'}, open, close};
}
