#pragma once
// The advisers' window, opened from the thanks dialog: the communities whose advice the
// program followed.

#include <QDialog>
#include <QPointer>

class FlatButton;

class TAssistance : public QDialog {
    Q_OBJECT
  public:
    explicit TAssistance(QWidget* parent = nullptr);

    void SpeedButton1Click();

    FlatButton* SpeedButton1 = nullptr;
};

extern QPointer<TAssistance> Assistance;
