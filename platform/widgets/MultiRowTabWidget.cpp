#include "platform/widgets/MultiRowTabWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace {
constexpr int kTabPaddingX = 8;
constexpr int kTabPaddingY = 4;
constexpr int kFrameWidth = 2;
} // namespace

MultiRowTabWidget::MultiRowTabWidget(QWidget* parent) : QWidget(parent), stack_(new QStackedWidget(this))
{
    setFocusPolicy(Qt::TabFocus);
    connect(stack_, &QStackedWidget::currentChanged, this, [this](int index) {
        layOutTabs();
        update();
        emit currentChanged(index);
    });
}

int MultiRowTabWidget::addPage(QWidget* page, const QString& caption)
{
    captions_ << caption;
    const int index = stack_->addWidget(page);
    layOutTabs();
    update();
    return index;
}

int MultiRowTabWidget::count() const
{
    return stack_->count();
}

QWidget* MultiRowTabWidget::page(int index) const
{
    return stack_->widget(index);
}

QString MultiRowTabWidget::tabText(int index) const
{
    return captions_.value(index);
}

int MultiRowTabWidget::currentIndex() const
{
    return stack_->currentIndex();
}

void MultiRowTabWidget::setCurrentIndex(int index)
{
    if (index >= 0 && index < count())
        stack_->setCurrentIndex(index);
}

QWidget* MultiRowTabWidget::currentPage() const
{
    return stack_->currentWidget();
}

QRect MultiRowTabWidget::tabRect(int index) const
{
    return tabRects_.value(index);
}

int MultiRowTabWidget::rowHeight() const
{
    return fontMetrics().height() + 2 * kTabPaddingY;
}

QRect MultiRowTabWidget::frameRect() const
{
    const int top = rowCount_ * rowHeight();
    return QRect(0, top, width(), height() - top);
}

QRect MultiRowTabWidget::pageRect() const
{
    return frameRect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
}

void MultiRowTabWidget::layOutTabs()
{
    const int n = count();
    const int room = qMax(1, width());
    rowOf_.resize(n);
    flowRects_.resize(n);
    tabRects_.resize(n);

    // Fill the rows left to right; a tab that does not fit opens the next row.
    QVector<int> rowStart;
    int x = 0;
    for (int i = 0; i < n; ++i) {
        const int w = fontMetrics().horizontalAdvance(captions_[i]) + 2 * kTabPaddingX;
        if (rowStart.isEmpty() || (x > 0 && x + w > room)) {
            rowStart << i;
            x = 0;
        }
        rowOf_[i] = int(rowStart.size()) - 1;
        flowRects_[i] = QRect(x, rowOf_[i], w, 1);
        x += w;
    }
    rowCount_ = int(rowStart.size());

    // Stretch every row of a multi-row set to the full width, sharing the room left over.
    if (rowCount_ > 1) {
        for (int r = 0; r < rowCount_; ++r) {
            const int first = rowStart[r];
            const int last = r + 1 < rowCount_ ? rowStart[r + 1] - 1 : n - 1;
            const int used = flowRects_[last].right() + 1;
            const int extra = room - used;
            const int tabs = last - first + 1;
            int left = 0;
            for (int i = first; i <= last; ++i) {
                const int k = i - first;
                const int share = extra * (k + 1) / tabs - extra * k / tabs;
                flowRects_[i].moveLeft(left);
                flowRects_[i].setWidth(flowRects_[i].width() + share);
                left += flowRects_[i].width();
            }
        }
    }

    const int current = currentIndex();
    const int currentRow = current >= 0 && current < n ? rowOf_[current] : rowCount_ - 1;
    const int h = rowHeight();
    for (int i = 0; i < n; ++i) {
        // The current row goes to the bottom; the rows after it come round to the top.
        const int shown = (rowOf_[i] - currentRow - 1 + 2 * rowCount_) % rowCount_;
        tabRects_[i] = QRect(flowRects_[i].x(), shown * h, flowRects_[i].width(), h);
    }
    stack_->setGeometry(pageRect());
}

void MultiRowTabWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    qDrawWinPanel(&painter, frameRect(), pal, false);

    // Classic raised tabs; the current one is drawn last, a little larger, and open at the
    // bottom where it joins its page.
    const int current = currentIndex();
    auto drawTab = [&](int i) {
        const bool selected = i == current;
        QRect r = tabRects_[i];
        if (selected)
            r.adjust(-2, -2, 2, 1);
        painter.fillRect(r.adjusted(1, 1, -1, 0), pal.color(QPalette::Button));
        painter.setPen(pal.color(QPalette::Light));
        painter.drawLine(r.left(), r.bottom(), r.left(), r.top() + 2);
        painter.drawPoint(r.left() + 1, r.top() + 1);
        painter.drawLine(r.left() + 2, r.top(), r.right() - 2, r.top());
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom());
        painter.setPen(pal.color(QPalette::Shadow));
        painter.drawPoint(r.right() - 1, r.top() + 1);
        painter.drawLine(r.right(), r.top() + 2, r.right(), r.bottom());
        painter.setPen(pal.color(QPalette::ButtonText));
        painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, captions_[i]);
        if (selected && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = r.adjusted(4, 3, -4, -3);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    };
    for (int i = 0; i < count(); ++i)
        if (i != current)
            drawTab(i);
    if (current >= 0 && current < count())
        drawTab(current);
}

void MultiRowTabWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        for (int i = 0; i < count(); ++i) {
            if (tabRects_[i].contains(event->position().toPoint())) {
                setCurrentIndex(i);
                return;
            }
        }
    }
    QWidget::mousePressEvent(event);
}

void MultiRowTabWidget::keyPressEvent(QKeyEvent* event)
{
    const int step = event->key() == Qt::Key_Right ? 1 : event->key() == Qt::Key_Left ? -1 : 0;
    if (step != 0 && count() > 0) {
        setCurrentIndex((currentIndex() + step + count()) % count());
        return;
    }
    QWidget::keyPressEvent(event);
}

void MultiRowTabWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutTabs();
}

void MultiRowTabWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        layOutTabs();
}
