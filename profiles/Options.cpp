#include "profiles/Options.h"

#include "app/main.h"
#include "platform/qt/Application.h"
#include "platform/qt/WindowLayout.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/ShadowGroupBox.h"
#include "profiles/ProfileListBox.h"
#include "profiles/ProfileStore.h"
#include "profiles/Settings.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShowEvent>
#include <QTabWidget>

QPointer<TOpt> Opt;

namespace {

constexpr int kClientWidth = 536;
constexpr int kClientHeight = 348;
constexpr int kPanelHeight = 41;

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption, QPoint at,
                    bool checked = false)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    box->move(at);
    box->adjustSize();
    return box;
}

QLineEdit* NumberField(QWidget* parent, const char* name, int maxLength, const QString& text, QRect place)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    edit->setGeometry(place);
    return edit;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text, QPoint at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(at);
    label->adjustSize();
    return label;
}

// Leaving a field by switching to another program is not leaving it for another control.
bool LeftForAnotherControl(const QEvent& event)
{
    if (event.type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

TOpt::TOpt(QWidget* parent) : QDialog(parent)
{
    SetUpFixedDialog(*this, "Opt", QStringLiteral("Настройки..."), {kClientWidth, kClientHeight});
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, kClientWidth, kClientHeight - kPanelHeight);
    BuildMainPage();
    BuildLookPage();
    PageControl1->setCurrentWidget(TabSheet2);

    Panel1 = BottomPanel(*this, kPanelHeight);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    const QFont buttonFont = PixelFont(QStringLiteral("MS Sans Serif"), 11);
    OK = PlaceFlatButton(Panel1, "OK", QStringLiteral("ОК"), QString(), {305, 10, 68, 22}, buttonFont,
                         Qt::black);
    Cancel = PlaceFlatButton(Panel1, "Cancel", QStringLiteral("Отмена"), QString(), {380, 10, 68, 22},
                             buttonFont, Qt::black);
    SpeedButton2 = PlaceFlatButton(Panel1, "SpeedButton2", QStringLiteral("Применить"), QString(),
                                   {455, 10, 68, 22}, buttonFont, Qt::black);
    connect(OK, &FlatButton::clicked, this, Guarded([this] { OKClick(); }));
    connect(Cancel, &FlatButton::clicked, this, Guarded([this] { CancelClick(); }));
    connect(SpeedButton2, &FlatButton::clicked, this, Guarded([this] { SpeedButton2Click(); }));
}

void TOpt::BuildMainPage()
{
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Главные"));

    dxfGroupBox2 = new ShadowGroupBox(QStringLiteral("Профили"), TabSheet1);
    dxfGroupBox2->setObjectName(QStringLiteral("dxfGroupBox2"));
    dxfGroupBox2->setShadowColor(Qt::red);
    dxfGroupBox2->setGeometry(5, 5, 226, 126);
    dxfCheckBox12 =
        CheckBox(dxfGroupBox2, "dxfCheckBox12", QStringLiteral("Автоматически открывать профиль"), {8, 16});
    ListBox1 = new QListWidget(dxfGroupBox2);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(25, 35, 121, 76);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setEnabled(false);

    dxfCheckBox14 = CheckBox(TabSheet1, "dxfCheckBox14",
                             QStringLiteral("Показывать фразу дня при запуске..."), {260, 15});

    connect(dxfCheckBox12, &QCheckBox::toggled, this, Guarded([this] { dxfCheckBox12Click(); }));
}

void TOpt::BuildLookPage()
{
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Визуализация"));

    dxfGroupBox1 = new QGroupBox(QStringLiteral("Настройки анимации"), TabSheet2);
    dxfGroupBox1->setObjectName(QStringLiteral("dxfGroupBox1"));
    dxfGroupBox1->setGeometry(5, 5, 266, 151);
    dxfCheckBox3 = CheckBox(dxfGroupBox1, "dxfCheckBox3", QStringLiteral("Анимация при открытии программы"),
                            {10, 20}, true);
    dxfCheckBox11 = CheckBox(dxfGroupBox1, "dxfCheckBox11", QStringLiteral("Анимация при закрытии программы"),
                             {10, 40}, true);
    dxfCheckBox5 = CheckBox(dxfGroupBox1, "dxfCheckBox5", QStringLiteral("FireWorks"), {22, 66});
    dxfCheckBox6 = CheckBox(dxfGroupBox1, "dxfCheckBox6", QStringLiteral("ScatterGather"), {22, 84});
    dxfCheckBox7 = CheckBox(dxfGroupBox1, "dxfCheckBox7", QStringLiteral("Spin"), {22, 102});
    dxfCheckBox8 = CheckBox(dxfGroupBox1, "dxfCheckBox8", QStringLiteral("Vortex"), {150, 66});
    dxfCheckBox9 = CheckBox(dxfGroupBox1, "dxfCheckBox9", QStringLiteral("Spike"), {150, 84});
    dxfCheckBox10 = CheckBox(dxfGroupBox1, "dxfCheckBox10", QStringLiteral("Random"), {150, 102}, true);
    dxfLabel1 = Label(dxfGroupBox1, "dxfLabel1", QStringLiteral("Задержка:"), {22, 126});
    Edit1 = NumberField(dxfGroupBox1, "Edit1", 3, QStringLiteral("100"), {100, 122, 40, 21});

    dxfLabel2 = Label(TabSheet2, "dxfLabel2", QStringLiteral("Скорость свертывания формы:"), {290, 16});
    Edit2 = NumberField(TabSheet2, "Edit2", 2, QStringLiteral("8"), {470, 12, 30, 21});
    dxfCheckBox1 =
        CheckBox(TabSheet2, "dxfCheckBox1", QStringLiteral("Запускать поверх всех окон."), {290, 46});
    dxfCheckBox4 = CheckBox(TabSheet2, "dxfCheckBox4",
                            QStringLiteral("\"Магнетизм формы\" (эффект Winamp'a)"), {290, 68}, true);
    dxfCheckBox2 = CheckBox(TabSheet2, "dxfCheckBox2", QStringLiteral("Красивые подсказки."), {290, 90});
    dxfCheckBox13 = CheckBox(TabSheet2, "dxfCheckBox13", QStringLiteral("Иконка в трее"), {290, 112}, true);

    SpeedButton1 =
        PlaceFlatButton(TabSheet2, "SpeedButton1", QStringLiteral("По умолчанию"), QString(),
                        {15, 250, 96, 22}, PixelFont(QStringLiteral("MS Sans Serif"), 11), Qt::black);

    // One group: checking a box clears the others, clicking the checked one clears it.
    for (QCheckBox* box : EffectBoxes())
        connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
            if (!on)
                return;
            for (QCheckBox* other : EffectBoxes())
                if (other != box)
                    other->setChecked(false);
        });
    connect(dxfCheckBox3, &QCheckBox::toggled, this, Guarded([this] { dxfCheckBox3Click(); }));
    connect(dxfCheckBox11, &QCheckBox::toggled, this, Guarded([this] { dxfCheckBox3Click(); }));
    connect(SpeedButton1, &FlatButton::clicked, this, Guarded([this] { SpeedButton1Click(); }));
    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);
}

