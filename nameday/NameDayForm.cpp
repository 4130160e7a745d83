#include "nameday/NameDayForm.h"

#include "data/Tools.h"
#include "nameday/KVL_Interface.h"
#include "nameday/NameDayRules.h"
#include "platform/qt/Application.h"
#include "platform/qt/WindowLayout.h"
#include "platform/services/Clock.h"
#include "platform/widgets/DatePanel.h"
#include "platform/widgets/FlatButton.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include <algorithm>
#include <chrono>

QPointer<TNameDay> NameDay;

namespace {

constexpr int kClientWidth = 353;
constexpr int kClientHeight = 405;
// The greeting wraps within the window and keeps to three lines; a longer list of names
// ends in «…» there and is shown whole in the label's hint.
constexpr int kGreetingWidth = kClientWidth - 16;
constexpr int kGreetingLines = 3;

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QLabel* Caption(QWidget* parent, const char* name, const QString& text, QPoint at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->move(at);
    label->adjustSize();
    return label;
}

QGroupBox* Group(QWidget* page, const QString& caption)
{
    auto* box = new QGroupBox(caption, page);
    box->setGeometry(4, 2, 327, 228);
    return box;
}

QStringList TextList(const std::vector<std::string>& texts)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts)
        list << Text(text);
    return list;
}

void Fill(QListWidget* list, const std::vector<std::string>& texts)
{
    list->clear();
    list->addItems(TextList(texts));
}

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::stable_sort(names.begin(), names.end(), NameOrderLess);
    return names;
}

// The place a text takes when wrapped within the greeting's width.
QRect Wrapped(const QFontMetrics& metrics, const QString& text)
{
    return metrics.boundingRect(QRect(0, 0, kGreetingWidth, 100000), Qt::TextWordWrap, text);
}

// A wrapped line is a little taller than the font's line spacing says.
int LineHeight(const QFontMetrics& metrics)
{
    return Wrapped(metrics, QStringLiteral("Ёу")).height();
}

// The longest run of the caption's names that fits the greeting's lines, ended by «…».
QString FitGreeting(const QString& caption, const QFont& font)
{
    const QFontMetrics metrics(font);
    const int room = LineHeight(metrics) * kGreetingLines;
    auto fits = [&](const QString& text) { return Wrapped(metrics, text).height() <= room; };
    if (fits(caption))
        return caption;
    QString best = QStringLiteral("…");
    for (qsizetype comma = caption.indexOf(QLatin1Char(',')); comma > 0;
         comma = caption.indexOf(QLatin1Char(','), comma + 1)) {
        const QString candidate = caption.left(comma) + QStringLiteral("…");
        if (!fits(candidate))
            break;
        best = candidate;
    }
    return best;
}

} // namespace

TNameDay::TNameDay(QWidget* parent) : QDialog(parent)
{
    SetUpFixedDialog(*this, "NameDay", QStringLiteral("Именины"), {kClientWidth, kClientHeight});
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));

    BuildGreeting();
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(4, 110, kClientWidth - 8, 256);
    BuildDatePage();
    BuildNamePage();
    BuildCommonPage();

    SpeedButton1 = PlaceFlatButton(this, "SpeedButton1", QStringLiteral("ОК"), QString(), {139, 372, 75, 27},
                                   PixelFont(QStringLiteral("Comic Sans MS"), 13, true), Qt::blue);
    connect(SpeedButton1, &FlatButton::clicked, this, Guarded([this] { SpeedButton1Click(); }));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = PopupMenu1->addAction(QStringLiteral("Копировать"));
    N1->setObjectName(QStringLiteral("N1"));
    N2 = PopupMenu1->addAction(QStringLiteral("Копировать Все"));
    N2->setObjectName(QStringLiteral("N2"));
    connect(N1, &QAction::triggered, this, Guarded([this] { N1Click(); }));
    connect(N2, &QAction::triggered, this, Guarded([this] { N2Click(); }));

    RunGuarded([this] { FormCreate(); });
}

TNameDay::~TNameDay()
{
    FormDestroy();
}

