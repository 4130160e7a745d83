#include "calc/Analyz.h"

#include "app/main.h"
#include "data/Tools.h"
#include "platform/qt/Application.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/Hints.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QGuiApplication>
#include <QScreen>

QPointer<TAnalys> Analys;

namespace {

// A clipboard with a page behind it, drawn for the copy button.
QIcon CopyGlyph()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(5, 1, 9, 11);
    p.setBrush(QColor(255, 250, 205));
    p.drawRect(1, 4, 9, 11);
    p.setPen(QColor(128, 0, 0));
    for (int y = 7; y <= 12; y += 2)
        p.drawLine(3, y, 8, y);
    return QIcon(pixmap);
}

} // namespace

TAnalys::TAnalys(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Analys"));
    setWindowTitle(QStringLiteral("Ваш диагноз"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(297, 337);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(5, 0, 286, 296);
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(11);
    Label1->setFont(font);
    Label1->setStyleSheet(QStringLiteral("color: maroon;"));

    panel1 = new QFrame(this);
    panel1->setObjectName(QStringLiteral("panel1"));
    panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel1->setGeometry(0, height() - 41, width(), 41);

    SpeedButton1 = new FlatButton(panel1);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Понял"));
    QFont buttonFont(QStringLiteral("Comic Sans MS"));
    buttonFont.setPixelSize(13);
    buttonFont.setBold(true);
    SpeedButton1->setFont(buttonFont);
    SpeedButton1->setTextColor(QColor(128, 0, 0));
    SpeedButton1->setCursor(Qt::PointingHandCursor);
    SpeedButton1->setGeometry(112, 8, 65, 25);
    HintService::setHint(SpeedButton1, QStringLiteral("Точно всё понял?"));

    SpeedButton2 = new FlatButton(panel1);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setIcon(CopyGlyph());
    SpeedButton2->setGeometry(width() - 23 - 8, 10, 23, 22);
    SpeedButton2->setCursor(Qt::PointingHandCursor);
    HintService::setHint(SpeedButton2, QStringLiteral("Скопировать в буфер, однако!!!"));

    connect(SpeedButton1, &FlatButton::clicked, this, Guarded([this] { SpeedButton1Click(); }));
    connect(SpeedButton2, &FlatButton::clicked, this, Guarded([this] { SpeedButton2Click(); }));

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TAnalys::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    RunGuarded([this] { FormShow(); });
}

void TAnalys::FormShow()
{
    Label1->setText(QString::fromStdString(CurrentCalcState.DiagnosisText));
}

void TAnalys::SpeedButton1Click()
{
    close();
}

void TAnalys::SpeedButton2Click()
{
    CopyTextToClipboard(Label1->text().toStdString());
}
