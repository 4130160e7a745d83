#pragma once

#include <QAbstractButton>

class QColor;

// A toolbar-style push button: it draws nothing but its caption until the mouse is over it, so a
// tiled window background shows through; then a thin raised bevel, sunken while pressed.
// It is reached by Tab (not by a click, so clicking it leaves the focus in the field being edited),
// and Space or Enter click it.
class FlatButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit FlatButton(QWidget* parent = nullptr);
    explicit FlatButton(const QString& text, QWidget* parent = nullptr);

    // Sets the caption colour for the enabled states; the disabled look stays greyed.
    void setTextColor(const QColor& color);
    bool isHovered() const { return hovered_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setHovered(bool hovered);

    bool hovered_ = false;
};