void TNameDay::BuildGreeting()
{
    Label1 = Caption(this, "Label1", QStringLiteral("От всего сердца, хочу поздравить c днем ангела тех"), {0, 6});
    Label1->move((kClientWidth - Label1->width()) / 2, Label1->y());
    Label6 = Caption(this, "Label6", QStringLiteral("счастливчиков, которых родители наделили именами:"), {0, 22});
    Label6->move((kClientWidth - Label6->width()) / 2, Label6->y());

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    SetTextColor(Label2, Qt::red);
    Label2->move(Label1->x(), 40);

    Label3 = Caption(this, "Label3", QStringLiteral("ПОЗДРАВЛЯЮ!!!!"), {0, 90});
    Label3->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    Label3->adjustSize();
    Label3->move((kClientWidth - Label3->width()) / 2, Label3->y());
}

QListWidget* TNameDay::ResultList(QWidget* parent, const char* name, QRect place)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(place);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::customContextMenuRequested, this,
            [this, list](const QPoint& at) { PopupMenu1->popup(list->viewport()->mapToGlobal(at)); });
    return list;
}

void TNameDay::BuildDatePage()
{
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Поиск по дате"));
    auto* box = Group(TabSheet1, QStringLiteral("Поиск по дате..."));
    abfDatePanel1 = new DatePanel(box);
    abfDatePanel1->setObjectName(QStringLiteral("abfDatePanel1"));
    abfDatePanel1->setGeometry(8, 20, 311, 24);
    connect(abfDatePanel1, &DatePanel::changed, this, Guarded([this] { abfDatePanel1Change(); }));
    ListBox3 = ResultList(box, "ListBox3", {8, 50, 311, 170});
}

void TNameDay::BuildNamePage()
{
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Поиск по имени"));
    auto* box = Group(TabSheet2, QStringLiteral("Поиск по имени..."));
    Label5 = Caption(box, "Label5", QStringLiteral("Выберите имя:"), {8, 18});
    ListBox1 = new QListWidget(box);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 36, 150, 184);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, Guarded([this] { ListBox1Click(); }));
    ListBox2 = ResultList(box, "ListBox2", {166, 36, 153, 184});
}

void TNameDay::BuildCommonPage()
{
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Поиск совпадений"));
    auto* box = Group(TabSheet3, QStringLiteral("Поиск по нескольким именам..."));
    Label4 = Caption(box, "Label4", QStringLiteral("А вот здесь можно найти дни, в которые именины"), {8, 18});
    Label7 = Caption(box, "Label7", QStringLiteral(" празднуют сразу 2 человека... :)"), {8, 33});
    auto combo = [&](const char* name, const QString& prompt, QRect place) {
        auto* box3 = new QComboBox(box);
        box3->setObjectName(QLatin1String(name));
        box3->setEditable(true);
        box3->setInsertPolicy(QComboBox::NoInsert);
        box3->setMaxVisibleItems(16);
        box3->setGeometry(place);
        box3->setEditText(prompt);
        box3->installEventFilter(this);
        return box3;
    };
    dxfComboBox1 = combo("dxfComboBox1", QStringLiteral("Имя1"), {8, 54, 150, 24});
    dxfComboBox2 = combo("dxfComboBox2", QStringLiteral("Имя2"), {166, 54, 153, 24});
    BitBtn1 = new QPushButton(QStringLiteral("Поехали!!!"), box);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(8, 84, 311, 26);
    connect(BitBtn1, &QPushButton::clicked, this, Guarded([this] { BitBtn1Click(); }));
    ListBox4 = ResultList(box, "ListBox4", {8, 116, 311, 104});
}

void TNameDay::FormCreate()
{
    InitNameDays();

    const std::chrono::year_month_day today{std::chrono::floor<std::chrono::days>(CurrentClock().Now())};
    {
        // The handler runs below either way, also when the panel already showed today.
        const QSignalBlocker quiet(abfDatePanel1);
        abfDatePanel1->setDate(today);
    }
    abfDatePanel1Change();

    ShowGreeting(Text(GreetingText(
        DayToNames(static_cast<unsigned>(today.day()), static_cast<unsigned>(today.month())))));

    const QStringList names = TextList(Sorted(ListNames()));
    ListBox1->clear();
    ListBox1->addItems(names);
    for (QComboBox* combo : {dxfComboBox1, dxfComboBox2}) {
        const QString prompt = combo->currentText();
        combo->clear();
        combo->addItems(names);
        combo->setCurrentIndex(-1);
        combo->setEditText(prompt);
    }
}

