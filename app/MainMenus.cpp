// The main window's menus, the CD-door items and the commands behind the menus and buttons.
#include "app/main.h"

#include "app/MenuStyle.h"
#include "platform/qt/Application.h"
#include "platform/widgets/FlatButton.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>

#include <algorithm>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

using Command = void (TForm1::*)();

// Every command of the menus and buttons by its handler's name. The windows that some of them
// open come with other parts of the program: until an opener is attached here, the items and
// buttons that run it stay disabled.
struct CommandSlot {
    const char* name;
    Command run;
};

const CommandSlot kCommands[] = {
    {"N29Click", &TForm1::N29Click},
    {"SpeedButton3Click", &TForm1::SpeedButton3Click},
    {"ReadMe1Click", &TForm1::ReadMe1Click},
    {"N15Click", &TForm1::N15Click},
    {"N23Click", &TForm1::N23Click},
    {"N9Click", &TForm1::N9Click},
    {"N10Click", &TForm1::N10Click},
    {"N33Click", &TForm1::N33Click},
    {"N35Click", &TForm1::N35Click},
    {"N25Click", &TForm1::ShowTipOfTheDay},
    {"SpeedButton4Click", &TForm1::ShowThanks},
    {"SpeedButton5Click", &TForm1::ShowAbout},
    {"N18Click", &TForm1::ShowTimer},
    {"Label6Click", &TForm1::ShowClock},
    {"N19Click", &TForm1::ShowSystemInfo},
};

Command FindCommand(const char* name)
{
    for (const CommandSlot& slot : kCommands)
        if (std::strcmp(slot.name, name) == 0)
            return slot.run;
    return nullptr;
}

// One menu item. Items run either a command or one of the window's actions; an item run by
// an action shows the action's key (and, without a caption of its own, its caption) and
// leaves the key to the action.
struct MenuRow {
    const char* menu; // "MainMenu1" for an item of the menu bar itself
    const char* name;
    const char* caption; // "-" for a separator, nullptr for the action's caption
    ShortCut key;
    const char* picture; // under :/menu/
    const char* command = nullptr;
    QAction* TForm1::*action = nullptr;
};

struct MenuTitle {
    const char* name;
    const char* caption;
};

const MenuTitle kMenus[] = {{"file1", "Файл"}, {"N2", "?"}, {"Extra1", "Экстра"}, {"PopupMenu1", ""}};

constexpr unsigned kShiftCtrl = ShortCut::Shift | ShortCut::Ctrl;