std::array<QCheckBox*, 6> TOpt::EffectBoxes() const
{
    return {dxfCheckBox10, dxfCheckBox7, dxfCheckBox8, dxfCheckBox6, dxfCheckBox9, dxfCheckBox5};
}

void TOpt::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded([this] { FormShow(); });
}

bool TOpt::eventFilter(QObject* watched, QEvent* event)
{
    if (LeftForAnotherControl(*event)) {
        if (watched == Edit1)
            RunGuarded([this] { Edit1Enter(); });
        else if (watched == Edit2)
            RunGuarded([this] { Edit2Exit(); });
    }
    return QDialog::eventFilter(watched, event);
}

void TOpt::FormShow()
{
    ProfileListBox list(*ListBox1, false);
    FillProfileList(list);
    LoadOptions();
}

void TOpt::LoadOptions()
{
    // Set in this order, so that the boxes' own handlers keep the dependent controls in
    // step: the animation boxes before the delay, the automatic profile before its name.
    const OptionsSettings s = ReadOptionsSettings();
    dxfCheckBox2->setChecked(s.GoodHints);
    dxfCheckBox1->setChecked(s.TopMost);
    dxfCheckBox4->setChecked(s.MagnetForm);
    dxfCheckBox14->setChecked(s.ShowTip);
    Edit2->setText(QString::fromStdString(s.RollingSpeed));
    dxfCheckBox3->setChecked(s.OpenAnimation);
    dxfCheckBox11->setChecked(s.CloseAnimation);
    dxfCheckBox13->setChecked(s.Icon);
    Edit1->setText(QString::fromStdString(s.AnimationDelay));
    if (s.Kind)
        EffectBoxes()[static_cast<std::size_t>(*s.Kind)]->setChecked(true);
    dxfCheckBox12->setChecked(s.AutoProfile);
    const QString profile = QString::fromStdString(s.Profile.value_or(std::string()));
    for (int row = 0; row < ListBox1->count(); ++row)
        if (ListBox1->item(row)->text() == profile)
            ListBox1->setCurrentRow(row);
}

