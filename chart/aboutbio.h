#pragma once
// The biorhythm chart: the current person's three rhythms and their mean over the 34 days
// around a chosen date. The chart is drawn whole into BioBitmap (chart/ChartGeometry.h says
// where every pixel goes) and copied to the screen in one piece, so stepping the date five
// times a second never shows a half-drawn chart. Each drawing writes the day count it used
// into CurrentCalcState.DaysLived.

#include "chart/ChartGeometry.h"

#include <QDialog>
#include <QImage>
#include <QPointer>

class DatePanel;
class FlatButton;
class Label3D;
class QFrame;
class QLabel;
class QTimer;

class TBio : public QDialog {
    Q_OBJECT
public:
    explicit TBio(QWidget* parent = nullptr);

    void FormCreate();
    void FormActivate();
    void abfDatePanel1Change();
    // Draws the chart: into BioBitmap, and onto the screen when the window is shown.
    void FormPaint();
    void SpeedButton1MouseDown();
    void SpeedButton1MouseUp();
    void SpeedButton2MouseDown();
    void SpeedButton2MouseUp();
    void BioTimerIncTimer();
    void BioTimerDecTimer();
    void SpeedButton3Click();
    void FormClose();

    // Closing the window, by any way, ends here.
    void done(int result) override;

    QImage BioBitmap;

    QFrame* Bevel2 = nullptr;
    QWidget* PaintBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    FlatButton* SpeedButton3 = nullptr;
    FlatButton* SpeedButton2 = nullptr;
    DatePanel* abfDatePanel1 = nullptr;
    FlatButton* SpeedButton1 = nullptr;
    QFrame* Bevel1 = nullptr;
    Label3D* dxfLabel1 = nullptr;
    Label3D* dxfLabel2 = nullptr;
    Label3D* dxfLabel3 = nullptr;
    Label3D* dxfLabel4 = nullptr;
    QTimer* BioTimerInc = nullptr;
    QTimer* BioTimerDec = nullptr;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DrawCurve(ChartCurve kind, PixelCanvas& canvas, int W, int H);
    void DrawBioBitmap();

    bool bitmapDrawn_ = false;
};

extern QPointer<TBio> Bio;