const MenuRow kMenuRows[] = {
    {"file1", "N29", "Новый профиль", LetterKey('N', ShortCut::Ctrl), "new", "N29Click"},
    {"file1", "N1", "Загрузить профиль", {}, "open", nullptr, &TForm1::Load},
    {"file1", "N7", "Сохранить профиль", {}, "save", nullptr, &TForm1::Save},
    {"file1", "N8", "-", {}, nullptr},
    {"file1", "N35", "Настройки", {}, "settings", "N35Click"},
    {"file1", "N34", "-", {}, nullptr},
    {"file1", "N6", nullptr, {}, "exit", nullptr, &TForm1::Escape},
    {"MainMenu1", "N25", "Фраза дня...", {}, "phrase", "N25Click"},
    {"N2", "CHTML1", "Справка (CHM)", FunctionKey(1), "help", "SpeedButton3Click"},
    {"N2", "N5", "Благодарности", FunctionKey(2), "thanks", "SpeedButton4Click"},
    {"N2", "N3", "О программе", FunctionKey(3), "about", "SpeedButton5Click"},
    {"N2", "ReadMe1", "Лицензия", FunctionKey(4), "licence", "ReadMe1Click"},
    {"N2", "N4", "Зайти на сайт автора", {}, "site", "N15Click"},
    {"N2", "N36", "Написать автору", {}, "mail", "N23Click"},
    {"Extra1", "N17", "-", {}, nullptr},
    {"Extra1", "N9", "Выключить компьютер", FunctionKey(11, kShiftCtrl), "power-off", "N9Click"},
    {"Extra1", "N10", "Перезагрузить компьютер", FunctionKey(12, kShiftCtrl), "restart", "N10Click"},
    {"Extra1", "N33", "Войти под другим именем", FunctionKey(10, kShiftCtrl), "log-off", "N33Click"},
    {"Extra1", "N20", "-", {}, nullptr},
    {"Extra1", "N26", "Таймер", {}, "timer-15", "N18Click"},
    {"Extra1", "N27", "Часики", LetterKey('T', ShortCut::Ctrl), "clock-15", "Label6Click"},
    {"Extra1", "N28", "-", {}, nullptr},
    {"Extra1", "N19", "О системе", {}, "system", "N19Click"},
    {"PopupMenu1", "N12", "Сохранить профиль", {}, "save", nullptr, &TForm1::Save},
    {"PopupMenu1", "N13", "Загрузить профиль", {}, "open", nullptr, &TForm1::Load},
    {"PopupMenu1", "N31", "-", {}, nullptr},
    {"PopupMenu1", "N18", "Таймер", {}, "timer", "N18Click"},
    {"PopupMenu1", "N14", "Часики", LetterKey('T', ShortCut::Ctrl), "clock", "Label6Click"},
    {"PopupMenu1", "N16", "-", {}, nullptr},
    {"PopupMenu1", "N22", "О системе", {}, "system", "N19Click"},
    {"PopupMenu1", "N21", "-", {}, nullptr},
    {"PopupMenu1", "N23", "Зайти на сайт автора", {}, "site", "N15Click"},
    {"PopupMenu1", "N15", "Написать автору", {}, "mail", "N23Click"},
    {"PopupMenu1", "N30", "О программе ", FunctionKey(3), "about", "SpeedButton5Click"},
    {"PopupMenu1", "N11", nullptr, {}, "exit", nullptr, &TForm1::Escape},
};

QIcon Picture(const char* name)
{
    return QIcon(QPixmap(QStringLiteral(":/menu/%1.png").arg(QLatin1String(name))));
}

} // namespace

// The pictures are compiled into the window library; a static library must register them.
static void LoadMenuPictures()
{
    Q_INIT_RESOURCE(menu);
}

QMenu* TForm1::NewMenu(const QString& title, QWidget* parent)
{
    auto* menu = new OwnerDrawnMenu(title, parent, menuStyle_);
    menu->setFont(font());
    return menu;
}

