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

// A button as the windows lay them out: named, placed, in its font and colour, with a hand
// cursor and its hint. A caption that the font in use makes too wide for the button is
// narrowed rather than cut (a stand-in font may run wider than the one it replaces).
FlatButton* PlaceFlatButton(QWidget* parent, const char* objectName, const QString& caption, const QString& hint,
                            QRect place, const QFont& font, const QColor& textColor = QColor());

// A font of a size in pixels, as the windows give their fonts.
QFont PixelFont(const QString& family, int pixels, bool bold = false);

// Sets the colour a label or other plain control writes its text in.
void SetTextColor(QWidget* widget, const QColor& color);
