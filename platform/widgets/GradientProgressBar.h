#pragma once

#include <QColor>
#include <QWidget>

// A progress gauge in a sunken frame. The shading runs from the start colour at the left edge to
// the end colour at the right edge of the whole bar, and the value uncovers it, so a given point
// always has the same colour whatever the value. The percentage done is written in the middle.
class GradientProgressBar : public QWidget {
    Q_OBJECT

public:
    explicit GradientProgressBar(QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int value() const { return value_; }
    // A maximum below the minimum is raised to it; the value is clamped into the new range.
    void setRange(int minimum, int maximum);
    void setMinimum(int minimum) { setRange(minimum, qMax(minimum, maximum_)); }
    void setMaximum(int maximum) { setRange(qMin(minimum_, maximum), maximum); }

    QColor startColor() const { return startColor_; }
    void setStartColor(const QColor& color);
    QColor endColor() const { return endColor_; }
    void setEndColor(const QColor& color);
    bool showPercentage() const { return showPercentage_; }
    void setShowPercentage(bool show);

    // Whole percent done, rounded down; 0 when the range is empty.
    int percent() const;
    // "NN%", as drawn.
    QString percentText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setValue(int value);

signals:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int minimum_ = 0;
    int maximum_ = 100;
    int value_ = 0;
    QColor startColor_{0, 0, 128};
    QColor endColor_{255, 255, 255};
    bool showPercentage_ = true;
};
