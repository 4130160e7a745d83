#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>

class QHelpEvent;
class QPoint;
class QString;
class QWidget;
class HintBalloon;

// The application's hint machinery. It takes over the tool-tip events of every widget: a widget's
// hint (its toolTip, or failing that the nearest parent's within the window) appears as a standard
// tool tip, or as a balloon when the widget's window carries an active BalloonHints.
// The delay before a hint follows hintPause: the service wraps the application style in a proxy that
// answers the tool-tip wake-up delay, and wraps again whenever someone replaces the style. It must
// start (Instance()) before any application style sheet is set; see ensureStyle.
class HintService : public QObject {
    Q_OBJECT

public:
    static HintService& Instance();

    // Sets the toolTip (for the hint) and the statusTip (for a status bar following the mouse).
    static void setHint(QWidget* widget, const QString& text);

    int hintPause() const { return hintPause_; }
    void setHintPause(int ms);
    // How long a standard hint stays up; a balloon has its own time.
    int hintHidePause() const { return hintHidePause_; }
    void setHintHidePause(int ms) { hintHidePause_ = qMax(0, ms); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit HintService(QObject* parent);
    void ensureStyle();
    void showHint(QWidget* widget, const QHelpEvent& event);

    int hintPause_ = 500;
    int hintHidePause_ = 2500;
    bool styleCheckPending_ = false;
};

// Balloon hints for one window (the parent): hints of the window's controls appear in a rounded
// pale-yellow balloon pointing at the mouse. The balloon goes away after hintPauseTime, on any mouse
// press or key press, or when the mouse leaves the control.
class BalloonHints : public QObject {
    Q_OBJECT

public:
    explicit BalloonHints(QWidget* window);
    ~BalloonHints() override;

    // The BalloonHints placed on `window`, if any.
    static BalloonHints* of(const QWidget* window);

    bool hintActive() const { return active_; }
    void setHintActive(bool active);
    int cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(int radius) { cornerRadius_ = qMax(0, radius); }
    int balloonWidth() const { return balloonWidth_; }
    void setBalloonWidth(int width) { balloonWidth_ = qMax(2 * cornerRadius_ + 8, width); }
    QFont font() const { return font_; }
    void setFont(const QFont& font) { font_ = font; }
    int hintPauseTime() const { return hintPauseTime_; }
    void setHintPauseTime(int ms) { hintPauseTime_ = qMax(0, ms); }

    // Shows `text` in a balloon pointing at `globalPos`, kept while the mouse stays on `widget`.
    void showBalloon(QWidget* widget, const QPoint& globalPos, const QString& text);
    void hideBalloon();
    // The balloon on screen, or nullptr.
    QWidget* currentBalloon() const;
    QString currentText() const;

private:
    bool active_ = true;
    int cornerRadius_ = 18;
    int balloonWidth_ = 250;
    QFont font_;
    int hintPauseTime_ = 3000;
    QPointer<HintBalloon> balloon_;
};
