#pragma once
// The diagnosis window: the running text of the last calculation, and a button that copies
// it to the clipboard whole, also the part the window has no room for.

#include <QDialog>
#include <QPointer>

class FlatButton;
class QLabel;
class QFrame;

class TAnalys : public QDialog {
    Q_OBJECT
public:
    explicit TAnalys(QWidget* parent = nullptr);

    void FormShow();
    void SpeedButton1Click();
    void SpeedButton2Click();

    QLabel* Label1 = nullptr;
    QFrame* panel1 = nullptr;
    FlatButton* SpeedButton1 = nullptr;
    FlatButton* SpeedButton2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

extern QPointer<TAnalys> Analys;
