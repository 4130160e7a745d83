#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// A caption that stands out of the window: the text is stamped `depth` times, one pixel further
// each time toward `direction`, in the shadow colour, and then once on top in the text colour.
// The background is left unpainted so the window's own shows through.
class Label3D : public QWidget {
    Q_OBJECT

public:
    enum Direction { LowerRight, LowerLeft, UpperRight, UpperLeft };
    Q_ENUM(Direction)
    // Fun: the shadow fades from the shadow colour at the text toward a lighter tone at its far end.
    enum ShadowStyle { Solid, Fun };
    Q_ENUM(ShadowStyle)

    explicit Label3D(QWidget* parent = nullptr);
    explicit Label3D(const QString& text, QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    int depth() const { return depth_; }
    void setDepth(int depth);
    Direction direction() const { return direction_; }
    void setDirection(Direction direction);
    ShadowStyle shadowStyle() const { return shadowStyle_; }
    void setShadowStyle(ShadowStyle style);
    QColor shadowColor() const { return shadowColor_; }
    void setShadowColor(const QColor& color);
    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor& color);
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);

    // The colour of the shadow stamp `step` pixels away from the text (1 = nearest).
    QColor shadowColorAt(int step) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void changeLook();

    QString text_;
    int depth_ = 7;
    Direction direction_ = LowerRight;
    ShadowStyle shadowStyle_ = Solid;
    QColor shadowColor_ = Qt::gray;
    QColor textColor_ = Qt::black;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
};
