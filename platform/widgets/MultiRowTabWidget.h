#pragma once

#include <QStringList>
#include <QVector>
#include <QWidget>

class QStackedWidget;

// Pages with their tabs above them, the tabs wrapping into as many rows as the width needs
// (Qt's own tab widget scrolls a single row instead). Each row is stretched to the full
// width, and the row holding the current tab sits next to the pages, the other rows turning
// round above it, as Windows shows multi-line tabs.
class MultiRowTabWidget : public QWidget {
    Q_OBJECT

public:
    explicit MultiRowTabWidget(QWidget* parent = nullptr);

    // Adds a page (now owned by the widget) with its tab caption; returns its index.
    int addPage(QWidget* page, const QString& caption);
    int count() const;
    QWidget* page(int index) const;
    QString tabText(int index) const;

    int currentIndex() const;
    void setCurrentIndex(int index);
    QWidget* currentPage() const;

    int rowCount() const { return rowCount_; }
    // Where a tab is drawn, in the widget's coordinates.
    QRect tabRect(int index) const;
    // The room of the pages, inside their frame.
    QRect pageRect() const;

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layOutTabs();
    int rowHeight() const;
    QRect frameRect() const;

    QStackedWidget* stack_;
    QStringList captions_;
    QVector<int> rowOf_;
    QVector<QRect> flowRects_; // x, width and flow row (as y) of each tab, before the rows turn
    QVector<QRect> tabRects_;
    int rowCount_ = 0;
};
