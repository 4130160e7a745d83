#pragma once
// How the main window's menus measure their items and write their texts. The menus are
// drawn by the program itself (app/MenuStyle.h); these are the rules that need no window.

#include "platform/services/CdDrives.h"

#include <functional>
#include <string>
#include <string_view>

// A menu item's key: modifiers and a letter or a function key; empty when both are 0.
struct ShortCut {
    enum Modifier : unsigned { Shift = 1, Ctrl = 2, Alt = 4 };
    unsigned modifiers = 0;
    char letter = 0;  // 'A'..'Z'
    int function = 0; // 1..24 for F1..F24

    bool Empty() const { return letter == 0 && function == 0; }
    friend bool operator==(const ShortCut&, const ShortCut&) = default;
};

constexpr ShortCut LetterKey(char letter, unsigned modifiers)
{
    const char upper = letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    return ShortCut{modifiers, upper, 0};
}

constexpr ShortCut FunctionKey(int number, unsigned modifiers = 0)
{
    return ShortCut{modifiers, 0, number};
}

// The key as the menus write it: "Shift+", "Ctrl+", "Alt+" in this order, then the key
// ("F10", "N"): Ctrl+N, F10, Shift+Ctrl+F11. Empty for no key.
std::string ShortCutText(const ShortCut& key);

// The caption as the menus draw it: every accelerator mark '&' taken out.
std::string MenuCaptionText(std::string_view caption);

// The width of a text in pixels, in the font the menus are measured with (the main window's
// font, not the menu font they are drawn in).
using TextWidth = std::function<int(std::string_view)>;

// A menu-bar item: its caption as stored, accelerator marks included.
int MeasureMainItem(std::string_view caption, const TextWidth& width);
// An item inside a menu: the caption as stored + 30 + the width of its shortcut text. The
// caption is drawn 23 pixels in, the shortcut text ends 10 pixels before the right edge.
int MeasureItem(std::string_view caption, const ShortCut& key, const TextWidth& width);

// Menu items are about this high, and the picture column is a square of this side at their
// left; a separator gets half of it.
inline constexpr int kMenuItemHeight = 20;
inline constexpr int kMenuColumnWidth = 20;
inline constexpr int kMenuSeparatorHeight = kMenuItemHeight / 2;

// A menu-bar item is hot while the mouse is over it; when its menu is open it is drawn plain.
inline bool MenuBarItemIsHot(bool underMouse, bool menuOpen)
{
    return underMouse && !menuOpen;
}

// The sub-item of one CD drive in the two CD menus: the drive letter as a root folder
// ("D:\") or, without a letter, the device path; a lettered drive opens its door with
// Shift+Ctrl+letter and closes it with Shift+Alt+letter.
struct CdMenuItem {
    std::string caption;
    ShortCut openKey;
    ShortCut closeKey;

    friend bool operator==(const CdMenuItem&, const CdMenuItem&) = default;
};

CdMenuItem CdMenuItemFor(const CdDrive& drive);
