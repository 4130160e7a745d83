#include "extras/MyFoto.h"

#include "platform/qt/Application.h"
#include "platform/qt/WindowLayout.h"
#include "platform/widgets/BorderlessWindow.h"
#include "platform/widgets/ColorButton.h"
#include "platform/widgets/FlatButton.h"

#include <QLabel>

QPointer<TMe> Me;

static void LoadExtrasPictures()
{
    Q_INIT_RESOURCE(extras);
}

TMe::TMe(QWidget* parent) : QDialog(parent)
{
    LoadExtrasPictures();
    setObjectName(QStringLiteral("Me"));
    setWindowTitle(QStringLiteral("Me"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(339, 516);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 0));
    setPalette(pal);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(25, 16, 288, 444);
    Image1->setPixmap(QPixmap(QStringLiteral(":/picture-window")));

    dxfColorButton1 =
        PlaceColorButton(this, "dxfColorButton1", QStringLiteral("Симпатично"), {109, 472, 120, 32},
                         PixelFont(QStringLiteral("Comic Sans MS"), 15, true), Qt::blue);
    connect(dxfColorButton1, &ColorButton::clicked, this, Guarded([this] { dxfColorButton1Click(); }));

    Drag = new BodyDrag(this);
    CentreOnScreen(*this);
    FormCreate();
}

void TMe::FormCreate()
{
    ClipToRoundedRect(*this, 40, 40);
}

void TMe::dxfColorButton1Click()
{
    close();
}
