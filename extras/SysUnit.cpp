#include "extras/SysUnit.h"

#include "extras/SystemInfoText.h"
#include "platform/qt/Application.h"
#include "platform/qt/Locale.h"
#include "platform/qt/WindowLayout.h"
#include "platform/widgets/ColorButton.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/GradientProgressBar.h"
#include "platform/widgets/Hints.h"
#include "platform/widgets/Label3D.h"
#include "platform/widgets/ShadowTitleGroupBox.h"

#include <QTimer>

QPointer<TSyst> Syst;

namespace {

const QColor kPurple(128, 0, 128), kOlive(128, 128, 0), kFuchsia(255, 0, 255), kNavy(0, 0, 128),
    kLime(0, 255, 0), kTeal(0, 128, 128), kGreen(0, 128, 0), kRed(255, 0, 0), kBlue(0, 0, 255),
    kYellow(255, 255, 0);

ShadowTitleGroupBox* Box(QWidget* parent, const char* name, const QString& title, QRect place,
                    const QColor& titleColour, const QColor& shadow)
{
    auto* box = new ShadowTitleGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    box->setFont(PixelFont(QStringLiteral("Comic Sans MS"), 12, true));
    box->setTitleColor(titleColour);
    box->setShadowColor(shadow);
    return box;
}

Label3D* Line(ShadowTitleGroupBox* box, const char* name, QRect place, const QColor& text, const QColor& shadow)
{
    auto* label = new Label3D(QLatin1String(name), box);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    label->setTextColor(text);
    label->setShadowColor(shadow);
    label->setDepth(1);
    return label;
}

GradientProgressBar* Gauge(ShadowTitleGroupBox* box, const char* name, QRect place, const QColor& start)
{
    auto* gauge = new GradientProgressBar(box);
    gauge->setObjectName(QLatin1String(name));
    gauge->setGeometry(place);
    gauge->setRange(0, 100);
    gauge->setStartColor(start);
    gauge->setEndColor(Qt::white);
    gauge->setShowPercentage(true);
    gauge->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    return gauge;
}

} // namespace

TSyst::TSyst(QWidget* parent) : QDialog(parent)
{
    SetUpFixedDialog(*this, "Syst", QStringLiteral("О системе..."), {738, 269});
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    move(26, 153);

    dxfGroupBox2 = Box(this, "dxfGroupBox2", QStringLiteral("Использование физической памяти"),
                       {8, 12, 361, 73}, kPurple, kOlive);
    Label3 = Line(dxfGroupBox2, "Label3", {8, 16, 337, 17}, Qt::black, kYellow);
    Gauge1 = Gauge(dxfGroupBox2, "Gauge1", {8, 40, 345, 16}, kPurple);
    HintService::setHint(Gauge1, QStringLiteral("Использование оперативки"));

    dxfGroupBox3 = Box(this, "dxfGroupBox3", QStringLiteral("Использование страничной памяти"),
                       {373, 12, 361, 73}, kRed, kFuchsia);
    Label5 = Line(dxfGroupBox3, "Label5", {8, 16, 337, 17}, Qt::black, kFuchsia);
    HintService::setHint(Label5, QStringLiteral("Использование файла подкачки"));
    Gauge3 = Gauge(dxfGroupBox3, "Gauge3", {8, 35, 345, 16}, kRed);

    dxfGroupBox4 = Box(this, "dxfGroupBox4", QStringLiteral("Использование виртуальной памяти"),
                       {8, 92, 361, 73}, kOlive, kYellow);
    Label7 = Line(dxfGroupBox4, "Label7", {8, 16, 345, 17}, kNavy, kLime);
    Gauge4 = Gauge(dxfGroupBox4, "Gauge4", {8, 40, 345, 16}, kOlive);

    dxfGroupBox5 =
        Box(this, "dxfGroupBox5", QStringLiteral("Использование памяти"), {373, 92, 361, 73}, kTeal, kBlue);
    Label9 = Line(dxfGroupBox5, "Label9", {8, 16, 345, 17}, kBlue, kGreen);
    Gauge2 = Gauge(dxfGroupBox5, "Gauge2", {8, 40, 345, 16}, kTeal);
    HintService::setHint(Gauge2, QStringLiteral("Общее использование ресурсов компьютера..."));

    dxfGroupBox1 =
        Box(this, "dxfGroupBox1", QStringLiteral("Операционная система"), {8, 173, 726, 48}, kBlue, kYellow);
    Label8 = Line(dxfGroupBox1, "Label8", {10, 19, 706, 17}, Qt::black, kFuchsia);
    HintService::setHint(Label8, QStringLiteral("Это напоминание"));

    dxfColorButton1 = PlaceColorButton(this, "dxfColorButton1", QStringLiteral("Круто"), {324, 233, 100, 33},
                                       PixelFont(QStringLiteral("Comic Sans MS"), 19, true), kBlue);
    dxfColorButton1->setCursor(Qt::PointingHandCursor);
    connect(dxfColorButton1, &ColorButton::clicked, this, Guarded([this] { dxfColorButton1Click(); }));

    SystTimer = new QTimer(this);
    SystTimer->setObjectName(QStringLiteral("SystTimer"));
    SystTimer->setInterval(300);
    connect(SystTimer, &QTimer::timeout, this, Guarded([this] { SystTimerTimer(); }));
    SystTimer->start();
}

void TSyst::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    RunGuarded([this] { FormShow(); });
}

void TSyst::FormShow()
{
    Label8->setText(QString::fromStdString(OSVersionText()));
    if (SystTimer)
        SystTimer->start();
}

void TSyst::SystTimerTimer()
{
    const MemoryLines lines = MemoryTexts(CurrentMemory().Status(), ThousandsSeparator());
    Label3->setText(QString::fromStdString(lines.Physical));
    Label5->setText(QString::fromStdString(lines.PageFile));
    Label7->setText(QString::fromStdString(lines.Virtual));
    Label9->setText(QString::fromStdString(lines.Combined));
    Gauge1->setValue(lines.PhysicalPercent);
    Gauge2->setValue(lines.CombinedPercent);
    Gauge3->setValue(lines.PageFilePercent);
    Gauge4->setValue(lines.VirtualPercent);
}

void TSyst::dxfColorButton1Click()
{
    if (SystTimer) {
        SystTimer->stop();
        delete SystTimer.data();
    }
    close();
}
