#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QTimer;
class QWidget;

// Plays a window's picture assembling itself when the window appears and coming apart before
// it goes. An overlay child covers the window for the length of the play and paints the
// window's picture, grabbed when the play starts, frame by frame; then it removes itself.
//
// A play is FrameCount frames of (BaseFrameMs + delay) ms each, stepped by a timer so the
// window keeps answering. A play started while another runs ends that one first (an ended
// hide still gets its done called).
class ShowHideAnimation : public QObject {
    Q_OBJECT
public:
    enum class Effect {
        Random,
        Spin,          // the picture turns once while it grows from the centre
        Vortex,        // pieces swirl in several turns, the outer ones turning most
        ScatterGather, // pieces fly in from scattered places
        Spike,         // strips slide in from the sides, the middle ones first
        Fireworks,     // pieces shoot out of the centre and curve into place
    };
    Q_ENUM(Effect)

    static constexpr int FrameCount = 16;
    static constexpr int BaseFrameMs = 10;
    static constexpr int MaxDelay = 65535;

    explicit ShowHideAnimation(QWidget* window);
    ~ShowHideAnimation() override;

    void setEffect(Effect effect);
    Effect effect() const { return effect_; }
    // Plays the show on each show event of the window (not when it comes back from minimized).
    void setAnimateOnShow(bool on);
    bool animateOnShow() const { return animateOnShow_; }
    void setAnimateOnHide(bool on);
    bool animateOnHide() const { return animateOnHide_; }
    // Milliseconds added to each frame; clamped to 0..MaxDelay.
    void setDelay(int ms);
    int delay() const { return delay_; }
    int frameInterval() const { return BaseFrameMs + delay_; }

    void playShow();
    // Plays the window coming apart, then calls done (which really hides or closes the
    // window). Without the hide animation, or for a window not on screen, done is called at
    // once. Not called if this object is destroyed first.
    void playHide(std::function<void()> done);

    bool isRunning() const;
    // The effect of the running or last play: Random resolved to one of the others.
    Effect playedEffect() const { return played_; }
    // How much of the picture is in place: rises to 1 while showing and falls towards 0 while
    // hiding; 1 when nothing runs.
    double progress() const;

signals:
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start(bool showing, std::function<void()> done);
    void advance();
    // Ends a running play; false if that destroyed this object.
    bool endRunning();
    void finish();

    QWidget* window_;
    QTimer* timer_;
    Effect effect_ = Effect::Random;
    Effect played_ = Effect::Spin;
    bool animateOnShow_ = false;
    bool animateOnHide_ = false;
    int delay_ = 0;

    QPointer<QWidget> overlay_;
    bool showing_ = true;
    int frame_ = 0;
    std::function<void()> done_;
};
