#include "app/main.h"

#include "app/CommandRules.h"
#include "app/Version.h"
#include "calc/Biorhythm.h"
#include "calc/BodyMetrics.h"
#include "calc/Diagnosis.h"
#include "calc/Unit2.h"
#include "data/Tools.h"
#include "nameday/NameDayForm.h"
#include "extras/SysUnit.h"
#include "extras/ThanksBox.h"
#include "extras/Timer.h"
#include "extras/TipOfTheDay.h"
#include "extras/Uarclock.h"
#include "extras/aboutmenu.h"
#include "platform/Errors.h"
#include "platform/ini/IniFile.h"
#include "platform/qt/Application.h"
#include "platform/qt/Locale.h"
#include "platform/qt/Modal.h"
#include "platform/qt/WindowLayout.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/FormMagnet.h"
#include "platform/widgets/FormRoller.h"
#include "platform/widgets/FormTopmost.h"
#include "platform/widgets/Hints.h"
#include "platform/widgets/ShowHideAnimation.h"
#include "platform/widgets/SingleInstance.h"
#include "profiles/MainWindowTargets.h"
#include "profiles/OpenForm.h"
#include "profiles/Options.h"
#include "profiles/ProfileStore.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>

#include <chrono>

QPointer<TForm1> Form1;
ProfileRecord CurrentProfile;
CalcState CurrentCalcState;

namespace {

constexpr int kClientWidth = 338;
constexpr int kClientHeight = 417;
constexpr int kTitleLimit = 27;

const QColor kWeightGreen(0, 128, 0);
const QColor kWeightRed(255, 0, 0);
const QColor kWeightYellow(255, 255, 0);

QString DateText(LocalTime now, bool withTime)
{
    using namespace std::chrono;
    const auto day = floor<days>(now);
    const year_month_day ymd{day};
    const hh_mm_ss<seconds> time{floor<seconds>(now - day)};
    QString text = QString::asprintf("%02u.%02u.%04d", static_cast<unsigned>(ymd.day()),
                                     static_cast<unsigned>(ymd.month()), static_cast<int>(ymd.year()));
    if (withTime)
        text += QString::asprintf(" %02d.%02d.%02d", static_cast<int>(time.hours().count()),
                                  static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
    return text;
}

QGroupBox* GroupBox(QWidget* parent, const QString& caption, const QString& hint, QRect place)
{
    auto* box = new QGroupBox(caption, parent);
    box->setGeometry(place);
    HintService::setHint(box, hint);
    return box;
}

FlatButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& hint, QRect place)
{
    return PlaceFlatButton(parent, name, caption, hint, place, PixelFont(QStringLiteral("Comic Sans MS"), 13, true));
}

// A slider of the person's height or weight with the label that reads it out below.
QSlider* Slider(QGroupBox* box, const char* name, int minimum, int maximum)
{
    auto* slider = new QSlider(Qt::Horizontal, box);
    slider->setObjectName(QLatin1String(name));
    slider->setRange(minimum, maximum);
    slider->setValue(minimum);
    slider->setTickInterval(20);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setGeometry(10, 26, 197, 32);
    return slider;
}

QLabel* SliderLabel(QGroupBox* box, const char* name, const QString& text, bool bold)
{
    auto* label = new QLabel(text, box);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 13, bold));
    label->setGeometry(10, 64, 197, 24);
    return label;
}

QLabel* Caption(QWidget* parent, const QString& text, QPoint at)
{
    auto* label = new QLabel(text, parent);
    label->move(at);
    label->adjustSize();
    return label;
}

// Small pictures for the two window commands that Windows puts into the caption.
QIcon CaptionGlyph(bool roll)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 128), 1.2));
    if (roll) {
        p.drawLine(1, 2, 11, 2);
        p.setBrush(QColor(0, 0, 128));
        p.drawPolygon(QPolygonF{{2.0, 10.0}, {10.0, 10.0}, {6.0, 5.0}});
    } else {
        p.drawRect(QRectF(3.5, 1.5, 7, 5));
        p.setBrush(QColor(0, 0, 128));
        p.drawRect(QRectF(1.5, 5.5, 7, 5));
    }
    return QIcon(pixmap);
}

} // namespace

// The window's body: the tile repeated from the top-left corner, row by row.
class TForm1::Background : public QWidget {
public:
    Background(TForm1* form) : QWidget(form), form_(form) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QPixmap& tile = form_->BackgroundTile;
        if (tile.isNull())
            return;
        QPainter painter(this);
        for (int y = 0; y < height(); y += tile.height())
            for (int x = 0; x < width(); x += tile.width())
                painter.drawPixmap(x, y, tile);
    }

