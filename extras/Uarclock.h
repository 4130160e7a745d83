#pragma once
// The analog clock. Its geometry and the hands' angles belong to the module and are shared
// by every clock window: any clock's timer moves the hands of the most recently created
// clock window (the one Clock1 names), which draws them from the next tick after it is
// shown.

#include "extras/ClockGeometry.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QPainter;
class QTimer;

class TClock1 : public QDialog {
    Q_OBJECT
  public:
    explicit TClock1(QWidget* parent = nullptr);

    void FormShow();
    void Timer1Timer();
    void FormClose();
    // The three hands at the shared angles, in `colour`.
    void ArrowDraw(QPainter& painter, const QColor& colour) const;

    // Whether a tick has come since the window was last shown, so the hands are drawn.
    bool HandsShown() const { return handsShown_; }

    QLabel* Label1 = nullptr;
    QTimer* Timer1 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void DrawDial(QPainter& painter) const;
    void ShowHands();

    bool handsShown_ = false;
};

// The most recently created clock window.
extern QPointer<TClock1> Clock1;

// The module's geometry (set by the last showing) and angles (set by the last tick).
const ClockGeometry& SharedClockGeometry();
const HandAngles& SharedHandAngles();
