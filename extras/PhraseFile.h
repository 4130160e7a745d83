#pragma once
// The phrase of the day: which phrase is picked and how it is found in the decoded phrase
// file. The plain file holds, for each number k, a line with k and then the phrase line,
// which begins with k and one blank.

#include "platform/text/ByteSource.h"

#include <cstdint>
#include <string>
#include <string_view>

// The number the runtime gives a line that should begin with a number and does not.
inline constexpr int kInvalidNumericInput = 106;

// A whole number from 1 to PhraseCount - 1 from a generator seeded with `seed`: the last
// phrase is never picked.
int PickPhraseNumber(std::uint64_t seed);

// Goes through the plain phrase file line by line: blank lines are skipped, every other
// line must begin (after blanks) with a whole number ended by a blank, a tab or the line's
// end. The line after the first line whose number is k is the phrase, returned whole in
// the file's bytes; "" when no line has the number k or that line is the last one. A line
// that does not begin with a number raises IoError naming `fileName` and the line.
std::string FindPhrase(ByteSource& plain, int k, const std::string& fileName);

// The phrase line without its prefix: as many characters as k has decimal digits, plus the
// blank after them. A shorter line leaves nothing.
std::string CutPhrasePrefix(std::string_view line, int k);

// The whole command: decodes Prikol.dat of the program folder into kemel.txt in the
// temporary folder, finds phrase k, deletes the plain copy and returns the phrase without
// its prefix, in UTF-8. Errors raise IoError; the plain copy is then left where it is.
std::string ReadPhraseOfTheDay(int k);
