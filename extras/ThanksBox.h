#pragma once
// The thanks dialog: who Ortavi owes thanks to. A tiny button in the bottom-left corner
// shows one more line and a few pictures around it.

#include <QDialog>
#include <QPointer>

class FlatButton;
class QFrame;
class QLabel;
class QPushButton;

class TOKBottomDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TOKBottomDlg(QWidget* parent = nullptr);

    void BitBtn1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Label17Click();

    // Label1 .. Label22 by number, or nullptr.
    QLabel* ThanksLabel(int number) const;

    QLabel* Image1 = nullptr;
    QFrame* Bevel1 = nullptr;
    FlatButton* SpeedButton1 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label22 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    FlatButton* SpeedButton2 = nullptr;
    FlatButton* SpeedButton3 = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern QPointer<TOKBottomDlg> OKBottomDlg;