private:
    TForm1* form_;
};

// The pictures are compiled into the window library; a static library must register them.
// The program icon becomes every window's and the tray's, unless one is set already.
static void LoadPictures()
{
    Q_INIT_RESOURCE(app);
    if (QApplication::windowIcon().availableSizes().isEmpty()) {
        QIcon icon;
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
            icon.addFile(QStringLiteral(":/icon/%1").arg(size), QSize(size, size));
        QApplication::setWindowIcon(icon);
    }
}

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    LoadPictures();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ortavi"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    BuildControls();
    BuildWindowCommands();
    BuildMenus();
    // The menu bar sits above the client area, as a Windows menu does.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    acFormRoller1->setRolledHeight(menuBar()->sizeHint().height());
    CentreOnScreen(*this);
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::BuildControls()
{
    auto* body = new Background(this);
    body->setObjectName(QStringLiteral("Background"));
    setCentralWidget(body);

    // Name.
    auto* nameBox = GroupBox(body, QStringLiteral("Ваше имя?"), QStringLiteral("Введите ваше имя"), {8, 8, 217, 58});
    Edit2 = new QLineEdit(nameBox);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(10, 24, 124, 24);
    HintService::setHint(Edit2, QStringLiteral("Введите ваше имя"));
    SpeedButton6 = Button(nameBox, "SpeedButton6", QStringLiteral("Значение"),
                          QStringLiteral("Узнайте, что же значит ваше имя"), {138, 23, 73, 26});

    // Birth date.
    auto* date = GroupBox(body, QStringLiteral("Ваша дата рождения?"), QStringLiteral("Дата вашего рождения"),
                          {8, 72, 217, 94});
    Caption(date, QStringLiteral("День"), {10, 26});
    Caption(date, QStringLiteral("Месяц"), {50, 26});
    Caption(date, QStringLiteral("Год"), {156, 26});
    Edit1 = new QLineEdit(date);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(2);
    Edit1->setGeometry(10, 44, 36, 24);
    HintService::setHint(Edit1, QStringLiteral("День вашего рождения"));
    ComboBox1 = new QComboBox(date);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("Январь"), QStringLiteral("Февраль"), QStringLiteral("Март"),
                         QStringLiteral("Апрель"), QStringLiteral("Май"), QStringLiteral("Июнь"),
                         QStringLiteral("Июль"), QStringLiteral("Август"), QStringLiteral("Сентябрь"),
                         QStringLiteral("Октябрь"), QStringLiteral("Ноябрь"), QStringLiteral("Декабрь")});
    ComboBox1->setMaxVisibleItems(12);
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setGeometry(50, 44, 102, 24);
    HintService::setHint(ComboBox1, QStringLiteral("Месяц вашего рождения"));
    Edit3 = new QLineEdit(date);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setMaxLength(4);
    Edit3->setGeometry(156, 44, 51, 24);
    HintService::setHint(Edit3, QStringLiteral("Год вашего рождения"));
    Edit1->installEventFilter(this);
    Edit3->installEventFilter(this);

    // Height and weight.
    auto* heightBox = GroupBox(body, QStringLiteral("Ваш рост?"), QStringLiteral("Ваш рост"), {8, 173, 217, 104});
    TrackBar2 = Slider(heightBox, "TrackBar2", 100, 220);
    Label2 = SliderLabel(heightBox, "Label2", QStringLiteral("100 см."), false);

    auto* weightBox = GroupBox(body, QStringLiteral("Ваш вес?"), QStringLiteral("Ваш вес"), {8, 284, 217, 104});
    TrackBar1 = Slider(weightBox, "TrackBar1", 20, 180);
    Label1 = SliderLabel(weightBox, "Label1", QStringLiteral("20 кг."), true);
    SetTextColor(Label1, kWeightGreen);
    connect(TrackBar1, &QSlider::valueChanged, this, Guarded([this] { TrackBar1Change(); }));
    connect(TrackBar2, &QSlider::valueChanged, this, Guarded([this] { TrackBar2Change(); }));

    // Sex: two boxes of one group, both may stay clear.
    auto* sexBox = GroupBox(body, QStringLiteral("Ваш пол"), QStringLiteral("Собственно, какой же у вас пол?"),
                            {233, 8, 97, 64});
    CheckBox1 = new QCheckBox(QStringLiteral("Мужской"), sexBox);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(10, 20, 82, 20);
    HintService::setHint(CheckBox1, QStringLiteral("Ну что-ж... неплохо! :)"));
    CheckBox2 = new QCheckBox(QStringLiteral("Женский"), sexBox);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(10, 40, 82, 20);
    HintService::setHint(CheckBox2, QStringLiteral("Все мы не совершенны :)"));
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            CheckBox2->setChecked(false);
    });
    connect(CheckBox2, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            CheckBox1->setChecked(false);
    });

    // Right column.
    SpeedButton5 = Button(body, "SpeedButton5", QStringLiteral("О Программе"),
                          QStringLiteral("Об этой замечательной программе"), {233, 80, 97, 25});
    SpeedButton4 = Button(body, "SpeedButton4", QStringLiteral("Благодарности"), QStringLiteral("Спасибости"),
                          {233, 108, 97, 25});
    SpeedButton3 = Button(body, "SpeedButton3", QStringLiteral("Справка"), QStringLiteral("Справочка"),
                          {233, 136, 97, 25});
    auto* dateBox = GroupBox(body, QStringLiteral("Дата"), QString(), {233, 173, 97, 104});
    Label6 = new QLabel(dateBox);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setGeometry(4, 18, 89, 40);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setWordWrap(true);
    Label6->setFont(PixelFont(QStringLiteral("Comic Sans MS"), 12));
    Label6->setCursor(Qt::PointingHandCursor);
    SetTextColor(Label6, Qt::red);
    HintService::setHint(Label6, QStringLiteral("Сегодняшняя дата"));
    SpeedButton7 = Button(dateBox, "SpeedButton7", QStringLiteral("Именины"),
                          QStringLiteral("Поглядеть на модуль именин"), {4, 64, 89, 28});
    SpeedButton1 = Button(body, "SpeedButton1", QStringLiteral("Расчёт"), QStringLiteral("Скорей жмите сюда"),
                          {233, 290, 97, 45});
    SpeedButton2 = Button(body, "SpeedButton2", QStringLiteral("Выход"), QStringLiteral("Сюда жать не надо!!!"),
                          {233, 345, 97, 30});
    connect(SpeedButton1, &FlatButton::clicked, this, Guarded([this] { SpeedButton1Click(); }));
    connect(SpeedButton7, &FlatButton::clicked, this, Guarded([this] { SpeedButton7Click(); }));
    Label6->installEventFilter(this);

    // Keyboard order: the person's facts top to bottom, then the commands.
    setTabOrder(Edit2, Edit1);
    setTabOrder(Edit1, ComboBox1);
    setTabOrder(ComboBox1, Edit3);
    setTabOrder(Edit3, TrackBar2);
    setTabOrder(TrackBar2, TrackBar1);
    setTabOrder(TrackBar1, CheckBox1);
    setTabOrder(CheckBox1, CheckBox2);
    setTabOrder(CheckBox2, SpeedButton1);
    setTabOrder(SpeedButton1, SpeedButton6);
    setTabOrder(SpeedButton6, SpeedButton5);
    setTabOrder(SpeedButton5, SpeedButton4);
    setTabOrder(SpeedButton4, SpeedButton3);
    setTabOrder(SpeedButton3, SpeedButton7);
    setTabOrder(SpeedButton7, SpeedButton2);

    statusBar()->setSizeGripEnabled(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, Guarded([this] { Timer1Timer(); }));
    Timer1->start();

    setFixedSize(kClientWidth, kClientHeight);
    CentreOnScreen(*this);
}

