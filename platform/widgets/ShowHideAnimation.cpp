#include "platform/widgets/ShowHideAnimation.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>
#include <QTimer>
#include <QWidget>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

using Effect = ShowHideAnimation::Effect;

// One piece of the picture: where it belongs and how it travels there.
struct Piece {
    QRectF home;
    QPointF from;   // where it starts, or the point its path bends towards
    qreal turn = 0; // degrees it is turned at the start
    qreal lag = 0;  // share of the play that passes before it moves
};

qreal Clamp01(qreal t)
{
    return std::clamp(t, qreal(0), qreal(1));
}

// Fast at first, gentle on arrival; squared rather than cubed, or the last half of the play
// would hardly move.
qreal EaseOut(qreal t)
{
    const qreal rest = 1 - Clamp01(t);
    return 1 - rest * rest;
}

qreal LocalProgress(const Piece& piece, qreal progress)
{
    return EaseOut((progress - piece.lag) / (1 - piece.lag));
}

std::vector<Piece> Grid(QSizeF size, qreal side)
{
    const int columns = std::max(1, int(std::lround(size.width() / side)));
    const int rows = std::max(1, int(std::lround(size.height() / side)));
    std::vector<Piece> pieces;
    pieces.reserve(std::size_t(columns) * std::size_t(rows));
    for (int row = 0; row < rows; ++row) {
        const qreal top = std::floor(size.height() * row / rows);
        const qreal bottom = std::floor(size.height() * (row + 1) / rows);
        for (int column = 0; column < columns; ++column) {
            const qreal left = std::floor(size.width() * column / columns);
            const qreal right = std::floor(size.width() * (column + 1) / columns);
            Piece piece;
            piece.home = QRectF(left, top, right - left, bottom - top);
            pieces.push_back(piece);
        }
    }
    return pieces;
}

qreal Uniform(QRandomGenerator& random, qreal low, qreal high)
{
    return low + (high - low) * random.generateDouble();
}

std::vector<Piece> PlanPieces(Effect effect, QSizeF size, QRandomGenerator& random)
{
    const QPointF centre(size.width() / 2, size.height() / 2);
    const qreal reach = std::hypot(size.width(), size.height()) / 2;
    std::vector<Piece> pieces;
    switch (effect) {
    case Effect::Vortex:
        pieces = Grid(size, 30);
        break;
    case Effect::ScatterGather:
        pieces = Grid(size, 48);
        // Every start lies wholly outside the window, so a show begins and a hide ends empty.
        for (Piece& piece : pieces) {
            const qreal angle = Uniform(random, 0, 2 * M_PI);
            piece.from =
                centre + QPointF(std::cos(angle), std::sin(angle)) * (reach * Uniform(random, 1.15, 1.45));
            piece.turn = Uniform(random, -180, 180);
            piece.lag = Uniform(random, 0, 0.35);
        }
        break;
    case Effect::Spike: {
        const int rows = std::max(1, int(std::lround(size.height() / 14)));
        const qreal middle = (rows - 1) / qreal(2);
        for (int row = 0; row < rows; ++row) {
            const qreal top = std::floor(size.height() * row / rows);
            const qreal bottom = std::floor(size.height() * (row + 1) / rows);
            Piece piece;
            piece.home = QRectF(0, top, size.width(), bottom - top);
            piece.from = QPointF(row % 2 == 0 ? -size.width() : size.width(), 0);
            piece.lag = middle > 0 ? 0.45 * std::abs(row - middle) / middle : 0;
            pieces.push_back(piece);
        }
        break;
    }
    case Effect::Fireworks:
        pieces = Grid(size, 22);
        for (Piece& piece : pieces) {
            const qreal angle = Uniform(random, 0, 2 * M_PI);
            const qreal distance = Uniform(random, 0.5, 1.1) * reach;
            piece.from = centre + QPointF(std::cos(angle), std::sin(angle)) * distance;
            piece.turn = Uniform(random, -90, 90);
            piece.lag = Uniform(random, 0, 0.25);
        }
        break;
    case Effect::Random:
    case Effect::Spin:
        break;
    }
    return pieces;
}

// Draws the region `source` of the picture with its centre at `centre`, turned and scaled.
void DrawPiece(QPainter& painter, const QPixmap& picture, const QRectF& source, QPointF centre, qreal degrees,
               qreal scale)
{
    if (scale <= 0)
        return;
    const qreal ratio = picture.devicePixelRatio();
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    painter.scale(scale, scale);
    painter.drawPixmap(QRectF(-source.width() / 2, -source.height() / 2, source.width(), source.height()),
                       picture, QRectF(source.topLeft() * ratio, source.size() * ratio));
    painter.restore();
}

