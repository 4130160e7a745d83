#pragma once

#include <QColor>
#include <QGroupBox>

// A group box whose frame casts a thin shadow along its right and bottom edges.
class ShadowGroupBox : public QGroupBox {
    Q_OBJECT

  public:
    explicit ShadowGroupBox(const QString& title, QWidget* parent = nullptr);

    QColor shadowColor() const { return shadowColor_; }
    void setShadowColor(const QColor& color);
    int shadowWidth() const { return shadowWidth_; }
    void setShadowWidth(int pixels);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor shadowColor_ = Qt::gray;
    int shadowWidth_ = 1;
};
