#include "profiles/OpenForm.h"

#include "app/main.h"
#include "platform/qt/Application.h"
#include "platform/qt/WindowLayout.h"
#include "platform/services/Dialogs.h"
#include "platform/widgets/FlatButton.h"
#include "profiles/MainWindowTargets.h"
#include "profiles/ProfileListBox.h"
#include "profiles/ProfileStore.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QShowEvent>
#include <QTimer>

QPointer<TOpen> Open;

namespace {

constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kDelete = 46;

int KeyCode(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnter;
    case Qt::Key_Escape:
        return kEscape;
    case Qt::Key_Delete:
        return kDelete;
    default:
        return 0;
    }
}

} // namespace

TOpen::TOpen(QWidget* parent) : QDialog(parent)
{
    SetUpFixedDialog(*this, "Open", QStringLiteral("Загрузка профиля..."), {201, 156});
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(5, 5, 191, 97);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->installEventFilter(this);
    ListBox1->viewport()->installEventFilter(this);

    const QFont buttonFont = font();
    SpeedButton1 = PlaceFlatButton(this, "SpeedButton1", QStringLiteral("Открыть"), QString(),
                                   {5, 120, 61, 26}, buttonFont);
    SpeedButton2 = PlaceFlatButton(this, "SpeedButton2", QStringLiteral("Удалить"), QString(),
                                   {70, 120, 61, 26}, buttonFont);
    SpeedButton3 = PlaceFlatButton(this, "SpeedButton3", QStringLiteral("Отмена"), QString(),
                                   {135, 120, 61, 26}, buttonFont);
    connect(SpeedButton1, &FlatButton::clicked, this, Guarded([this] { SpeedButton1Click(); }));
    connect(SpeedButton2, &FlatButton::clicked, this, Guarded([this] { SpeedButton2Click(); }));
    connect(SpeedButton3, &FlatButton::clicked, this, Guarded([this] { SpeedButton3Click(); }));

    setTabOrder(ListBox1, SpeedButton1);
    setTabOrder(SpeedButton1, SpeedButton2);
    setTabOrder(SpeedButton2, SpeedButton3);
    ListBox1->setFocus();
}

void TOpen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded([this] { FormShow(); });
}

bool TOpen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
        if (const int key = KeyCode(*static_cast<QKeyEvent*>(event))) {
            RunGuarded([this, key] { ListBox1KeyDown(key); });
            return true;
        }
    } else if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        RunGuarded([this] { ListBox1DblClick(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TOpen::FormShow()
{
    // A failed listing closes the dialog, but not from inside its own showing: the modal
    // loop that follows would otherwise wait on a dialog that is already gone.
    if (!Refresh())
        QTimer::singleShot(0, this, &QDialog::reject);
}

bool TOpen::Refresh()
{
    ProfileListBox list(*ListBox1, true);
    const bool listed = FillProfileList(list);
    if (ListBox1->count() == 0) {
        SpeedButton1->setEnabled(false);
        SpeedButton2->setEnabled(false);
    }
    ListBox1->setCurrentRow(-1);
    ListBox1->clearSelection();
    return listed;
}

int TOpen::SelectedProfileIndex() const
{
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    return selected.isEmpty() ? 0 : ListBox1->row(selected.front());
}

QString TOpen::ChosenName() const
{
    const QListWidgetItem* item = ListBox1->item(SelectedProfileIndex());
    return item != nullptr ? item->text() : QString();
}

void TOpen::SpeedButton1Click()
{
    if (ListBox1->count() == 0)
        return;
    // Without a main window there is nowhere to load the profile into.
    if (Form1) {
        MainWindowInputs inputs(*Form1);
        LoadProfile(ChosenName().toStdString(), inputs);
    }
    close();
}

void TOpen::ListBox1DblClick()
{
    SpeedButton1Click();
}

void TOpen::SpeedButton2Click()
{
    if (ListBox1->count() == 0)
        return;
    const QString name = ChosenName();
    if (CurrentDialogs().Confirm(name.toStdString() + " нас покидает?")) {
        if (!DeleteProfile(name.toStdString())) {
            close();
            return;
        }
        delete ListBox1->takeItem(SelectedProfileIndex());
    }
    if (!Refresh())
        close();
}

void TOpen::SpeedButton3Click()
{
    close();
}

void TOpen::ListBox1KeyDown(int key)
{
    switch (key) {
    case kEnter:
        SpeedButton1Click();
        break;
    case kDelete:
        SpeedButton2Click();
        break;
    case kEscape:
        SpeedButton3Click();
        break;
    }
}
