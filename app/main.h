#pragma once
// The main window: the person's inputs, today's date, the animated title and the buttons of
// every command. Calculate reads the inputs through PersonInputs, fills the current profile
// and CalcState below, fills the result window and shows it.

#include "calc/Person.h"
#include "calc/PersonInput.h"
#include "platform/services/CdDrives.h"
#include "platform/services/Tray.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>

class BalloonHints;
class FlatButton;
class FormMagnet;
class FormRoller;
class FormTopmost;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class QTimer;
class ShowHideAnimation;
class SingleInstance;
class QAction;
class QMenu;
class OwnerDrawnMenuStyle;

class TForm1 : public QMainWindow, public PersonInputs {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Pushes settings.ini onto the window's components.
    void ApplySettings();
    // Whether the settings want the tray icon (false until they are first applied); the icon
    // is added or removed to match at once, and kept while wanted.
    void SetTrayIconWanted(bool wanted);
    bool TrayIconWanted() const { return trayIconWanted_; }
    // Answers a second start of the program by coming to the front.
    void AttachSingleInstance(SingleInstance* instance);

    void FormCreate();
    void Timer1Timer();
    void TrackBar1Change();
    void TrackBar2Change();
    void SpeedButton1Click();
    void SpeedButton7Click();
    void Edit1Exit();
    void Edit3Exit();
    // Profiles and options.
    void LoadExecute();
    void SaveExecute();
    void N35Click();

    // Openers of the extras; the buttons, the date label and the menu commands call them.
    void ShowTipOfTheDay(); // «Фраза дня...», also the phrase at start-up
    void ShowClock();       // «Часики» and the date label; the clock is kept after it closes
    void ShowTimer();       // «Таймер»
    void ShowSystemInfo();  // «О системе»
    void ShowAbout();       // «О Программе»
    void ShowThanks();      // «Благодарности»

    // PersonInputs
    std::string DayText() const override;
    int MonthIndex() const override;
    std::string YearText() const override;
    std::string NameText() const override;
    bool Male() const override;
    bool Female() const override;
    int Height() const override;
    int Weight() const override;
    void FocusDay() override;
    void FocusYear() override;
    void FocusName() override;

    // The commands of the menus and buttons (app/MainCommands.cpp).
    void N29Click();
    void EscapeExecute();
    bool FormCloseQuery();
    void SpeedButton3Click();
    void ReadMe1Click();
    void N15Click();
    void N23Click();
    void SpeedButton6Click();
    void N9Click();
    void N10Click();
    void N33Click();
    void BuildCdMenus();
    void CdEjectClick(const CdDrive& drive);
    void CdCloseClick(const CdDrive& drive);
    void AddTrayIcon();
    void RemoveTrayIcon();
    void ApplicationIdle();
    void TrayIconNotify(Tray::Click click);
    void ApplicationEvents1Minimize();

    // The controls, named as the window's designer named them.
    QLineEdit* Edit2 = nullptr;
    FlatButton* SpeedButton6 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QSlider* TrackBar2 = nullptr;
    QLabel* Label2 = nullptr;
    QSlider* TrackBar1 = nullptr;
    QLabel* Label1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    FlatButton* SpeedButton5 = nullptr;
    FlatButton* SpeedButton4 = nullptr;
    FlatButton* SpeedButton3 = nullptr;
    QLabel* Label6 = nullptr;
    FlatButton* SpeedButton7 = nullptr;
    FlatButton* SpeedButton1 = nullptr;
    FlatButton* SpeedButton2 = nullptr;
    QTimer* Timer1 = nullptr;

    BalloonHints* DanHint1 = nullptr;
    ShowHideAnimation* acAnimationEffect1 = nullptr;
    FormRoller* acFormRoller1 = nullptr;
    FormTopmost* acFormTopmost1 = nullptr;
    FormMagnet* acFormMagnet1 = nullptr;
    QAction* Escape = nullptr;
    QAction* Load = nullptr;
    QAction* Save = nullptr;

    // The menus (app/MainMenus.cpp); the menu bar is MainMenu1. Items are found by name.
    QMenu* file1 = nullptr;
    QMenu* N2 = nullptr;
    QMenu* Extra1 = nullptr;
    QMenu* PopupMenu1 = nullptr;

signals:
    // The user agreed to leave and the window has closed: the program ends.
    void closeAccepted();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class Background;

    void BuildControls();
    void BuildWindowCommands();
    void BuildMenus();
    QMenu* NewMenu(const QString& title, QWidget* parent);
    void WriteLaunchData();

    QPixmap BackgroundTile;
    bool closingAnimated_ = false;
    bool trayIconWanted_ = false;
    OwnerDrawnMenuStyle* menuStyle_ = nullptr;
};

// The long-lived main window, and the current person and results that the other windows read.
extern QPointer<TForm1> Form1;
extern ProfileRecord CurrentProfile;
extern CalcState CurrentCalcState;
