#include "chart/aboutbio.h"

#include "app/main.h"
#include "platform/qt/Application.h"
#include "platform/qt/WindowLayout.h"
#include "platform/services/Dialogs.h"
#include "platform/widgets/DatePanel.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/Hints.h"
#include "platform/widgets/Label3D.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

QPointer<TBio> Bio;

namespace {

constexpr int kStepInterval = 200;
constexpr int kHintHidePauseOpen = 30000;
constexpr int kHintHidePauseClosed = 3000;

const QString kChartHint = QStringLiteral(
    "Итак, это - график биоритмов... Каждый биоритм имеет свой цвет, есть черная пунктирная линия - это график "
    "вашего общего благосостояния. Вертикальная пунктирная полоса, пересекает каждый график, в какой-то точке (Она "
    "выделена), это, соответственно, ваше сегодняшнее состояние, по данному биоритму. Т.к. график, отражает "
    "зависимость между датой и биоритмом, то это очень удобная штука... Сразу видно, что с вами будет в ближайшем "
    "будущем, т.е. падает график, или растет и.т.д.  Также по многочисленным просьбам, появилась возможность "
    "распечатать графики...");

// The surface the finished chart is copied to; it draws nothing of its own.
class ChartSurface final : public QWidget {
public:
    ChartSurface(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (image_.isNull())
            return;
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), image_, QRect(0, 0, width(), height()));
    }

private:
    const QImage& image_;
};

QLabel* ScaleLabel(QWidget* parent, const char* name, const QString& text, QPoint place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(PixelFont(QStringLiteral("Verdana"), 11, true));
    SetTextColor(label, Qt::red);
    label->move(place);
    label->adjustSize();
    return label;
}

Label3D* LegendLabel(QWidget* parent, const char* name, const QString& text, QRect place, const QColor& shadow)
{
    auto* label = new Label3D(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    label->setDepth(1);
    label->setDirection(Label3D::LowerRight);
    label->setShadowColor(shadow);
    label->setTextColor(Qt::black);
    label->setGeometry(place);
    return label;
}

std::chrono::year_month_day Today()
{
    return std::chrono::year_month_day{std::chrono::floor<std::chrono::days>(CurrentClock().Now())};
}

std::chrono::year_month_day BirthDate()
{
    return std::chrono::year{CurrentProfile.Year} / std::chrono::month{CurrentProfile.Month} /
           std::chrono::day{CurrentProfile.Day};
}

} // namespace

TBio::TBio(QWidget* parent) : QDialog(parent)
{
    SetUpFixedDialog(*this, "Bio", QStringLiteral("Подробнее о биоритмах..."), {523, 266});
    setWindowFlag(Qt::WindowMinimizeButtonHint);

    Bevel2 = new QFrame(this);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel2->setGeometry(29, 34, 478, 128);
    HintService::setHint(Bevel2, kChartHint);
    // Inside the frame, the chart shows the frame's hint when the mouse rests on it.
    PaintBox1 = new ChartSurface(BioBitmap, Bevel2);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(1, 1, kChartWidth, kChartHeight);

    Label1 = ScaleLabel(this, "Label1", QStringLiteral("HI"), {5, 40});
    Label3 = ScaleLabel(this, "Label3", QStringLiteral("0"), {5, 90});
    Label2 = ScaleLabel(this, "Label2", QStringLiteral("LO"), {5, 145});

    const QFont buttonFont = PixelFont(QStringLiteral("Comic Sans MS"), 13, true);
    SpeedButton3 = PlaceFlatButton(this, "SpeedButton3", QStringLiteral("ПЕЧАТЬ"), QString(), {30, 170, 81, 22},
                                   buttonFont, Qt::red);
    SpeedButton2 = PlaceFlatButton(this, "SpeedButton2", QStringLiteral("<"), QStringLiteral("На день назад!!!"),
                                   {135, 170, 23, 22}, buttonFont, Qt::blue);
    abfDatePanel1 = new DatePanel(this);
    abfDatePanel1->setObjectName(QStringLiteral("abfDatePanel1"));
    abfDatePanel1->setGeometry(170, 170, 200, 21);
    abfDatePanel1->setMonthNames({QStringLiteral("Январь"), QStringLiteral("Февраль"), QStringLiteral("Март"),
                                  QStringLiteral("Апрель"), QStringLiteral("Май"), QStringLiteral("Июнь"),
                                  QStringLiteral("Июль"), QStringLiteral("Август"), QStringLiteral("Сентябрь"),
                                  QStringLiteral("Октябрь"), QStringLiteral("Ноябрь"), QStringLiteral("Декабрь")});
    abfDatePanel1->setDate(Today());
    // The date is what the keyboard works on here, not the print button that comes first.
    abfDatePanel1->setFocus();
    SpeedButton1 = PlaceFlatButton(this, "SpeedButton1", QStringLiteral(">"), QStringLiteral("На день вперед!!!"),
                                   {380, 170, 23, 22}, buttonFont, Qt::blue);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setGeometry(60, 200, 401, 56);
    dxfLabel1 = LegendLabel(this, "dxfLabel1", QStringLiteral("Интеллектуальный"), {90, 210, 126, 12}, Qt::red);
    dxfLabel2 = LegendLabel(this, "dxfLabel2", QStringLiteral("Физический"), {90, 230, 126, 12}, QColor(0, 128, 0));
    dxfLabel3 = LegendLabel(this, "dxfLabel3", QStringLiteral("Эмоциональный"), {310, 210, 126, 12}, Qt::blue);
    dxfLabel4 =
        LegendLabel(this, "dxfLabel4", QStringLiteral("Общее благосостояние"), {310, 230, 126, 12}, Qt::yellow);

    for (QTimer** timer : {&BioTimerInc, &BioTimerDec}) {
        *timer = new QTimer(this);
        (*timer)->setInterval(kStepInterval);
        (*timer)->setTimerType(Qt::PreciseTimer);
    }
    BioTimerInc->setObjectName(QStringLiteral("BioTimerInc"));
    BioTimerDec->setObjectName(QStringLiteral("BioTimerDec"));

    // Any mouse button steps, so the buttons are watched below their own left-button handling.
    SpeedButton1->installEventFilter(this);
    SpeedButton2->installEventFilter(this);
    connect(BioTimerInc, &QTimer::timeout, this, Guarded([this] { BioTimerIncTimer(); }));
    connect(BioTimerDec, &QTimer::timeout, this, Guarded([this] { BioTimerDecTimer(); }));
    connect(SpeedButton3, &FlatButton::clicked, this, Guarded([this] { SpeedButton3Click(); }));
    connect(abfDatePanel1, &DatePanel::changed, this, Guarded([this] { abfDatePanel1Change(); }));

    FormCreate();
}

