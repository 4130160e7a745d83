#pragma once

#include <QAbstractButton>
#include <QColor>

// A push button with a face of its own colour: a raised bevel around a flat face, sunken
// while pressed, the caption (and an optional picture) in the middle in the button's font
// and text colour.
class ColorButton : public QAbstractButton {
    Q_OBJECT

  public:
    explicit ColorButton(QWidget* parent = nullptr);
    explicit ColorButton(const QString& text, QWidget* parent = nullptr);

    QColor faceColor() const { return faceColor_; }
    void setFaceColor(const QColor& color);
    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor& color);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QColor faceColor_ = Qt::white;
    QColor textColor_ = Qt::black;
};

// A colour button as the windows lay them out: named, placed, white, with its caption font.
ColorButton* PlaceColorButton(QWidget* parent, const char* objectName, const QString& caption, QRect place,
                              const QFont& font, const QColor& textColor = Qt::black);
