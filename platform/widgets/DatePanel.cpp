#include "platform/widgets/DatePanel.h"

#include "platform/services/Clock.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace {

using namespace std::chrono;

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

// A valid date as near to the one given as the calendar allows.
year_month_day Valid(year_month_day date)
{
    const int y = std::clamp(static_cast<int>(date.year()), kFirstYear, kLastYear);
    const unsigned m = std::clamp(static_cast<unsigned>(date.month()), 1u, 12u);
    const year_month ym{year{y}, month{m}};
    const unsigned last = static_cast<unsigned>((ym / std::chrono::last).day());
    const unsigned d = std::clamp(static_cast<unsigned>(date.day()), 1u, last);
    return ym / day{d};
}

} // namespace

DatePanel::DatePanel(QWidget* parent)
    : QWidget(parent), day_(new QSpinBox(this)), month_(new QComboBox(this)), year_(new QSpinBox(this)),
      date_(Valid(year_month_day{floor<days>(CurrentClock().Now())}))
{
    day_->setObjectName(QStringLiteral("Day"));
    month_->setObjectName(QStringLiteral("Month"));
    year_->setObjectName(QStringLiteral("Year"));
    month_->addItems({QStringLiteral("Января"), QStringLiteral("Февраля"), QStringLiteral("Марта"),
                      QStringLiteral("Апреля"), QStringLiteral("Мая"), QStringLiteral("Июня"),
                      QStringLiteral("Июля"), QStringLiteral("Августа"), QStringLiteral("Сентября"),
                      QStringLiteral("Октября"), QStringLiteral("Ноября"), QStringLiteral("Декабря")});
    month_->setMaxVisibleItems(12);
    year_->setRange(kFirstYear, kLastYear);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(day_, 2);
    row->addWidget(month_, 5);
    row->addWidget(year_, 3);
    showDate();

    // The fields are read together, so that a day beyond the new month's end is pulled in
    // before anyone hears of the change.
    auto fromFields = [this] {
        adopt(Valid(year{year_->value()} / month{static_cast<unsigned>(month_->currentIndex() + 1)} /
                    day{static_cast<unsigned>(day_->value())}));
    };
    connect(day_, &QSpinBox::valueChanged, this, fromFields);
    connect(month_, &QComboBox::currentIndexChanged, this, fromFields);
    connect(year_, &QSpinBox::valueChanged, this, fromFields);
}

year_month_day DatePanel::date() const
{
    return date_;
}

void DatePanel::setDate(year_month_day date)
{
    adopt(Valid(date));
}

void DatePanel::adopt(year_month_day date)
{
    const bool changedNow = date != date_;
    date_ = date;
    showDate();
    if (changedNow)
        emit changed();
}

void DatePanel::showDate()
{
    const QSignalBlocker blockDay(day_), blockMonth(month_), blockYear(year_);
    const year_month ym{date_.year(), date_.month()};
    day_->setRange(1, static_cast<int>(static_cast<unsigned>((ym / std::chrono::last).day())));
    day_->setValue(static_cast<int>(static_cast<unsigned>(date_.day())));
    month_->setCurrentIndex(static_cast<int>(static_cast<unsigned>(date_.month())) - 1);
    year_->setValue(static_cast<int>(date_.year()));
}
