#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The data files keep each line XOR-ed with a repeating key. The key position starts
// afresh on every line, and a line's first byte pairs with the key's second character:
// out[j] = in[j] ^ key[(j + 1) % key.size()]. The transformation is its own inverse.
void ScrambleLine(std::string& line, std::string_view key);

// Reads the scrambled input by the Windows text rules and writes the plain copy: the
// decoded lines joined by CR LF, with no line break after the last. The input is opened
// before the output is created, so a missing input leaves no output behind. Failures
// raise IoError; an empty key raises std::invalid_argument.
void DecodeLines(const std::filesystem::path& input, const std::filesystem::path& output,
                 std::string_view key);