void TNameDay::ShowGreeting(const QString& caption)
{
    const QString shown = FitGreeting(caption, Label2->font());
    Label2->setText(shown);
    Label2->setToolTip(shown == caption ? QString() : caption);
    const QFontMetrics metrics(Label2->font());
    const QRect needed = Wrapped(metrics, shown);
    const int line = LineHeight(metrics);
    Label2->setWordWrap(needed.height() > line);
    Label2->resize(std::min(needed.width() + 2, kGreetingWidth), std::max(needed.height(), line));
    Label2->move(CentredLeft(Label1->x(), Label1->width(), Label2->width()), Label2->y());
}

void TNameDay::FormDestroy()
{
    KVL_Done();
}

void TNameDay::SpeedButton1Click()
{
    close();
}

void TNameDay::abfDatePanel1Change()
{
    const std::chrono::year_month_day date = abfDatePanel1->date();
    Fill(ListBox3, Sorted(DayToNames(static_cast<unsigned>(date.day()), static_cast<unsigned>(date.month()))));
}

void TNameDay::ListBox1Click()
{
    const QList<QListWidgetItem*> chosen = ListBox1->selectedItems();
    if (chosen.isEmpty())
        return;
    Fill(ListBox2, NameToDays(chosen.front()->text().toStdString()));
}

void TNameDay::BitBtn1Click()
{
    const std::vector<std::string> a = NameToDays(dxfComboBox1->currentText().toStdString());
    const std::vector<std::string> b = NameToDays(dxfComboBox2->currentText().toStdString());
    Fill(ListBox4, CommonDates(a, b));
}

void TNameDay::ListBoxMouseDown(QListWidget* list, const QMouseEvent& event)
{
    list->setFocus(Qt::MouseFocusReason);
    if (event.button() != Qt::RightButton || list->count() == 0)
        return;
    list->clearSelection();
    const QPoint at = event.position().toPoint();
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        const QRect r = list->visualItemRect(item);
        // As the system gives an item's rectangle: right and bottom lie just outside it.
        if (PointInsideRect(at.x(), at.y(), r.x(), r.y(), r.x() + r.width(), r.y() + r.height()))
            list->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
    }
}

QListWidget* TNameDay::FocusedList() const
{
    for (QListWidget* list : {ListBox3, ListBox1, ListBox2, ListBox4})
        if (list == focusWidget())
            return list;
    return nullptr;
}

void TNameDay::N1Click()
{
    QListWidget* list = FocusedList();
    if (list == nullptr)
        return;
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    if (!chosen.isEmpty())
        CopyTextToClipboard(chosen.front()->text().toStdString());
}

void TNameDay::N2Click()
{
    QListWidget* list = FocusedList();
    if (list == nullptr)
        return;
    std::vector<std::string> items;
    for (int row = 0; row < list->count(); ++row)
        items.push_back(list->item(row)->text().toStdString());
    CopyTextToClipboard(AllItemsText(items));
}

void TNameDay::ComboEnter(QComboBox* combo)
{
    if (ShowsNamePrompt(combo->currentText().toStdString()))
        combo->setEditText(QString());
}

bool TNameDay::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == dxfComboBox1 || watched == dxfComboBox2)
            RunGuarded([this, watched] { ComboEnter(static_cast<QComboBox*>(watched)); });
    } else if (event->type() == QEvent::MouseButtonPress) {
        for (QListWidget* list : {ListBox3, ListBox2, ListBox4}) {
            if (list != nullptr && watched == list->viewport()) {
                const auto& press = static_cast<const QMouseEvent&>(*event);
                RunGuarded([this, list, &press] { ListBoxMouseDown(list, press); });
                // The right button's choice is ours alone; the view would pick by its own rules.
                if (press.button() == Qt::RightButton)
                    return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