void TOpt::SaveSettings()
{
    OptionsSettings s;
    s.GoodHints = dxfCheckBox2->isChecked();
    s.TopMost = dxfCheckBox1->isChecked();
    s.MagnetForm = dxfCheckBox4->isChecked();
    s.RollingSpeed = Edit2->text().toStdString();
    s.OpenAnimation = dxfCheckBox3->isChecked();
    s.CloseAnimation = dxfCheckBox11->isChecked();
    s.ShowTip = dxfCheckBox14->isChecked();
    s.Icon = dxfCheckBox13->isChecked();
    s.AnimationDelay = Edit1->text().toStdString();
    const std::array<QCheckBox*, 6> effects = EffectBoxes();
    for (std::size_t kind = 0; kind < effects.size(); ++kind)
        if (effects[kind]->isChecked())
            s.Kind = static_cast<AnimationKind>(kind);
    s.AutoProfile = dxfCheckBox12->isChecked();
    // With no name chosen the stored one stays.
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (!selected.isEmpty())
        s.Profile = selected.front()->text().toStdString();
    WriteOptionsSettings(s);
}

void TOpt::CheckNumberFields()
{
    if (Edit1->isEnabled())
        Edit1Enter();
    Edit2Exit();
}

void TOpt::OKClick()
{
    CheckNumberFields();
    SaveSettings();
    if (Form1)
        Form1->ApplySettings();
    close();
}

void TOpt::SpeedButton2Click()
{
    CheckNumberFields();
    SaveSettings();
    if (Form1)
        Form1->ApplySettings();
}

void TOpt::CancelClick()
{
    close();
}

void TOpt::SpeedButton1Click()
{
    for (QCheckBox* box : {dxfCheckBox3, dxfCheckBox11, dxfCheckBox4, dxfCheckBox10, dxfCheckBox13})
        box->setChecked(true);
    dxfCheckBox1->setChecked(false);
    dxfCheckBox2->setChecked(false);
    Edit1->setText(QStringLiteral("100"));
    Edit2->setText(QStringLiteral("8"));
}

void TOpt::Edit1Enter()
{
    Edit1->setText(QString::fromStdString(DelayFieldOnExit(Edit1->text().toStdString())));
}

void TOpt::Edit2Exit()
{
    Edit2->setText(QString::fromStdString(RollingSpeedFieldOnExit(Edit2->text().toStdString())));
}

void TOpt::dxfCheckBox3Click()
{
    const bool on = dxfCheckBox3->isChecked() || dxfCheckBox11->isChecked();
    for (QCheckBox* box : EffectBoxes())
        box->setEnabled(on);
    Edit1->setEnabled(on);
}

void TOpt::dxfCheckBox12Click()
{
    ListBox1->setEnabled(dxfCheckBox12->isChecked());
    ProfileListBox list(*ListBox1, false);
    FillProfileList(list);
    ListBox1->setCurrentRow(-1);
    ListBox1->clearSelection();
    if (!UsersFileExists())
        dxfCheckBox12->setChecked(false);
}