void TBio::FormCreate()
{
    BioBitmap = QImage(PaintBox1->width(), PaintBox1->height(), QImage::Format_RGB32);
    HintService::Instance().setHintHidePause(kHintHidePauseOpen);
}

bool TBio::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        RunGuarded([this] { FormActivate(); });
    return QDialog::event(event);
}

void TBio::FormActivate()
{
    abfDatePanel1->setDate(Today());
}

void TBio::abfDatePanel1Change()
{
    // The chart begins with the birth year; days before the birthday within it are allowed.
    if (abfDatePanel1->year() < CurrentProfile.Year)
        abfDatePanel1->setYear(CurrentProfile.Year);
    FormPaint();
}

void TBio::FormPaint()
{
    DrawBioBitmap();
    if (!isVisible())
        return;
    // Only the chart and the legend change; the paint below finds the image already drawn.
    QRegion area(QRect(PaintBox1->mapTo(this, QPoint(0, 0)), PaintBox1->size()));
    area += Bevel1->geometry();
    bitmapDrawn_ = true;
    repaint(area);
    bitmapDrawn_ = false;
}

void TBio::paintEvent(QPaintEvent*)
{
    RunGuarded([this] {
        if (!bitmapDrawn_)
            DrawBioBitmap();
        // The swatches go on the window itself. Each is outlined and then filled in its colour
        // over the same square, which leaves a solid square of the colour.
        QPainter painter(this);
        const QPoint legend = Bevel1->pos();
        for (const LegendSwatch& swatch : LegendSwatchesAt(legend.x(), legend.y()))
            painter.fillRect(QRect(QPoint(swatch.Left, swatch.Top), QPoint(swatch.Right - 1, swatch.Bottom - 1)),
                             QColor::fromRgb(swatch.Colour));
        // PaintBox1 is painted after the window in the same pass, from the image just drawn.
    });
}

void TBio::DrawBioBitmap()
{
    if (BioBitmap.isNull())
        return;
    PixelCanvas canvas(reinterpret_cast<Rgb*>(BioBitmap.bits()), BioBitmap.width(), BioBitmap.height(),
                       static_cast<int>(BioBitmap.bytesPerLine() / sizeof(Rgb)));
    const int W = BioBitmap.width();
    const int H = BioBitmap.height();
    DrawChartFrame(canvas, W, H, palette().color(QPalette::Button).rgb());
    for (ChartCurve kind :
         {ChartCurve::Intellectual, ChartCurve::Physical, ChartCurve::Emotional, ChartCurve::Wellbeing})
        DrawCurve(kind, canvas, W, H);
}

void TBio::DrawCurve(ChartCurve kind, PixelCanvas& canvas, int W, int H)
{
    const std::int32_t D = ChartDayCount(abfDatePanel1->date(), BirthDate());
    CurrentCalcState.DaysLived = D;
    ::DrawCurve(kind, canvas, W, H, D);
}

bool TBio::eventFilter(QObject* watched, QEvent* event)
{
    const bool forward = watched == SpeedButton1;
    if (!forward && watched != SpeedButton2)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        RunGuarded([this, forward] { forward ? SpeedButton1MouseDown() : SpeedButton2MouseDown(); });
        break;
    case QEvent::MouseButtonRelease:
        RunGuarded([this, forward] { forward ? SpeedButton1MouseUp() : SpeedButton2MouseUp(); });
        break;
    default:
        break;
    }
    return false;
}

void TBio::SpeedButton1MouseDown()
{
    BioTimerIncTimer();
    BioTimerInc->start();
}

void TBio::SpeedButton1MouseUp()
{
    BioTimerInc->stop();
}

void TBio::SpeedButton2MouseDown()
{
    BioTimerDecTimer();
    BioTimerDec->start();
}

void TBio::SpeedButton2MouseUp()
{
    BioTimerDec->stop();
}

void TBio::BioTimerIncTimer()
{
    abfDatePanel1->setDate(std::chrono::sys_days(abfDatePanel1->date()) + std::chrono::days{1});
}

void TBio::BioTimerDecTimer()
{
    abfDatePanel1->setDate(std::chrono::sys_days(abfDatePanel1->date()) - std::chrono::days{1});
}

void TBio::SpeedButton3Click()
{
    CurrentDialogs().Beep();
    CurrentDialogs().Message("Coming Soon...");
}

void TBio::FormClose()
{
    // A button still held when the window goes would otherwise keep stepping a hidden chart.
    BioTimerInc->stop();
    BioTimerDec->stop();
    BioBitmap = QImage();
    HintService::Instance().setHintHidePause(kHintHidePauseClosed);
}

void TBio::done(int result)
{
    RunGuarded([this] { FormClose(); });
    QDialog::done(result);
}
