#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

// Lets a window be dragged by its body and makes a dragged window snap to the edges of the
// screen and, with glue, to the edges of the program's other windows.
//
// A body press is one that no child takes for itself: Qt hands a press that a label, a group
// box's background or a plain panel ignores on to the window, where it is caught; buttons,
// edits, sliders, combo and check boxes keep theirs.
class FormMagnet : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultSnapDistance = 10;

    explicit FormMagnet(QWidget* window);

    // Snapping while dragging; on by default.
    void setActive(bool active);
    bool isActive() const { return active_; }
    // Snapping to the program's other visible windows as well; off by default.
    void setGlue(bool glue);
    bool glue() const { return glue_; }
    // Dragging by the body; off by default.
    void setFormDragable(bool dragable);
    bool isFormDragable() const { return dragable_; }
    // How near an edge must come to snap, in pixels; negative counts as 0.
    void setSnapDistance(int distance);
    int snapDistance() const { return distance_; }

    bool isDragging() const { return dragging_; }

    // Where a window whose frame would be at `window` is put instead. Each axis snaps on its
    // own to the nearest edge within `distance`: the screen's edges from inside; with glue,
    // another window's edges from outside (side by side) or lined up with its same edge,
    // but only a window the dragged one is beside on the other axis.
    static QPoint SnapPosition(QRect window, QRect screen, const QList<QRect>& others, int distance,
                               bool glue);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void beginDrag(QPoint globalPos);
    void dragTo(QPoint globalPos);
    void endDrag();

    QWidget* window_;
    bool active_ = true;
    bool glue_ = false;
    bool dragable_ = false;
    int distance_ = DefaultSnapDistance;

    bool dragging_ = false;
    QPoint pressGlobal_;
    QPoint pressWindowPos_;
};
