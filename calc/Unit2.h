#pragma once
// The result window: nineteen result lines of the last calculation and the buttons that
// open the diagnosis, the chart, the horoscope and the help.

#include "calc/BodyMetrics.h"
#include "calc/Person.h"

#include <QDialog>
#include <QPointer>

class FlatButton;
class QLabel;
class QFrame;

class Tresult : public QDialog {
    Q_OBJECT
public:
    explicit Tresult(QWidget* parent = nullptr);

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();

    // The result label of that name (Label1 .. Label19), or nullptr.
    QLabel* ResultLabel(const char* name) const;

    FlatButton* SpeedButton1 = nullptr;
    FlatButton* SpeedButton2 = nullptr;
    FlatButton* SpeedButton3 = nullptr;
    FlatButton* SpeedButton4 = nullptr;
    FlatButton* SpeedButton5 = nullptr;
    QLabel* Image1 = nullptr;
    QFrame* panel1 = nullptr;
};

extern QPointer<Tresult> result;

// Sets the nineteen lines of the result window (when it exists) without showing it.
void FillResultWindow(const ProfileRecord& profile, const CalcState& state, const BodyMetrics& metrics);
