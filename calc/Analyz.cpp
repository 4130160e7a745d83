#include "calc/Analyz.h"

#include "app/main.h"
#include "data/Tools.h"
#include "platform/qt/Application.h"
#include "platform/qt/WindowLayout.h"
#include "platform/widgets/FlatButton.h"

#include <QLabel>
#include <QPainter>

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
    SetUpFixedDialog(*this, "Analys", QStringLiteral("Ваш диагноз"), {297, 337});

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(5, 0, 286, 296);
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFont(PixelFont(QStringLiteral("Comic Sans MS"), 11));
    SetTextColor(Label1, QColor(128, 0, 0));

    panel1 = BottomPanel(*this, 41);

    SpeedButton1 = PlaceFlatButton(panel1, "SpeedButton1", QStringLiteral("Понял"), QStringLiteral("Точно всё понял?"),
                                   {112, 8, 65, 25}, PixelFont(QStringLiteral("Comic Sans MS"), 13, true),
                                   QColor(128, 0, 0));
    SpeedButton2 = PlaceFlatButton(panel1, "SpeedButton2", QString(), QStringLiteral("Скопировать в буфер, однако!!!"),
                                   {width() - 23 - 8, 10, 23, 22}, font());
    SpeedButton2->setIcon(CopyGlyph());

    connect(SpeedButton1, &FlatButton::clicked, this, Guarded([this] { SpeedButton1Click(); }));
    connect(SpeedButton2, &FlatButton::clicked, this, Guarded([this] { SpeedButton2Click(); }));
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
