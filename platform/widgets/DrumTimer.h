#pragma once

#include "platform/timer/TimerCount.h"

#include <QColor>
#include <QString>
#include <QWidget>

class QTimer;
class QVariantAnimation;

// A count-up timer that shows its count as "hh:nn:ss" on revolving drums: each digit sits on
// a drum that turns to the next digit when the count moves. Counts once a second while
// running; when the count reaches a nonzero end time it stops itself and then emits
// endOfTime(). The counting rules are TimerCount's.
class DrumTimer : public QWidget {
    Q_OBJECT

  public:
    explicit DrumTimer(QWidget* parent = nullptr);

    const TimerCount& count() const { return count_; }
    // The end-time parts, each accepted only while the whole stays under 24 hours.
    bool setEndHour(int hours);
    bool setEndMinute(int minutes);
    bool setEndSecond(int seconds);

    bool isRunning() const { return count_.Running(); }
    QString text() const { return QString::fromStdString(count_.Text()); }

    QColor faceColor() const { return faceColor_; }
    void setFaceColor(const QColor& color);
    QColor borderColor() const { return borderColor_; }
    void setBorderColor(const QColor& color);
    QColor digitColor() const { return digitColor_; }
    void setDigitColor(const QColor& color);

    // Milliseconds a drum takes to turn to the next digit.
    void setTurnDuration(int ms);

  public slots:
    void start();
    void stop();
    void reset();
    // One second of counting; the internal clock calls it while running.
    void tick();

  signals:
    void countChanged(int seconds);
    void endOfTime();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void showCount();

    TimerCount count_;
    QTimer* clock_ = nullptr;
    QVariantAnimation* turn_ = nullptr;
    QString shown_;    // what the drums show
    QString previous_; // what they show while turning away from it
    QColor faceColor_{0, 128, 0};
    QColor borderColor_{255, 255, 0};
    QColor digitColor_{255, 255, 255};
};
