#include "platform/widgets/DrumTimer.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <QVariantAnimation>

namespace {
constexpr int kBorder = 2;
constexpr int kCellGap = 2;
} // namespace

DrumTimer::DrumTimer(QWidget* parent)
    : QWidget(parent), clock_(new QTimer(this)), turn_(new QVariantAnimation(this)),
      shown_(QString::fromStdString(count_.Text())), previous_(shown_)
{
    clock_->setInterval(1000);
    // A coarse timer may fire 5 % early, and a count of seconds should not run fast.
    clock_->setTimerType(Qt::PreciseTimer);
    connect(clock_, &QTimer::timeout, this, &DrumTimer::tick);
    turn_->setStartValue(0.0);
    turn_->setEndValue(1.0);
    turn_->setDuration(250);
    connect(turn_, &QVariantAnimation::valueChanged, this, [this] { update(); });
}

bool DrumTimer::setEndHour(int hours)
{
    return count_.SetEndHour(hours);
}

bool DrumTimer::setEndMinute(int minutes)
{
    return count_.SetEndMinute(minutes);
}

bool DrumTimer::setEndSecond(int seconds)
{
    return count_.SetEndSecond(seconds);
}

void DrumTimer::setFaceColor(const QColor& color)
{
    faceColor_ = color;
    update();
}

void DrumTimer::setBorderColor(const QColor& color)
{
    borderColor_ = color;
    update();
}

void DrumTimer::setDigitColor(const QColor& color)
{
    digitColor_ = color;
    update();
}

void DrumTimer::setTurnDuration(int ms)
{
    turn_->setDuration(qMax(1, ms));
}

void DrumTimer::start()
{
    const int before = count_.Elapsed();
    count_.Start();
    if (count_.Elapsed() != before)
        showCount();
    clock_->start();
}

void DrumTimer::stop()
{
    count_.Stop();
    clock_->stop();
}

void DrumTimer::reset()
{
    count_.Reset();
    // Counting goes on from zero, a full second after the reset.
    if (clock_->isActive())
        clock_->start();
    showCount();
}

void DrumTimer::tick()
{
    const bool ended = count_.Tick();
    if (!count_.Running())
        clock_->stop();
    showCount();
    if (ended)
        emit endOfTime();
}

void DrumTimer::showCount()
{
    const QString text = QString::fromStdString(count_.Text());
    emit countChanged(count_.Elapsed());
    if (text == shown_)
        return;
    previous_ = shown_;
    shown_ = text;
    turn_->stop();
    turn_->start();
    update();
}

void DrumTimer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), borderColor_);
    const QRect face = rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
    painter.fillRect(face, faceColor_.darker(150));

    const int cells = shown_.size();
    if (cells == 0)
        return;
    const int cellWidth = (face.width() - kCellGap * (cells + 1)) / cells;
    const int used = cells * cellWidth + (cells - 1) * kCellGap;
    int x = face.left() + (face.width() - used) / 2;
    const QRect drumBand(face.left(), face.top() + kCellGap, face.width(), face.height() - 2 * kCellGap);
    const double phase =
        turn_->state() == QAbstractAnimation::Running ? turn_->currentValue().toDouble() : 1.0;
    painter.setFont(font());

    for (int i = 0; i < cells; ++i, x += cellWidth + kCellGap) {
        const QRect cell(x, drumBand.top(), cellWidth, drumBand.height());
        const QChar now = shown_.at(i);
        const QChar before = i < previous_.size() ? previous_.at(i) : now;
        if (!now.isDigit()) {
            painter.setPen(digitColor_);
            painter.drawText(cell, Qt::AlignCenter, QString(now));
            continue;
        }
        // The drum: lit in the middle, falling into shadow toward its top and bottom edges.
        QLinearGradient drum(cell.topLeft(), cell.bottomLeft());
        drum.setColorAt(0.0, faceColor_.darker(220));
        drum.setColorAt(0.25, faceColor_);
        drum.setColorAt(0.5, faceColor_.lighter(125));
        drum.setColorAt(0.75, faceColor_);
        drum.setColorAt(1.0, faceColor_.darker(220));
        painter.fillRect(cell, drum);

        painter.save();
        painter.setClipRect(cell);
        painter.setPen(digitColor_);
        if (before != now && phase < 1.0) {
            // The old digit rolls up and out while the new one comes up from below.
            const int shift = qRound(cell.height() * phase);
            painter.drawText(cell.translated(0, -shift), Qt::AlignCenter, QString(before));
            painter.drawText(cell.translated(0, cell.height() - shift), Qt::AlignCenter, QString(now));
        } else {
            painter.drawText(cell, Qt::AlignCenter, QString(now));
        }
        painter.restore();
    }
}