void TForm1::BuildMenus()
{
    LoadMenuPictures();
    menuStyle_ = new OwnerDrawnMenuStyle(this);
    menuStyle_->setParent(this);

    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setNativeMenuBar(false);
    bar->setStyle(menuStyle_);
    // The menus are measured with the window's font; they are drawn in it too, as Windows'
    // own menu font is of the same size, where a Linux desktop's is often larger and would
    // cut the captions short.
    bar->setFont(font());

    QList<QKeySequence> boundKeys;
    auto bindKey = [this, &boundKeys](const ShortCut& key, QAction* item) {
        const QKeySequence keys = KeySequenceOf(key);
        if (keys.isEmpty() || boundKeys.contains(keys))
            return; // the same command's item elsewhere holds the key already
        boundKeys.append(keys);
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, item, &QAction::trigger);
    };

    for (const MenuRow& row : kMenuRows) {
        const QString menuName = QLatin1String(row.menu);
        QWidget* parent = bar;
        if (menuName != QLatin1String("MainMenu1")) {
            QMenu* menu = findChild<QMenu*>(menuName);
            if (menu == nullptr) {
                const auto* title = std::find_if(std::begin(kMenus), std::end(kMenus), [&](const MenuTitle& t) {
                    return menuName == QLatin1String(t.name);
                });
                menu = NewMenu(QString::fromUtf8(title->caption), this);
                menu->setObjectName(menuName);
                if (menuName != QLatin1String("PopupMenu1"))
                    bar->addMenu(menu);
            }
            parent = menu;
        }
        auto* item = new QAction(parent);
        item->setObjectName(QLatin1String(row.name));
        if (row.caption != nullptr && std::strcmp(row.caption, "-") == 0) {
            item->setSeparator(true);
            parent->addAction(item);
            continue;
        }
        item->setIcon(Picture(row.picture));
        if (row.action != nullptr) {
            QAction* action = this->*row.action;
            if (action == nullptr) // the window's actions are made before its menus
                throw std::logic_error(std::string("no action for menu item ") + row.name);
            item->setText(row.caption != nullptr ? QString::fromUtf8(row.caption) : action->text());
            SetMenuShortCut(item, ShortCutOf(action->shortcut()));
            item->setEnabled(action->isEnabled());
            connect(action, &QAction::changed, item, [item, action] { item->setEnabled(action->isEnabled()); });
            connect(item, &QAction::triggered, action, &QAction::trigger);
        } else {
            item->setText(QString::fromUtf8(row.caption));
            SetMenuShortCut(item, row.key);
            const Command run = FindCommand(row.command);
            item->setEnabled(run != nullptr);
            if (run != nullptr)
                connect(item, &QAction::triggered, this, Guarded([this, run] { (this->*run)(); }));
            bindKey(row.key, item);
        }
        parent->addAction(item);
    }
    file1 = findChild<QMenu*>(QStringLiteral("file1"));
    N2 = findChild<QMenu*>(QStringLiteral("N2"));
    Extra1 = findChild<QMenu*>(QStringLiteral("Extra1"));
    PopupMenu1 = findChild<QMenu*>(QStringLiteral("PopupMenu1"));

    // The buttons run the same commands as their items; the date label runs the clock's
    // opener through the window's event filter.
    const std::pair<FlatButton*, const char*> controls[] = {
        {SpeedButton3, "SpeedButton3Click"},
        {SpeedButton4, "SpeedButton4Click"},
        {SpeedButton5, "SpeedButton5Click"},
    };
    for (const auto& [control, name] : controls) {
        const Command run = FindCommand(name);
        control->setEnabled(run != nullptr);
        if (run == nullptr)
            continue;
        const auto handler = Guarded([this, run] { (this->*run)(); });
        connect(control, &FlatButton::clicked, this, handler);
    }
    connect(SpeedButton6, &FlatButton::clicked, this, Guarded([this] { SpeedButton6Click(); }));

    CurrentTray().SetClickHandler([form = QPointer<TForm1>(this)](Tray::Click click) {
        if (form)
            RunGuarded([&] { form->TrayIconNotify(click); });
    });
}

void TForm1::BuildCdMenus()
{
    const std::vector<CdDrive> drives = CurrentCdDrives().List();
    if (drives.empty())
        return;
    QMenu* open = NewMenu(QStringLiteral("Открыть CDRomDrive"), this);
    open->setObjectName(QStringLiteral("CdEjectMenu"));
    open->menuAction()->setIcon(Picture("cd-eject"));
    QMenu* close = NewMenu(QStringLiteral("Закрыть CDRomDrive"), this);
    close->setObjectName(QStringLiteral("CdCloseMenu"));
    close->menuAction()->setIcon(Picture("cd-close"));
    for (const CdDrive& drive : drives) {
        const CdMenuItem look = CdMenuItemFor(drive);
        const QString caption = QString::fromStdString(look.caption);
        const struct {
            QMenu* menu;
            const char* picture;
            ShortCut key;
            void (TForm1::*run)(const CdDrive&);
        } doors[] = {{open, "cd-eject", look.openKey, &TForm1::CdEjectClick},
                     {close, "cd-close", look.closeKey, &TForm1::CdCloseClick}};
        for (const auto& door : doors) {
            QAction* item = door.menu->addAction(Picture(door.picture), caption);
            SetMenuShortCut(item, door.key);
            connect(item, &QAction::triggered, this,
                    Guarded([this, drive, run = door.run] { (this->*run)(drive); }));
            if (!door.key.Empty()) {
                auto* shortcut = new QShortcut(KeySequenceOf(door.key), this);
                connect(shortcut, &QShortcut::activated, item, &QAction::trigger);
            }
        }
    }
    QAction* first = Extra1->actions().value(0);
    Extra1->insertMenu(first, open);
    Extra1->insertMenu(first, close);
}
