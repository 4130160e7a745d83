#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QTimer;
class QWidget;

// Rolls a fixed-size window up until only a strip at the top of its client area is left, and
// back down. The window manager keeps the caption above that strip. A child may be named to
// stay visible while rolled (the status bar): it rides up with the bottom edge and sits right
// under the strip.
//
// The height changes in timer steps so the window keeps answering while it rolls. A roll
// that is asked for mid-way turns round from the height reached so far.
class FormRoller : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxSpeed = 10;
    static constexpr int StepIntervalMs = 15;
    static constexpr int MsPerSpeedUnit = 50;

    explicit FormRoller(QWidget* window);

    // 0 rolls at once; otherwise a full roll takes speed x 50 ms, so 10 (half a second) is
    // the slowest. Values outside 0..10 are clamped.
    void setAnimateSpeed(int speed);
    int animateSpeed() const { return speed_; }

    // The height of the client area left above the kept child when rolled; 0 by default.
    void setRolledHeight(int px);
    int rolledHeight() const { return rolledHeight_; }

    // A direct child that stays visible under the strip; nullptr for none. Taken up by the
    // next roll that starts from the unrolled window.
    void setKeepVisible(QWidget* child);
    QWidget* keepVisible() const;

    // The state asked for last: true from the moment a roll starts.
    bool isRolled() const { return rolled_; }
    bool isAnimating() const;

    QString rollHint() const;
    QString unrollHint() const;
    // The text of the command that toggles: it offers what toggling would do now.
    QString commandHint() const { return rolled_ ? unrollHint() : rollHint(); }

public slots:
    void roll();
    void unroll();
    void toggle();

signals:
    void rolledChanged(bool rolled);

private:
    void save();
    int rolledTotalHeight() const;
    int targetHeight() const;
    void start();
    void step();
    void applyHeight(int height);
    void finishUnroll();

    QWidget* window_;
    QTimer* timer_;
    QPointer<QWidget> keep_;
    int speed_ = 0;
    int rolledHeight_ = 0;
    bool rolled_ = false;

    // The unrolled window, remembered when a roll starts from it.
    bool saved_ = false;
    QPointer<QWidget> kept_;
    int fullHeight_ = 0;
    int minHeight_ = 0;
    int maxHeight_ = 0;
    int keepY_ = 0;
    QPointer<QWidget> keepAbove_;
    bool layoutWasEnabled_ = false;

    int fromHeight_ = 0;
    int stepIndex_ = 0;
    int stepCount_ = 0;
};
