#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>

// Shows a dialog modally and returns its result. Tests replace the runner so that no test
// waits on a modal loop.
using ModalRunner = std::function<int(QDialog&)>;
int RunModal(QDialog& dialog);
// Installs a runner; an empty one restores the real modal loop. Returns the one replaced.
ModalRunner SetModalRunner(ModalRunner runner);

// Opens a fresh instance of a window owned by `owner`, lets the global instance name point
// at it while it is shown modally, then destroys it and points the name back at the
// instance it replaced.
template <class Window>
int ShowFreshModal(QPointer<Window>& instance, QWidget* owner)
{
    const QPointer<Window> previous = instance;
    std::unique_ptr<Window> fresh(new Window(owner));
    instance = fresh.get();
    struct Restore {
        QPointer<Window>& name;
        QPointer<Window> previous;
        ~Restore() { name = previous; }
    } restore{instance, previous};
    return RunModal(*fresh);
}
