#pragma once
// The about window: the program's name, version and release date, how to reach and support
// its makers, the start counter and a panel of rolling credits. Borderless, rounded,
// dragged by its body.

#include <QDialog>
#include <QPointer>

class BodyDrag;
class ColorButton;
class FlatButton;
class Label3D;
class QFrame;
class QLabel;
class ScrollingCredits;

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    void FormCreate();
    void dxfLabel1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void dxfColorButton1Click();

    QFrame* Panel1 = nullptr;
    Label3D* dxfLabel1 = nullptr;
    Label3D* Version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Comments = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    FlatButton* SpeedButton4 = nullptr;
    FlatButton* SpeedButton5 = nullptr;
    FlatButton* SpeedButton6 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label3 = nullptr;
    FlatButton* SpeedButton1 = nullptr;
    QLabel* Label5 = nullptr;
    FlatButton* SpeedButton2 = nullptr;
    QLabel* Label2 = nullptr;
    FlatButton* SpeedButton3 = nullptr;
    QFrame* Panel2 = nullptr;
    ScrollingCredits* abfCredits1 = nullptr;
    ColorButton* dxfColorButton1 = nullptr;
    QLabel* Label7 = nullptr;
    Label3D* dxfLabel2 = nullptr;
    QLabel* Label1 = nullptr;
    BodyDrag* Drag = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLeftPanel();
    void BuildCredits();
};

extern QPointer<TAboutBox> AboutBox;