void TForm1::BuildWindowCommands()
{
    DanHint1 = new BalloonHints(this);
    DanHint1->setObjectName(QStringLiteral("DanHint1"));
    DanHint1->setCornerRadius(18);
    DanHint1->setBalloonWidth(250);
    QFont hintFont(QStringLiteral("Arial"));
    hintFont.setItalic(true);
    DanHint1->setFont(hintFont);
    DanHint1->setHintPauseTime(3000);
    DanHint1->setHintActive(false);
    acAnimationEffect1 = new ShowHideAnimation(this);
    acAnimationEffect1->setObjectName(QStringLiteral("acAnimationEffect1"));
    acFormRoller1 = new FormRoller(this);
    acFormRoller1->setObjectName(QStringLiteral("acFormRoller1"));
    acFormTopmost1 = new FormTopmost(this);
    acFormTopmost1->setObjectName(QStringLiteral("acFormTopmost1"));
    acFormMagnet1 = new FormMagnet(this);
    acFormMagnet1->setObjectName(QStringLiteral("acFormMagnet1"));
    acFormMagnet1->setGlue(true);
    acFormMagnet1->setFormDragable(true);

    Escape = new QAction(QStringLiteral("Выход"), this);
    Escape->setObjectName(QStringLiteral("Escape"));
    Escape->setShortcut(Qt::Key_F10);
    addAction(Escape);
    connect(Escape, &QAction::triggered, this, Guarded([this] { EscapeExecute(); }));
    connect(SpeedButton2, &FlatButton::clicked, Escape, &QAction::trigger);
    Load = new QAction(QStringLiteral("Загрузить"), this);
    Load->setObjectName(QStringLiteral("Load"));
    Load->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    addAction(Load);
    connect(Load, &QAction::triggered, this, Guarded([this] { LoadExecute(); }));
    Save = new QAction(QStringLiteral("Сохранить"), this);
    Save->setObjectName(QStringLiteral("Save"));
    Save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    addAction(Save);
    connect(Save, &QAction::triggered, this, Guarded([this] { SaveExecute(); }));

    // Linux window managers take no buttons of ours into the caption: the two caption
    // commands sit at the right end of the status bar instead.
    auto* roll = new FlatButton(this);
    roll->setObjectName(QStringLiteral("RollButton"));
    roll->setIcon(CaptionGlyph(true));
    roll->setFixedSize(18, 16);
    HintService::setHint(roll, acFormRoller1->rollHint());
    connect(roll, &FlatButton::clicked, acFormRoller1, &FormRoller::toggle);
    connect(acFormRoller1, &FormRoller::rolledChanged, roll, [this, roll](bool rolled) {
        HintService::setHint(roll, rolled ? acFormRoller1->unrollHint() : acFormRoller1->rollHint());
    });
    auto* topmost = new FlatButton(this);
    topmost->setObjectName(QStringLiteral("TopmostButton"));
    topmost->setIcon(CaptionGlyph(false));
    topmost->setCheckable(true);
    topmost->setFixedSize(18, 16);
    HintService::setHint(topmost, QStringLiteral("Чтоб не перекрывался другими окнами!!!"));
    connect(topmost, &FlatButton::toggled, acFormTopmost1, &FormTopmost::setTopmost);
    connect(acFormTopmost1, &FormTopmost::topmostChanged, topmost, &FlatButton::setChecked);
    statusBar()->addPermanentWidget(topmost);
    statusBar()->addPermanentWidget(roll);
    acFormRoller1->setKeepVisible(statusBar());
}

