#pragma once

#include <QObject>

class QWidget;

// Keeps a top-level window above the other windows of the desktop, or lets it go back among
// them.
class FormTopmost : public QObject {
    Q_OBJECT
public:
    explicit FormTopmost(QWidget* window);

    // Changing the flag makes Qt hide the window; a window that was on screen comes back at
    // the same place, a hidden one stays hidden.
    void setTopmost(bool topmost);
    bool isTopmost() const;

signals:
    void topmostChanged(bool topmost);

private:
    QWidget* window_;
};
