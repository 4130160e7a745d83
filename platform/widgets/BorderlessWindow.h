#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Clips a window to a rectangle with rounded corners, each corner a quarter of an ellipse
// `ellipseWidth` x `ellipseHeight`, as the borderless windows are shaped.
void ClipToRoundedRect(QWidget& window, int ellipseWidth, int ellipseHeight);

// Lets a window without a caption be dragged by its body: a left press on the window itself,
// or on a child that passes the press on (a label, a picture), moves the window with the
// mouse. A child that takes presses of its own (a button, or a panel marked
// Qt::WA_NoMousePropagation) does not drag.
class BodyDrag : public QObject {
    Q_OBJECT

  public:
    explicit BodyDrag(QWidget* window);

    bool isDragging() const { return dragging_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    QPoint grab_; // the pressed point, relative to the window's top-left corner
    bool dragging_ = false;
};