void TForm1::FormCreate()
{
    WriteLaunchData();
    Label6->setText(DateText(CurrentClock().Now(), true));
    BackgroundTile = QPixmap(QStringLiteral(":/bitmap"));
    ApplySettings();
    HintService::Instance().setHintPause(100);
    raise();
    activateWindow();
    // Qt has no idle event: the moment the event loop is about to wait is the same moment.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, Guarded([this] { ApplicationIdle(); }));
    BuildCdMenus();
}

void TForm1::WriteLaunchData()
{
    // A program folder the user may not write to (a system-wide install) only means the
    // start counter is not kept; the window works all the same.
    try {
        IniFile ini(ProgramFilePath("ortavi.ini"));
        const int starts = ini.ReadInteger("Ortavi", "Mach", 0) + 1;
        ini.WriteInteger("Ortavi", "Mach", starts);
        ini.WriteInteger("Ortavi", "Prikol", PhraseCount);
        ini.WriteString("Ortavi", "Version", VersionText);
        ini.WriteString("Ortavi", "DateRelised", ReleaseDate);
    } catch (const IoError&) {
    }
}

void TForm1::ApplySettings()
{
    MainWindowSettings target(*this);
    ApplySettingsTo(target);
}

void TForm1::LoadExecute()
{
    ShowFreshModal(Open, this);
}

void TForm1::SaveExecute()
{
    SaveProfile(*this, CurrentProfile);
}

void TForm1::N35Click()
{
    ShowFreshModal(Opt, this);
}

void TForm1::SetTrayIconWanted(bool wanted)
{
    trayIconWanted_ = wanted;
    if (wanted)
        AddTrayIcon();
    else
        RemoveTrayIcon();
}

void TForm1::AttachSingleInstance(SingleInstance* instance)
{
    connect(instance, &SingleInstance::activationRequested, this,
            [this] { SingleInstance::bringToFront(this); });
}

void TForm1::Timer1Timer()
{
    Label6->setText(DateText(CurrentClock().Now(), false));
    QString title = QLatin1Char('.') + ApplicationTitle();
    if (title.size() == kTitleLimit)
        title = QStringLiteral("Ortavi");
    SetApplicationTitle(title);
    setWindowTitle(title);
}

