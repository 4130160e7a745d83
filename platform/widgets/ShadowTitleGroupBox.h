#pragma once

#include <QColor>
#include <QGroupBox>

// A group box whose title stands out: the title is written in its own colour over a copy one
// pixel to the lower right in the shadow colour. The frame is the usual etched line.
class ShadowTitleGroupBox : public QGroupBox {
    Q_OBJECT

  public:
    explicit ShadowTitleGroupBox(const QString& title, QWidget* parent = nullptr);

    QColor titleColor() const { return titleColor_; }
    void setTitleColor(const QColor& color);
    QColor shadowColor() const { return shadowColor_; }
    void setShadowColor(const QColor& color);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor titleColor_ = Qt::black;
    QColor shadowColor_ = Qt::gray;
};
