#pragma once
// The countdown timer: counts up on a drum display to the time typed in, then beeps and
// shows the message typed in. A borderless window with rounded corners.

#include <QDialog>
#include <QPointer>

class ColorButton;
class DrumTimer;
class Label3D;
class QLineEdit;

class TkTime : public QDialog {
    Q_OBJECT
  public:
    explicit TkTime(QWidget* parent = nullptr);

    void FormCreate();
    void dxfColorButton1Click();
    void dxfColorButton2Click();
    void dxfColorButton3Click();
    void dxfColorButton4Click();
    void dxfTimerEndOfTime();

    // The end-time field as the user sees it, with blank positions as spaces: "  :  :  ".
    std::string EndTimeText() const;

    Label3D* dxfLabel1 = nullptr;
    Label3D* dxfLabel2 = nullptr;
    QLineEdit* MaskEdit1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    DrumTimer* dxfTimer = nullptr;
    ColorButton* dxfColorButton1 = nullptr;
    ColorButton* dxfColorButton2 = nullptr;
    ColorButton* dxfColorButton3 = nullptr;
    ColorButton* dxfColorButton4 = nullptr;
};

extern QPointer<TkTime> kTime;
