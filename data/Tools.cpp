#include "data/Tools.h"

#include "data/LineCipher.h"
#include "platform/FileIo.h"

void DecodeFile(const std::string& input, const std::string& output, const std::string& key)
{
    DecodeLines(PathFromUtf8(input), PathFromUtf8(output), key);
}
