#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Windows-1251, the single-byte code page of every file the program reads or writes.
// The program's own texts are UTF-8; conversion happens at the file boundary.

// The byte for a code point, or nothing when Windows-1251 has no such character.
std::optional<unsigned char> Cp1251FromCodePoint(char32_t cp);

// The code point of a byte. Byte 0x98, which the code page leaves unassigned, maps to
// U+0098 both ways, as the Windows conversion does.
char32_t CodePointFromCp1251(unsigned char byte);

// UTF-8 to Windows-1251. A character the code page lacks, and every byte of a broken
// UTF-8 sequence, becomes '?', as the Windows ANSI conversion does.
std::string Utf8ToCp1251(std::string_view utf8);

std::string Cp1251ToUtf8(std::string_view bytes);

// Decodes the code point that starts at pos and moves pos past it. A broken sequence
// yields U+FFFD and moves pos by one byte. Returns false at the end of the text.
bool NextCodePoint(std::string_view utf8, std::size_t& pos, char32_t& cp);

void AppendUtf8(std::string& out, char32_t cp);
