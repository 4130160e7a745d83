#include "extras/TimerEndTime.h"

#include "platform/Errors.h"
#include "platform/text/WholeNumber.h"

#include <string>

int EndTimePart(std::string_view fieldText, std::size_t position)
{
    std::string piece;
    if (position < fieldText.size())
        for (char c : fieldText.substr(position, 2))
            if (c != ' ')
                piece += c;
    if (const auto value = TryParseWholeNumber(piece))
        return *value;
    throw ConvertError("'" + piece + "' is not a valid integer value");
}
