#pragma once
// The picture window: an illustration on a green, rounded, borderless window, dragged by
// its body. Made at start-up and shown by no command.

#include <QDialog>
#include <QPointer>

class BodyDrag;
class ColorButton;
class QLabel;

class TMe : public QDialog {
    Q_OBJECT
  public:
    explicit TMe(QWidget* parent = nullptr);

    void FormCreate();
    void dxfColorButton1Click();

    QLabel* Image1 = nullptr;
    ColorButton* dxfColorButton1 = nullptr;
    BodyDrag* Drag = nullptr;
};

extern QPointer<TMe> Me;