void TForm1::TrackBar1Change()
{
    const int d = TrackBar2->value() - TrackBar1->value();
    if (d < 100)
        SetTextColor(Label1, kWeightGreen);
    else if (d > 110)
        SetTextColor(Label1, kWeightRed);
    else if (d > 100 && d < 110)
        SetTextColor(Label1, kWeightYellow);
    Label1->setText(QString::fromStdString(NumberText(TrackBar1->value(), DecimalSeparator()) + " кг"));
}

void TForm1::TrackBar2Change()
{
    Label2->setText(QString::fromStdString(NumberText(TrackBar2->value(), DecimalSeparator()) + " см"));
    TrackBar1Change();
}

void TForm1::SpeedButton1Click()
{
    if (!ValidatePersonInput(*this))
        return;
    BodyMetrics metrics;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        struct RestoreCursor {
            ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
        } restore;
        CollectProfile(*this, CurrentProfile);
        CurrentCalcState.DaysLived = ComputeDaysLived(CurrentProfile);
        ComputeBiorhythms(CurrentCalcState.DaysLived, CurrentCalcState);
        metrics = ComputeBodyMetrics(CurrentProfile, CurrentCalcState.DaysLived);
        FillResultWindow(CurrentProfile, CurrentCalcState, metrics);
        ComposeDiagnosis(CurrentProfile, CurrentCalcState, metrics, DecimalSeparator());
    }
    if (result)
        RunModal(*result);
}

void TForm1::SpeedButton7Click()
{
    ShowFreshModal(NameDay, this);
}

void TForm1::Edit1Exit()
{
    Edit1->setText(QString::fromStdString(CorrectDateFieldOnExit(Edit1->text().toStdString())));
}

void TForm1::Edit3Exit()
{
    Edit3->setText(QString::fromStdString(CorrectDateFieldOnExit(Edit3->text().toStdString())));
}

void TForm1::ShowTipOfTheDay()
{
    ShowFreshModal(Tip, this);
}

void TForm1::ShowClock()
{
    // Unlike the other windows the clock outlives its showing: hidden and kept until the
    // main window goes, while the name points at the newest one.
    Clock1 = new TClock1(this);
    RunModal(*Clock1);
    if (Clock1)
        Clock1->hide();
}

void TForm1::ShowTimer()
{
    ShowFreshModal(kTime, nullptr);
}

void TForm1::ShowSystemInfo()
{
    ShowFreshModal(Syst, this);
}

void TForm1::ShowAbout()
{
    ShowFreshModal(AboutBox, this);
}

void TForm1::ShowThanks()
{
    ShowFreshModal(OKBottomDlg, this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // The date label is a click target: it takes the press so that the release comes back to it.
    if (watched == Label6 &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        if (event->type() == QEvent::MouseButtonRelease &&
            Label6->rect().contains(mouse->position().toPoint()))
            RunGuarded([this] { ShowClock(); });
        return true;
    }
    if (event->type() == QEvent::FocusOut) {
        if (watched == Edit1)
            RunGuarded([this] { Edit1Exit(); });
        else if (watched == Edit3)
            RunGuarded([this] { Edit3Exit(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // The close that ends the hide animation comes back here: the user has answered already.
    if (!closingAnimated_) {
        bool mayClose = false;
        RunGuarded([&] { mayClose = FormCloseQuery(); });
        if (!mayClose) {
            event->ignore();
            return;
        }
        if (acAnimationEffect1->animateOnHide()) {
            event->ignore();
            acAnimationEffect1->playHide([this] {
                closingAnimated_ = true;
                close();
                closingAnimated_ = false;
            });
            return;
        }
    }
    BackgroundTile = QPixmap();
    QMainWindow::closeEvent(event);
    emit closeAccepted();
}

std::string TForm1::DayText() const
{
    return Edit1->text().toStdString();
}

int TForm1::MonthIndex() const
{
    return ComboBox1->currentIndex();
}

std::string TForm1::YearText() const
{
    return Edit3->text().toStdString();
}

std::string TForm1::NameText() const
{
    return Edit2->text().toStdString();
}

bool TForm1::Male() const
{
    return CheckBox1->isChecked();
}

bool TForm1::Female() const
{
    return CheckBox2->isChecked();
}

int TForm1::Height() const
{
    return TrackBar2->value();
}

int TForm1::Weight() const
{
    return TrackBar1->value();
}

void TForm1::FocusDay()
{
    Edit1->setFocus();
}

void TForm1::FocusYear()
{
    Edit3->setFocus();
}

void TForm1::FocusName()
{
    Edit2->setFocus();
}
