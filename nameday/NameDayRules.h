#pragma once
// The name-day window's rules that need no window: the greeting, where it stands, which
// list item a click hits, the common dates of two names, what the copy commands copy and
// the order of the sorted lists. Texts are UTF-8.

#include <string>
#include <string_view>
#include <vector>

// Today's names as the greeting reads them: "Анна", "Анна и Мария", "Анна, Ирина и Мария".
std::string GreetingText(const std::vector<std::string>& names);

// The left edge that centres a control of `width` under one at `left` of `otherWidth`,
// with the fraction cut off toward zero.
int CentredLeft(int left, int otherWidth, int width);

// Strictly inside: a point on an edge is outside.
bool PointInsideRect(int x, int y, int left, int top, int right, int bottom);

// Every date of `a` that also stands in `b` (blanks around them and the case of Latin
// letters ignored), once for each time it stands there, in the order of `a`.
std::vector<std::string> CommonDates(const std::vector<std::string>& a, const std::vector<std::string>& b);

// A name box still showing its prompt ("Имя1", "Имя2") is emptied when entered.
bool ShowsNamePrompt(std::string_view text);

// "Копировать Все": every item followed by CR LF, the last one too.
std::string AllItemsText(const std::vector<std::string>& items);

// The order of the sorted lists: alphabetical, letter case ignored, «ё» beside «е».
bool NameOrderLess(std::string_view a, std::string_view b);
