#pragma once

#include <QSize>
#include <QString>

class QFrame;
class QWidget;

// A fixed-size dialog window with only the system menu and close buttons, centred on the
// screen.
void SetUpFixedDialog(QWidget& window, const char* objectName, const QString& caption, QSize clientSize);

void CentreOnScreen(QWidget& window);

// The raised panel of `height` pixels along the bottom edge that holds a dialog's buttons.
QFrame* BottomPanel(QWidget& window, int height);
