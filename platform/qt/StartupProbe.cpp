#include "platform/qt/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class ShownProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("shown %lld\n",
                        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            // Let the paint finish, then leave.
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported_ = false;
};

} // namespace

void ReportWhenShown(QWidget* window)
{
    if (qEnvironmentVariableIsEmpty("ORTAVI_REPORT_SHOWN"))
        return;
    window->installEventFilter(new ShownProbe(window));
}
