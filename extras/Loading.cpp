#include "extras/Loading.h"

#include "platform/qt/WindowLayout.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/GradientProgressBar.h"
#include "platform/widgets/Label3D.h"

#include <QFrame>
#include <QLabel>

QPointer<TLOADD> LOADD;

namespace {

QFont ComicBold16()
{
    return PixelFont(QStringLiteral("Comic Sans MS"), 16, true);
}

} // namespace

TLOADD::TLOADD(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("LOADD"));
    setWindowTitle(QStringLiteral("Загрузка"));
    setFixedSize(279, 99);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(rect());

    dxfLabel1 = new Label3D(panel);
    dxfLabel1->setObjectName(QStringLiteral("dxfLabel1"));
    dxfLabel1->setGeometry(8, 8, 209, 33);
    dxfLabel1->setFont(ComicBold16());
    dxfLabel1->setTextColor(Qt::blue);
    dxfLabel1->setShadowStyle(Label3D::Fun);
    dxfLabel1->setDirection(Label3D::LowerRight);
    dxfLabel1->setDepth(7);
    dxfLabel1->setShadowColor(QColor(128, 128, 0));

    Image1 = new QLabel(panel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(224, 8, 33, 33);
    Image1->setPixmap(QPixmap(QStringLiteral(":/splash-picture")));

    Label1 = new QLabel(QStringLiteral("Гружусь!!!"), panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(ComicBold16());
    SetTextColor(Label1, Qt::red);
    Label1->move(8, 44);
    Label1->adjustSize();

    dxfProgressBar1 = new GradientProgressBar(panel);
    dxfProgressBar1->setObjectName(QStringLiteral("dxfProgressBar1"));
    dxfProgressBar1->setGeometry(8, 72, 257, 16);
    dxfProgressBar1->setRange(0, 100);
    dxfProgressBar1->setValue(0);
    dxfProgressBar1->setStartColor(QColor(0, 0, 128));
    dxfProgressBar1->setEndColor(Qt::white);
    dxfProgressBar1->setShowPercentage(true);

    CentreOnScreen(*this);
}