void PaintFrame(QPainter& painter, const QPixmap& picture, QSizeF size, Effect effect,
                const std::vector<Piece>& pieces, qreal progress)
{
    const QPointF centre(size.width() / 2, size.height() / 2);
    const qreal reach = std::hypot(size.width(), size.height()) / 2;
    switch (effect) {
    case Effect::Random:
    case Effect::Spin: {
        const qreal t = EaseOut(progress);
        DrawPiece(painter, picture, QRectF(QPointF(0, 0), size), centre, (1 - t) * 360, t);
        break;
    }
    case Effect::Vortex: {
        const qreal t = EaseOut(progress);
        for (const Piece& piece : pieces) {
            const QPointF offset = piece.home.center() - centre;
            const qreal outward = std::hypot(offset.x(), offset.y()) / reach;
            const qreal degrees = (1 - t) * 3 * 360 * (0.35 + 0.65 * outward);
            const qreal radians = qDegreesToRadians(degrees);
            const QPointF turned(offset.x() * std::cos(radians) - offset.y() * std::sin(radians),
                                 offset.x() * std::sin(radians) + offset.y() * std::cos(radians));
            DrawPiece(painter, picture, piece.home, centre + turned * t, degrees, t);
        }
        break;
    }
    case Effect::ScatterGather:
        for (const Piece& piece : pieces) {
            const qreal t = LocalProgress(piece, progress);
            const QPointF at = piece.from + (piece.home.center() - piece.from) * t;
            DrawPiece(painter, picture, piece.home, at, piece.turn * (1 - t), 1);
        }
        break;
    case Effect::Spike:
        for (const Piece& piece : pieces) {
            const qreal t = LocalProgress(piece, progress);
            DrawPiece(painter, picture, piece.home, piece.home.center() + piece.from * (1 - t), 0, 1);
        }
        break;
    case Effect::Fireworks:
        for (const Piece& piece : pieces) {
            const qreal t = LocalProgress(piece, progress);
            // A curve from the centre that bends out towards the burst point and lands home.
            const QPointF at =
                centre * ((1 - t) * (1 - t)) + piece.from * (2 * t * (1 - t)) + piece.home.center() * (t * t);
            DrawPiece(painter, picture, piece.home, at, piece.turn * (1 - t), 0.25 + 0.75 * t);
        }
        break;
    }
}

// Covers the window while a play runs; it is the only thing the window shows meanwhile.
class AssemblyOverlay : public QWidget {
public:
    AssemblyOverlay(QWidget* window, QPixmap picture, Effect effect, std::vector<Piece> pieces)
        : QWidget(window), picture_(std::move(picture)), effect_(effect), pieces_(std::move(pieces)),
          pictureSize_(window->size())
    {
        setObjectName(QStringLiteral("ShowHideAnimationOverlay"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(window->rect());
    }

    void setProgress(qreal progress)
    {
        progress_ = progress;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        PaintFrame(painter, picture_, pictureSize_, effect_, pieces_, progress_);
    }

private:
    QPixmap picture_;
    Effect effect_;
    std::vector<Piece> pieces_;
    QSizeF pictureSize_;
    qreal progress_ = 0;
};

} // namespace

ShowHideAnimation::ShowHideAnimation(QWidget* window)
    : QObject(window), window_(window), timer_(new QTimer(this))
{
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &ShowHideAnimation::advance);
    window_->installEventFilter(this);
}

ShowHideAnimation::~ShowHideAnimation()
{
    delete overlay_;
}

void ShowHideAnimation::setEffect(Effect effect)
{
    effect_ = effect;
}

void ShowHideAnimation::setAnimateOnShow(bool on)
{
    animateOnShow_ = on;
}

void ShowHideAnimation::setAnimateOnHide(bool on)
{
    animateOnHide_ = on;
}

void ShowHideAnimation::setDelay(int ms)
{
    delay_ = std::clamp(ms, 0, MaxDelay);
    timer_->setInterval(frameInterval());
}

bool ShowHideAnimation::isRunning() const
{
    return overlay_ != nullptr;
}

double ShowHideAnimation::progress() const
{
    if (!isRunning())
        return 1;
    const double share = double(frame_) / FrameCount;
    return showing_ ? share : 1 - share;
}

void ShowHideAnimation::playShow()
{
    start(true, {});
}

void ShowHideAnimation::playHide(std::function<void()> done)
{
    if (!animateOnHide_ || !window_->isVisible()) {
        if (!endRunning())
            return;
        if (done)
            done();
        return;
    }
    start(false, std::move(done));
}

void ShowHideAnimation::start(bool showing, std::function<void()> done)
{
    if (!endRunning())
        return;
    played_ = effect_;
    if (played_ == Effect::Random)
        played_ = Effect(int(Effect::Spin) + QRandomGenerator::global()->bounded(5));
    const QPixmap picture = window_->grab();
    auto* overlay = new AssemblyOverlay(window_, picture, played_,
                                        PlanPieces(played_, window_->size(), *QRandomGenerator::global()));
    overlay_ = overlay;
    showing_ = showing;
    frame_ = 0;
    done_ = std::move(done);
    overlay->setProgress(progress());
    overlay->raise();
    overlay->show();
    timer_->start(frameInterval());
}

void ShowHideAnimation::advance()
{
    if (++frame_ >= FrameCount || !overlay_) {
        finish();
        return;
    }
    static_cast<AssemblyOverlay*>(overlay_.data())->setProgress(progress());
}

bool ShowHideAnimation::endRunning()
{
    if (!isRunning())
        return true;
    const QPointer<ShowHideAnimation> self(this);
    finish();
    return self != nullptr;
}

void ShowHideAnimation::finish()
{
    timer_->stop();
    delete overlay_;
    auto done = std::exchange(done_, nullptr);
    // Either may delete the window, and this with it: nothing of this is touched after them.
    emit finished();
    if (done)
        done();
}

bool ShowHideAnimation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_) {
        switch (event->type()) {
        case QEvent::Show:
            if (animateOnShow_ && !event->spontaneous())
                playShow();
            break;
        case QEvent::Hide:
            if (isRunning() && !event->spontaneous())
                finish();
            break;
        case QEvent::Resize:
            if (overlay_)
                overlay_->setGeometry(window_->rect());
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
