#pragma once

class QWidget;

// For start-up measurements: when the environment variable ORTAVI_REPORT_SHOWN is set, the
// first time the window is painted the wall-clock time (nanoseconds since the epoch) is
// written to standard output as "shown <ns>" and the program ends.
void ReportWhenShown(QWidget* window);
