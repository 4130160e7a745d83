#pragma once
// The program's import of the name-day library KVL. The library answers in Windows-1251
// texts and status codes; these wrappers hand out UTF-8 texts and raise IoError with a
// readable text for a failed call, so the application's error box can show it.

extern "C" {
#include "kvl/KVL.h"
}

#include <string>
#include <vector>

// Decodes "names.dat" of the current folder into the library's plain copy. False when
// there is no such file; a failed decode raises IoError.
bool InitNameDays();

// The names celebrated on that day, in the file's order.
std::vector<std::string> DayToNames(unsigned day, unsigned month);
// The date texts («1 января») of every day whose names contain the name.
std::vector<std::string> NameToDays(const std::string& name);
// Every name of the data once, in order of first occurrence.
std::vector<std::string> ListNames();
