#include "app/MenuRules.h"

#include <gtest/gtest.h>

namespace {

TEST(ShortCutTextTest, WritesShiftCtrlAltInThatOrderThenTheKey)
{
    constexpr unsigned kAll = ShortCut::Shift | ShortCut::Ctrl | ShortCut::Alt;
    struct Row {
        const char* name;
        ShortCut key;
        const char* text;
    };
    const Row rows[] = {
        {"no key", ShortCut{}, ""},
        {"letter with Ctrl", LetterKey('N', ShortCut::Ctrl), "Ctrl+N"},
        {"bare function key", FunctionKey(10), "F10"},
        {"Ctrl+Shift is written Shift first", FunctionKey(11, ShortCut::Ctrl | ShortCut::Shift), "Shift+Ctrl+F11"},
        {"all three", LetterKey('Q', kAll), "Shift+Ctrl+Alt+Q"},
        {"Shift+Alt", LetterKey('E', ShortCut::Shift | ShortCut::Alt), "Shift+Alt+E"},
        {"lower-case letter given", LetterKey('d', ShortCut::Ctrl), "Ctrl+D"},
        {"two-digit function key", FunctionKey(12, ShortCut::Alt), "Alt+F12"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ShortCutText(row.key), row.text) << row.name;
}

TEST(MenuCaptionTextTest, TakesOutEveryAcceleratorMark)
{
    EXPECT_EQ(MenuCaptionText("&Файл"), "Файл");
    EXPECT_EQ(MenuCaptionText("Сохранить &профиль"), "Сохранить профиль");
    EXPECT_EQ(MenuCaptionText("A&&B&"), "AB");
    EXPECT_EQ(MenuCaptionText("О программе "), "О программе ") << "a trailing blank stays";
    EXPECT_EQ(MenuCaptionText(""), "");
}

// A font in which every character (not byte) is 6 pixels wide, and '&' 9.
int FakeWidth(std::string_view text)
{
    int width = 0;
    for (const unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            width += c == '&' ? 9 : 6;
    return width;
}

TEST(MenuMeasureTest, ItemIsCaptionPlusThirtyPlusItsShortcutText)
{
    struct Row {
        const char* name;
        const char* caption;
        ShortCut key;
        int width;
    };
    const Row rows[] = {
        {"no shortcut: caption + 30", "Таймер", {}, 6 * 6 + 30},
        {"with shortcut", "Новый профиль", LetterKey('N', ShortCut::Ctrl), 13 * 6 + 30 + 6 * 6},
        {"long shortcut", "Выключить компьютер", FunctionKey(11, ShortCut::Shift | ShortCut::Ctrl),
         19 * 6 + 30 + 14 * 6},
        {"accelerator mark measured", "&Таймер", {}, 9 + 6 * 6 + 30},
        {"CD drive item", "D:\\", LetterKey('D', ShortCut::Shift | ShortCut::Ctrl), 3 * 6 + 30 + 12 * 6},
    };
    for (const Row& row : rows)
        EXPECT_EQ(MeasureItem(row.caption, row.key, FakeWidth), row.width) << row.name;
}

TEST(MenuMeasureTest, MenuBarItemIsItsCaptionAsStored)
{
    EXPECT_EQ(MeasureMainItem("Экстра", FakeWidth), 36);
    EXPECT_EQ(MeasureMainItem("&Файл", FakeWidth), 33);
    EXPECT_EQ(MeasureMainItem("?", FakeWidth), 6);
}

TEST(CdMenuItemTest, LetteredDrivesGetRootCaptionsAndLetterKeys)
{
    struct Row {
        CdDrive drive;
        CdMenuItem item;
    };
    constexpr unsigned kShiftCtrl = ShortCut::Shift | ShortCut::Ctrl;
    constexpr unsigned kShiftAlt = ShortCut::Shift | ShortCut::Alt;
    const Row rows[] = {
        {{"d:", 'd'}, {"D:\\", LetterKey('D', kShiftCtrl), LetterKey('D', kShiftAlt)}},
        {{"e:", 'e'}, {"E:\\", LetterKey('E', kShiftCtrl), LetterKey('E', kShiftAlt)}},
        {{"z:", 'z'}, {"Z:\\", LetterKey('Z', kShiftCtrl), LetterKey('Z', kShiftAlt)}},
        {{"/dev/sr0", 0}, {"/dev/sr0", {}, {}}},
    };
    for (const Row& row : rows) {
        const CdMenuItem item = CdMenuItemFor(row.drive);
        EXPECT_EQ(item, row.item) << row.drive.device;
    }
    EXPECT_EQ(ShortCutText(CdMenuItemFor({"d:", 'd'}).openKey), "Shift+Ctrl+D");
    EXPECT_EQ(ShortCutText(CdMenuItemFor({"e:", 'e'}).closeKey), "Shift+Alt+E");
}

} // namespace
