#include "platform/qt/Locale.h"

#include <QLocale>

namespace {
std::optional<std::string> g_separator;
}

std::string DecimalSeparator()
{
    if (g_separator)
        return *g_separator;
    return QLocale::system().decimalPoint().toStdString();
}

void SetDecimalSeparator(std::optional<std::string> separator)
{
    g_separator = std::move(separator);
}
