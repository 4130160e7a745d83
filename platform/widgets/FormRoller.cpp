#include "platform/widgets/FormRoller.h"

#include <QLayout>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>

FormRoller::FormRoller(QWidget* window) : QObject(window), window_(window), timer_(new QTimer(this))
{
    timer_->setInterval(StepIntervalMs);
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &FormRoller::step);
}

void FormRoller::setAnimateSpeed(int speed)
{
    speed_ = std::clamp(speed, 0, MaxSpeed);
}

void FormRoller::setRolledHeight(int px)
{
    rolledHeight_ = std::max(0, px);
}

void FormRoller::setKeepVisible(QWidget* child)
{
    // Its position is set in the window's coordinates, which only a direct child shares.
    Q_ASSERT(!child || child->parentWidget() == window_);
    keep_ = child;
}

QWidget* FormRoller::keepVisible() const
{
    return keep_;
}

bool FormRoller::isAnimating() const
{
    return timer_->isActive();
}

QString FormRoller::rollHint() const
{
    return QStringLiteral("Начальник идет?");
}

QString FormRoller::unrollHint() const
{
    return QStringLiteral("Ну что, ушел?");
}

void FormRoller::roll()
{
    if (rolled_)
        return;
    if (!saved_)
        save();
    rolled_ = true;
    emit rolledChanged(true);
    start();
}

void FormRoller::unroll()
{
    if (!rolled_)
        return;
    rolled_ = false;
    emit rolledChanged(false);
    start();
}

void FormRoller::toggle()
{
    if (rolled_)
        unroll();
    else
        roll();
}

void FormRoller::save()
{
    saved_ = true;
    fullHeight_ = window_->height();
    minHeight_ = window_->minimumHeight();
    maxHeight_ = window_->maximumHeight();
    // A layout would squeeze the children into the shrinking window instead of letting the
    // bottom edge cover them.
    layoutWasEnabled_ = false;
    if (QLayout* layout = window_->layout()) {
        layoutWasEnabled_ = layout->isEnabled();
        layout->setEnabled(false);
    }
    kept_ = keep_;
    keepAbove_ = nullptr;
    if (kept_) {
        keepY_ = kept_->y();
        const QObjectList& siblings = window_->children();
        for (qsizetype i = siblings.indexOf(kept_) + 1; i < siblings.size() && !keepAbove_; ++i) {
            if (siblings[i]->isWidgetType())
                keepAbove_ = static_cast<QWidget*>(siblings[i]);
        }
        // It slides over the children it passes on its way up.
        kept_->raise();
    }
}

int FormRoller::rolledTotalHeight() const
{
    return std::min(fullHeight_, rolledHeight_ + (kept_ ? kept_->height() : 0));
}

int FormRoller::targetHeight() const
{
    return rolled_ ? rolledTotalHeight() : fullHeight_;
}

void FormRoller::start()
{
    const int target = targetHeight();
    const int current = window_->height();
    if (speed_ == 0 || current == target) {
        timer_->stop();
        applyHeight(target);
        if (!rolled_)
            finishUnroll();
        return;
    }
    // A roll turned round mid-way takes the share of the full time that its distance is.
    const int fullSpan = std::max(1, fullHeight_ - rolledTotalHeight());
    const double fullSteps = double(speed_) * MsPerSpeedUnit / StepIntervalMs;
    stepCount_ = std::max(1, int(std::ceil(fullSteps * std::abs(target - current) / fullSpan)));
    fromHeight_ = current;
    stepIndex_ = 0;
    timer_->start();
}

void FormRoller::step()
{
    ++stepIndex_;
    const int target = targetHeight();
    applyHeight(fromHeight_ + int(std::lround(double(target - fromHeight_) * stepIndex_ / stepCount_)));
    if (stepIndex_ < stepCount_)
        return;
    timer_->stop();
    if (!rolled_)
        finishUnroll();
}

void FormRoller::applyHeight(int height)
{
    window_->setFixedHeight(height);
    if (kept_)
        kept_->move(kept_->x(), std::min(keepY_, height - kept_->height()));
}

void FormRoller::finishUnroll()
{
    if (!saved_)
        return;
    saved_ = false;
    // Maximum first, so that the old minimum is never above the maximum in between.
    window_->setMaximumHeight(maxHeight_);
    window_->setMinimumHeight(minHeight_);
    window_->resize(window_->width(), fullHeight_);
    if (kept_) {
        kept_->move(kept_->x(), keepY_);
        if (keepAbove_)
            kept_->stackUnder(keepAbove_);
    }
    if (QLayout* layout = window_->layout(); layout && layoutWasEnabled_) {
        layout->setEnabled(true);
        layout->activate();
    }
    kept_ = nullptr;
}
