#pragma once
// The options window: settings.ini in check boxes and two number fields. OK and «Применить»
// write the controls back and apply them to the main window at once. A fresh window is made
// for each use and starts from the controls' design states before it loads the file.

#include <QDialog>
#include <QPointer>

#include <array>

class FlatButton;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class ShadowGroupBox;

class TOpt : public QDialog {
    Q_OBJECT
  public:
    explicit TOpt(QWidget* parent = nullptr);

    void FormShow();
    void LoadOptions();
    void SaveSettings();
    void OKClick();
    void SpeedButton2Click();
    void CancelClick();
    void SpeedButton1Click();
    void Edit1Enter();
    void Edit2Exit();
    void dxfCheckBox3Click();
    void dxfCheckBox12Click();

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;

    ShadowGroupBox* dxfGroupBox2 = nullptr;
    QCheckBox* dxfCheckBox12 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QCheckBox* dxfCheckBox14 = nullptr;

    QGroupBox* dxfGroupBox1 = nullptr;
    QCheckBox* dxfCheckBox3 = nullptr;
    QCheckBox* dxfCheckBox11 = nullptr;
    QCheckBox* dxfCheckBox5 = nullptr;
    QCheckBox* dxfCheckBox6 = nullptr;
    QCheckBox* dxfCheckBox7 = nullptr;
    QCheckBox* dxfCheckBox8 = nullptr;
    QCheckBox* dxfCheckBox9 = nullptr;
    QCheckBox* dxfCheckBox10 = nullptr;
    QLabel* dxfLabel1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* dxfLabel2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QCheckBox* dxfCheckBox1 = nullptr;
    QCheckBox* dxfCheckBox4 = nullptr;
    QCheckBox* dxfCheckBox2 = nullptr;
    QCheckBox* dxfCheckBox13 = nullptr;
    FlatButton* SpeedButton1 = nullptr;

    QFrame* Panel1 = nullptr;
    FlatButton* OK = nullptr;
    FlatButton* Cancel = nullptr;
    FlatButton* SpeedButton2 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMainPage();
    void BuildLookPage();
    // The six effect boxes in the order of the animation kinds (Random .. Fireworks).
    std::array<QCheckBox*, 6> EffectBoxes() const;
    // The number fields as leaving them would keep them; a field the user cannot reach
    // (the delay without any animation) is left as it is.
    void CheckNumberFields();
};

extern QPointer<TOpt> Opt;
