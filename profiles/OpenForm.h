#pragma once
// The profile open dialog: the saved names, sorted, to load one into the main window or to
// delete it. A fresh dialog is made for each use; it keeps nothing but its list.

#include <QDialog>
#include <QPointer>

class FlatButton;
class QListWidget;

class TOpen : public QDialog {
    Q_OBJECT
  public:
    explicit TOpen(QWidget* parent = nullptr);

    void FormShow();
    void SpeedButton1Click();
    void ListBox1DblClick();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void ListBox1KeyDown(int key);

    // The selected entry, or the first one when none is selected.
    int SelectedProfileIndex() const;

    QListWidget* ListBox1 = nullptr;
    FlatButton* SpeedButton1 = nullptr;
    FlatButton* SpeedButton2 = nullptr;
    FlatButton* SpeedButton3 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Fills the list from users.dat; false when that failed (and the dialog is closing).
    bool Refresh();
    QString ChosenName() const;
};

extern QPointer<TOpen> Open;
