#pragma once
// The splash window shown while the long-lived windows are created.

#include <QPointer>
#include <QWidget>

class GradientProgressBar;
class Label3D;
class QLabel;

class TLOADD : public QWidget {
    Q_OBJECT
public:
    explicit TLOADD(QWidget* parent = nullptr);

    Label3D* dxfLabel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    GradientProgressBar* dxfProgressBar1 = nullptr;
};

extern QPointer<TLOADD> LOADD;
