#include "platform/qt/Locale.h"

#include <QDate>
#include <QLocale>

namespace {
std::optional<std::string> g_separator;
std::optional<std::string> g_thousands;
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

std::string ThousandsSeparator()
{
    if (g_thousands)
        return *g_thousands;
    return QLocale::system().groupSeparator().toStdString();
}

void SetThousandsSeparator(std::optional<std::string> separator)
{
    g_thousands = std::move(separator);
}

std::string ShortDateText(int year, unsigned month, unsigned day)
{
    return QLocale::system()
        .toString(QDate(year, static_cast<int>(month), static_cast<int>(day)), QLocale::ShortFormat)
        .toStdString();
}
