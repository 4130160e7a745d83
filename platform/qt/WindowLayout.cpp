#include "platform/qt/WindowLayout.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void SetUpFixedDialog(QWidget& window, const char* objectName, const QString& caption, QSize clientSize)
{
    window.setObjectName(QLatin1String(objectName));
    window.setWindowTitle(caption);
    window.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setFixedSize(clientSize);
    CentreOnScreen(window);
}

void CentreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

QFrame* BottomPanel(QWidget& window, int height)
{
    auto* panel = new QFrame(&window);
    panel->setObjectName(QStringLiteral("panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, window.height() - height, window.width(), height);
    return panel;
}
