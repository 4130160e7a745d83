#pragma once
// The system monitor: the running system's name and, refreshed every 300 ms, how much of
// the physical memory, the page file, the address space and of memory and page file together
// is in use.

#include <QDialog>
#include <QPointer>

class ColorButton;
class GradientProgressBar;
class Label3D;
class QTimer;
class ShadowTitleGroupBox;

class TSyst : public QDialog {
    Q_OBJECT
  public:
    explicit TSyst(QWidget* parent = nullptr);

    void FormShow();
    void SystTimerTimer();
    void dxfColorButton1Click();

    ShadowTitleGroupBox* dxfGroupBox2 = nullptr;
    Label3D* Label3 = nullptr;
    GradientProgressBar* Gauge1 = nullptr;
    ShadowTitleGroupBox* dxfGroupBox3 = nullptr;
    Label3D* Label5 = nullptr;
    GradientProgressBar* Gauge3 = nullptr;
    ShadowTitleGroupBox* dxfGroupBox4 = nullptr;
    Label3D* Label7 = nullptr;
    GradientProgressBar* Gauge4 = nullptr;
    ShadowTitleGroupBox* dxfGroupBox5 = nullptr;
    Label3D* Label9 = nullptr;
    GradientProgressBar* Gauge2 = nullptr;
    ShadowTitleGroupBox* dxfGroupBox1 = nullptr;
    Label3D* Label8 = nullptr;
    ColorButton* dxfColorButton1 = nullptr;
    // Discarded by «Круто»; the name is then empty.
    QPointer<QTimer> SystTimer;

  protected:
    void showEvent(QShowEvent* event) override;
};

extern QPointer<TSyst> Syst;
