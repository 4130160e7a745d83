#pragma once

#include <string>

// Helpers shared by several windows. File names are UTF-8 texts.

// Decodes the scrambled file `input` into the plain copy `output` with `key`
// (see data/LineCipher.h for the rules). Raises IoError when a file cannot be used.
void DecodeFile(const std::string& input, const std::string& output, const std::string& key);
