#include "platform/qt/Modal.h"

namespace {
ModalRunner g_runner;
}

int RunModal(QDialog& dialog)
{
    if (g_runner)
        return g_runner(dialog);
    return dialog.exec();
}

ModalRunner SetModalRunner(ModalRunner runner)
{
    ModalRunner previous = std::move(g_runner);
    g_runner = std::move(runner);
    return previous;
}
