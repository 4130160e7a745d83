#include "extras/Timer.h"

#include "extras/TimerEndTime.h"
#include "platform/qt/Application.h"
#include "platform/qt/WindowLayout.h"
#include "platform/services/Dialogs.h"
#include "platform/widgets/BorderlessWindow.h"
#include "platform/widgets/ColorButton.h"
#include "platform/widgets/DrumTimer.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/Label3D.h"

#include <QLineEdit>
#include <QPainter>

QPointer<TkTime> kTime;

namespace {

constexpr QChar kBlank = QLatin1Char('_');

Label3D* Caption(QWidget* parent, const char* name, const QString& text, QRect place)
{
    auto* label = new Label3D(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(PixelFont(QStringLiteral("Comic Sans MS"), 11));
    label->setTextColor(Qt::yellow);
    label->setShadowColor(Qt::gray);
    label->setDepth(1);
    return label;
}

// The cross of the close button: a black X on silver.
QIcon CrossGlyph()
{
    QPixmap pixmap(10, 9);
    pixmap.fill(QColor(192, 192, 192));
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawLine(0, 0, 9, 8);
    p.drawLine(1, 0, 9, 7);
    p.drawLine(0, 8, 9, 0);
    p.drawLine(1, 8, 9, 1);
    return QIcon(pixmap);
}

} // namespace

TkTime::TkTime(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("kTime"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(283, 159);
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    // The window wears the colour of an active caption; Qt's nearest system colour is the
    // selection colour, which the desktop themes keep in step with it.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Active, QPalette::Highlight));
    setPalette(pal);
    setAutoFillBackground(true);

    dxfLabel1 = Caption(this, "dxfLabel1", QStringLiteral("Вести отчет до:"), {25, 15, 83, 15});
    dxfLabel2 = Caption(this, "dxfLabel2", QStringLiteral("Текст сообщения:"), {15, 35, 95, 15});

    MaskEdit1 = new QLineEdit(this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setGeometry(125, 10, 51, 21);
    // Every digit may stay blank: a part without digits is found out when START reads it.
    MaskEdit1->setInputMask(QStringLiteral("00:00:00;") + kBlank);
    MaskEdit1->setText(QStringLiteral("  :  :  "));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(125, 30, 51, 21);

    dxfTimer = new DrumTimer(this);
    dxfTimer->setObjectName(QStringLiteral("dxfTimer"));
    dxfTimer->setGeometry(16, 56, 249, 41);
    dxfTimer->setFaceColor(QColor(0, 128, 0));
    dxfTimer->setBorderColor(Qt::yellow);
    dxfTimer->setFont(PixelFont(QStringLiteral("Comic Sans MS"), 21, true));
    connect(dxfTimer, &DrumTimer::endOfTime, this, Guarded([this] { dxfTimerEndOfTime(); }));

    const QFont buttonFont = PixelFont(QStringLiteral("MS Sans Serif"), 11, true);
    dxfColorButton1 =
        PlaceColorButton(this, "dxfColorButton1", QStringLiteral("START"), {16, 104, 81, 33}, buttonFont);
    dxfColorButton2 =
        PlaceColorButton(this, "dxfColorButton2", QStringLiteral("STOP"), {104, 104, 81, 33}, buttonFont);
    dxfColorButton3 =
        PlaceColorButton(this, "dxfColorButton3", QStringLiteral("RESET"), {192, 104, 81, 33}, buttonFont);
    dxfColorButton4 = PlaceColorButton(this, "dxfColorButton4", QString(), {232, 8, 33, 25}, buttonFont);
    dxfColorButton4->setIcon(CrossGlyph());
    dxfColorButton4->setIconSize({10, 9});
    connect(dxfColorButton1, &ColorButton::clicked, this, Guarded([this] { dxfColorButton1Click(); }));
    connect(dxfColorButton2, &ColorButton::clicked, this, Guarded([this] { dxfColorButton2Click(); }));
    connect(dxfColorButton3, &ColorButton::clicked, this, Guarded([this] { dxfColorButton3Click(); }));
    connect(dxfColorButton4, &ColorButton::clicked, this, Guarded([this] { dxfColorButton4Click(); }));

    CentreOnScreen(*this);
    FormCreate();
}

void TkTime::FormCreate()
{
    ClipToRoundedRect(*this, 40, 40);
}

std::string TkTime::EndTimeText() const
{
    QString text = MaskEdit1->displayText();
    text.replace(kBlank, QLatin1Char(' '));
    return text.toStdString();
}

void TkTime::dxfColorButton1Click()
{
    const std::string text = EndTimeText();
    dxfTimer->setEndHour(EndTimePart(text, kEndHourAt));
    dxfTimer->setEndMinute(EndTimePart(text, kEndMinuteAt));
    dxfTimer->setEndSecond(EndTimePart(text, kEndSecondAt));
    dxfTimer->start();
}

void TkTime::dxfColorButton2Click()
{
    dxfTimer->stop();
    MaskEdit1->setEnabled(true);
    Edit1->setEnabled(true);
}

void TkTime::dxfColorButton3Click()
{
    dxfTimer->reset();
}

void TkTime::dxfColorButton4Click()
{
    close();
}

void TkTime::dxfTimerEndOfTime()
{
    CurrentDialogs().Beep();
    CurrentDialogs().Message(Edit1->text().toStdString());
}
