#pragma once
// The phrase of the day: one phrase from the scrambled phrase file, picked afresh at every
// showing, with the number of phrases and the number of the one shown.

#include <QDialog>
#include <QPointer>

class FlatButton;
class QLabel;

class TTip : public QDialog {
    Q_OBJECT
  public:
    explicit TTip(QWidget* parent = nullptr);

    // Runs at every showing: picks, decodes, finds and shows the phrase.
    void FormCreate();
    void SpeedButton1Click();

    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    FlatButton* SpeedButton1 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
};

extern QPointer<TTip> Tip;
