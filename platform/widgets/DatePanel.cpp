#include "platform/widgets/DatePanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

const QStringList& DefaultMonthNames()
{
    static const QStringList names = {
        QStringLiteral("Январь"), QStringLiteral("Февраль"), QStringLiteral("Март"),
        QStringLiteral("Апрель"), QStringLiteral("Май"),     QStringLiteral("Июнь"),
        QStringLiteral("Июль"),   QStringLiteral("Август"),  QStringLiteral("Сентябрь"),
        QStringLiteral("Октябрь"), QStringLiteral("Ноябрь"), QStringLiteral("Декабрь"),
    };
    return names;
}

unsigned DaysIn(int year, unsigned month)
{
    using namespace std::chrono;
    return static_cast<unsigned>((std::chrono::year{year} / std::chrono::month{month} / last).day());
}

} // namespace

DatePanel::DatePanel(QWidget* parent) : QWidget(parent)
{
    day_ = new QSpinBox(this);
    day_->setObjectName(QStringLiteral("DayBox"));
    day_->setRange(1, 31);
    month_ = new QComboBox(this);
    month_->setObjectName(QStringLiteral("MonthBox"));
    month_->addItems(DefaultMonthNames());
    month_->setMaxVisibleItems(12);
    year_ = new QSpinBox(this);
    year_->setObjectName(QStringLiteral("YearBox"));
    year_->setRange(kFirstYear, kLastYear);
    // A number being typed is not a date yet: "1" on the way to "1985" must not count.
    day_->setKeyboardTracking(false);
    year_->setKeyboardTracking(false);

    setFocusProxy(day_);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(day_, 2);
    layout->addWidget(month_, 5);
    layout->addWidget(year_, 3);

    setParts(2000, 1, 1);

    connect(day_, &QSpinBox::valueChanged, this, &DatePanel::changed);
    connect(month_, &QComboBox::currentIndexChanged, this, [this] {
        fitDay();
        emit changed();
    });
    connect(year_, &QSpinBox::valueChanged, this, [this] {
        fitDay();
        emit changed();
    });
}

std::chrono::year_month_day DatePanel::date() const
{
    return std::chrono::year{year()} / std::chrono::month{month()} / std::chrono::day{day()};
}

void DatePanel::setDate(std::chrono::year_month_day date)
{
    using namespace std::chrono;
    // Stepping past either end of the calendar stops at that end.
    if (date.year() < std::chrono::year{kFirstYear})
        date = std::chrono::year{kFirstYear} / January / 1;
    else if (date.year() > std::chrono::year{kLastYear})
        date = std::chrono::year{kLastYear} / December / 31;
    setParts(static_cast<int>(date.year()), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    emit changed();
}

int DatePanel::year() const
{
    return year_->value();
}

void DatePanel::setYear(int year)
{
    setParts(year, month(), day());
    emit changed();
}

unsigned DatePanel::month() const
{
    return static_cast<unsigned>(month_->currentIndex() + 1);
}

unsigned DatePanel::day() const
{
    return static_cast<unsigned>(day_->value());
}

QStringList DatePanel::monthNames() const
{
    QStringList names;
    for (int i = 0; i < month_->count(); ++i)
        names << month_->itemText(i);
    return names;
}

void DatePanel::setMonthNames(const QStringList& names)
{
    for (int i = 0; i < month_->count() && i < names.size(); ++i)
        month_->setItemText(i, names[i]);
}

void DatePanel::setParts(int year, unsigned month, unsigned day)
{
    const QSignalBlocker blockDay(day_);
    const QSignalBlocker blockMonth(month_);
    const QSignalBlocker blockYear(year_);
    year_->setValue(qBound(kFirstYear, year, kLastYear));
    month_->setCurrentIndex(static_cast<int>(qBound(1u, month, 12u)) - 1);
    day_->setMaximum(31);
    day_->setValue(static_cast<int>(qMax(1u, day)));
    fitDay();
}

void DatePanel::fitDay()
{
    // Narrowing the range moves a day past the end to the last day without a signal of its
    // own: the change that caused it reports the new date.
    const QSignalBlocker block(day_);
    day_->setMaximum(static_cast<int>(DaysIn(year(), month())));
}
