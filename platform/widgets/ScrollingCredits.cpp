#include "platform/widgets/ScrollingCredits.h"

#include <QPainter>
#include <QTimer>

namespace {
constexpr int kMargin = 6;
constexpr int kEntrySpacing = 10;
constexpr int kTextFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
} // namespace

ScrollingCredits::ScrollingCredits(QWidget* parent) : QWidget(parent), timer_(new QTimer(this))
{
    timer_->setInterval(25);
    connect(timer_, &QTimer::timeout, this, &ScrollingCredits::step);
}

void ScrollingCredits::setEntries(const QList<Entry>& entries)
{
    entries_ = entries;
    update();
}

void ScrollingCredits::setFillColor(const QColor& color)
{
    fillColor_ = color;
    update();
}

int ScrollingCredits::interval() const
{
    return timer_->interval();
}

void ScrollingCredits::setInterval(int ms)
{
    timer_->setInterval(ms);
}

bool ScrollingCredits::isScrolling() const
{
    return timer_->isActive();
}

void ScrollingCredits::setScrolling(bool on)
{
    if (on)
        timer_->start();
    else
        timer_->stop();
}

void ScrollingCredits::setOffset(int offset)
{
    offset_ = offset;
    update();
}

int ScrollingCredits::entryHeight(const Entry& entry) const
{
    const QFontMetrics fm(entry.font);
    return fm.boundingRect(QRect(0, 0, qMax(1, width() - 2 * kMargin), 100000), kTextFlags, entry.text)
        .height();
}

int ScrollingCredits::contentHeight() const
{
    int height = 0;
    for (const Entry& entry : entries_)
        height += entryHeight(entry) + kEntrySpacing;
    return height;
}

void ScrollingCredits::step()
{
    // The text has gone once the whole of it is above the top edge.
    if (++offset_ > height() + contentHeight())
        offset_ = 0;
    update();
}

void ScrollingCredits::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), fillColor_);
    int y = height() - offset_;
    for (const Entry& entry : entries_) {
        const int h = entryHeight(entry);
        if (y + h > 0 && y < height()) {
            painter.setFont(entry.font);
            painter.setPen(entry.color);
            painter.drawText(QRect(kMargin, y, width() - 2 * kMargin, h), kTextFlags, entry.text);
        }
        y += h + kEntrySpacing;
    }
}
