#include "extras/Uarclock.h"

#include "platform/qt/Application.h"
#include "platform/qt/Locale.h"
#include "platform/qt/WindowLayout.h"
#include "platform/services/Clock.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/Hints.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <chrono>

QPointer<TClock1> Clock1;

namespace {

ClockGeometry g_geometry;
HandAngles g_angles;

const QColor kDialColour(192, 192, 192);
const QColor kRimColour(0, 0, 255);

QPoint At(DialPoint p)
{
    return {p.X, p.Y};
}

} // namespace

const ClockGeometry& SharedClockGeometry()
{
    return g_geometry;
}

const HandAngles& SharedHandAngles()
{
    return g_angles;
}

TClock1::TClock1(QWidget* parent) : QDialog(parent)
{
    SetUpFixedDialog(*this, "Clock1", QStringLiteral("Часики"), {226, 272});
    HintService::setHint(this, QStringLiteral("Как вы понимаете - это часы"));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(56, 232, 137, 33);
    Label1->setWordWrap(true);
    Label1->setFont(PixelFont(QStringLiteral("Comic Sans MS"), 21, true));
    SetTextColor(Label1, Qt::red);
    HintService::setHint(Label1, QStringLiteral("Сегодняшняя дата"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, Guarded([this] { Timer1Timer(); }));
    // Escape ends the dialog without a close event; both ways end in finished().
    connect(this, &QDialog::finished, this, Guarded([this] { FormClose(); }));
    Timer1->start();

    Clock1 = this;
}

void TClock1::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    RunGuarded([this] { FormShow(); });
}

void TClock1::FormShow()
{
    g_geometry = GeometryForOuterWidth(frameGeometry().width());
    handsShown_ = false;
}

void TClock1::Timer1Timer()
{
    using namespace std::chrono;
    const LocalTime now = CurrentClock().Now();
    const auto day = floor<days>(now);
    const hh_mm_ss<milliseconds> time{now - day};
    g_angles =
        AnglesAt(static_cast<unsigned>(time.hours().count()), static_cast<unsigned>(time.minutes().count()),
                 static_cast<unsigned>(time.seconds().count()));
    const year_month_day date{day};
    Label1->setText(QString::fromStdString(ShortDateText(static_cast<int>(date.year()),
                                                         static_cast<unsigned>(date.month()),
                                                         static_cast<unsigned>(date.day()))));
    if (Clock1)
        Clock1->ShowHands();
}

void TClock1::ShowHands()
{
    handsShown_ = true;
    update();
}

void TClock1::FormClose()
{
    Timer1->stop();
}

void TClock1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawDial(painter);
    // Qt repaints the whole window, so the hands of the last tick are drawn with the dial
    // rather than erased and redrawn over it.
    if (handsShown_)
        ArrowDraw(painter, Qt::black);
}

void TClock1::DrawDial(QPainter& painter) const
{
    const ClockGeometry& g = g_geometry;
    painter.setPen(QPen(kRimColour, 4));
    painter.setBrush(kDialColour);
    painter.drawEllipse(QRect(20, 20, 2 * g.Radius, 2 * g.Radius));

    painter.setPen(QPen(kRimColour, 2));
    for (int k = 0; k < 12; ++k) {
        const Segment mark = HourMark(g, k);
        painter.drawLine(At(mark.From), At(mark.To));
    }

    QFont numerals(QStringLiteral("Arial"));
    numerals.setPointSize(10);
    painter.setFont(numerals);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(palette().color(QPalette::Window));
    const QFontMetrics fm(numerals);
    for (int numeral : {12, 3, 6, 9}) {
        const QString text = QString::number(numeral);
        const int w = fm.horizontalAdvance(text);
        const int h = fm.height();
        const DialPoint place = NumeralPlace(g, numeral, w, h);
        painter.drawText(QRect(place.X, place.Y, w, h), Qt::AlignLeft | Qt::AlignTop, text);
    }
    painter.setBackgroundMode(Qt::TransparentMode);
}

void TClock1::ArrowDraw(QPainter& painter, const QColor& colour) const
{
    const HandSegments hands = HandsAt(g_geometry, g_angles);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 3));
    painter.drawLine(At(hands.Hour.From), At(hands.Hour.To));
    painter.setPen(QPen(colour, 2));
    painter.drawLine(At(hands.Minute.From), At(hands.Minute.To));
    painter.setPen(QPen(colour, 1));
    painter.drawLine(At(hands.Second.From), At(hands.Second.To));
}
