#include "data/Horo.h"

#include "app/main.h"
#include "data/Tools.h"
#include "platform/FileIo.h"
#include "platform/qt/Application.h"
#include "platform/qt/WindowLayout.h"
#include "platform/services/Dialogs.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/Label3D.h"
#include "platform/widgets/MultiRowTabWidget.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include <filesystem>
#include <system_error>

QPointer<THoroscop> Horoscop;

namespace {

const QColor kHeadingColour(0, 128, 0);
const QColor kTextColour(Qt::blue);

constexpr const char* kNoCopyText = "No Copy!!!";
constexpr const char* kJustReadText = "Зачем, что-то печатать!!! Просто читайте и наслаждайтесь!!! ;)";

constexpr const char* kHeadings[12] = {"Дата",   "Правящая планета", "Счастливые числа", "Символы",
                                       "Цвета",  "Камни",            "Цветы",            "Металл",
                                       "Талисман", "Счастливые дни", "Неудачные дни",    "Страны"};

// A label as the designer leaves it: its own name as the caption until the data comes.
QLabel* ValueLabel(QWidget* parent, int number, QRect place)
{
    const QString name = QStringLiteral("Label%1").arg(number);
    auto* label = new QLabel(name, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColor(label, kTextColour);
    return label;
}

QPlainTextEdit* Memo(QWidget* parent, const char* name, QRect place)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QLatin1String(name));
    memo->setGeometry(place);
    memo->setReadOnly(true);
    // Read-only, yet the keys move through the text as in any memo.
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo->setFrameStyle(QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    palette.setColor(QPalette::Text, kTextColour);
    memo->setPalette(palette);
    return memo;
}

QGroupBox* Group(QWidget* page, const QString& caption, QRect place)
{
    auto* group = new QGroupBox(caption, page);
    group->setGeometry(place);
    return group;
}

// Windows line breaks as Qt's labels and memos break lines.
QString Shown(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

THoroscop::THoroscop(QWidget* parent) : QDialog(parent)
{
    SetUpFixedDialog(*this, "Horoscop", QStringLiteral("Гороскопчик..."), {670, 541});
    setWindowFlag(Qt::WindowMinimizeButtonHint);

    dxfLabel1 = new Label3D(QStringLiteral("Овен"), this);
    dxfLabel1->setObjectName(QStringLiteral("dxfLabel1"));
    dxfLabel1->setGeometry((width() - 261) / 2, 4, 261, 31);
    dxfLabel1->setFont(PixelFont(QStringLiteral("Comic Sans MS"), 24, true));
    dxfLabel1->setTextColor(Qt::yellow);
    dxfLabel1->setShadowColor(QColor(128, 128, 0));
    dxfLabel1->setDepth(2);
    dxfLabel1->setAlignment(Qt::AlignCenter);

    PageControl1 = new MultiRowTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setFont(PixelFont(QStringLiteral("Verdana"), 13));
    PageControl1->setGeometry((width() - 646) / 2, 42, 646, 491);

    const char* const captions[16] = {
        "Общая информация", "Знак",          "Характеристика личности", "Психосексуальная характеристика",
        "Несексуальные маневры", "Здоровье", "Как удволетворить",       "Черты",
        "Экономика любви",  "Партнеры",      "Как соблазнить...",       "Оценка верности",
        "Астрологи шутят",  "Подарки",       "Под этим знаком родились", "Вопросы"};
    QWidget* pages[16];
    for (int i = 0; i < 16; ++i) {
        pages[i] = new QWidget;
        pages[i]->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        PageControl1->addPage(pages[i], QString::fromUtf8(captions[i]));
    }
    // Every page has the same room; the pages are laid out in it.
    const QSize room = PageControl1->pageRect().size();
    const QRect whole(4, 2, room.width() - 8, room.height() - 6);
    const QRect text(12, 20, 606, 356);
    auto page = [&](int number, const char* caption) {
        return Group(pages[number - 1], QString::fromUtf8(caption), whole);
    };

    QGroupBox* general = page(1, "Общая информация");
    for (int i = 0; i < 12; ++i) {
        const int top = 20 + i * 30;
        auto* heading = new QLabel(QString::fromUtf8(kHeadings[i]), general);
        heading->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        heading->setGeometry(10, top, 140, 31);
        heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        SetTextColor(heading, kHeadingColour);
        ValueLabel(general, 13 + i, {whole.width() - 476 - 10, top, 476, 31});
    }
    ValueLabel(page(2, "Знак"), 25, text);
    Memo1 = Memo(page(3, "Общая характеристика личности"), "Memo1", text);
    Memo2 = Memo(page(4, "Психосексуальная характеристика"), "Memo2", text);
    Memo5 = Memo(page(5, "Несексуальные маневры"), "Memo5", text);
    ValueLabel(page(6, "Здоровье"), 29, text);
    ValueLabel(page(7, "Как удволетворить"), 30, text);
    const int half = (whole.height() - 4) / 2;
    Memo3 = Memo(Group(pages[7], QStringLiteral("Положительные"), {whole.x(), whole.y(), whole.width(), half}),
                 "Memo3", {10, 20, 611, 161});
    Memo4 = Memo(Group(pages[7], QStringLiteral("Отрицательные"),
                       {whole.x(), whole.y() + half + 4, whole.width(), half}),
                 "Memo4", {10, 20, 611, 161});
    ValueLabel(page(9, "Экономика любви"), 33, text);
    ValueLabel(page(10, "Наиболее подходящие партнеры"), 34, text);
    ValueLabel(page(11, "Как соблазнить..."), 35, text);
    ValueLabel(page(12, "Оценка верности"), 36, text);
    ValueLabel(page(13, "Астрологи шутят"), 37, text);
    ValueLabel(page(14, "Что подарить на день рождение?"), 38, text);
    ValueLabel(page(15, "Под этим знаком родились"), 39, text);
    ValueLabel(page(16, "Вопросы"), 40, text);

    for (QPlainTextEdit* memo : {Memo1, Memo2, Memo3, Memo4, Memo5})
        memo->installEventFilter(this);
    // A mouse press reaches a memo's viewport, not the memo.
    for (QPlainTextEdit* memo : {Memo1, Memo3, Memo4, Memo5})
        memo->viewport()->installEventFilter(this);
}

void THoroscop::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    RunGuarded([this] { FormShow(); });
}

std::string THoroscop::SignFileName() const
{
    return SignFileNameFor(dxfLabel1->text().toStdString());
}

void THoroscop::FormShow()
{
    dxfLabel1->setText(QString::fromStdString(ZodiacSign(CurrentProfile)));

    const std::string name = SignFileName();
    const std::string plain = TempFolderPath() + name;
    SignLines = SignTexts{};
    DecodeFile(ProgramFilePath("Data\\" + name), plain, kSignFileKey);
    SignLines = ReadSignFile(plain);
    SignLines[kSeductionEntry] = BreakSeductionText(SignLines[kSeductionEntry]);

    Memo1->appendPlainText(Shown(SignLines[15]));
    Memo2->appendPlainText(Shown(SignLines[16]));
    Memo3->appendPlainText(Shown(SignLines[20]));
    Memo4->appendPlainText(Shown(SignLines[21]));
    Memo5->appendPlainText(Shown(SignLines[17]));

    // The labels are found by name: Label13..Label25, Label29, Label30 and Label33..Label40
    // show the entry eleven below their number.
    for (const auto& [first, last] : {std::pair{13, 25}, std::pair{29, 30}, std::pair{33, 40}}) {
        for (int k = first; k <= last; ++k) {
            if (auto* label = findChild<QLabel*>(QStringLiteral("Label%1").arg(k)))
                label->setText(Shown(SignLines[k - 11]));
        }
    }

    // The plain copy goes as soon as it has been read; nothing can be done if it will not.
    std::error_code ignored;
    std::filesystem::remove(PathFromUtf8(plain), ignored);
}

bool THoroscop::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        // Memo2 was left out of the mouse message.
        for (QPlainTextEdit* memo : {Memo1, Memo3, Memo4, Memo5}) {
            if (watched == memo->viewport()) {
                const Qt::MouseButtons held = static_cast<QMouseEvent*>(event)->buttons();
                RunGuarded([this, held] { MemoMouseDown(held); });
            }
        }
    } else if (type == QEvent::KeyPress) {
        for (QPlainTextEdit* memo : {Memo1, Memo2, Memo3, Memo4, Memo5}) {
            if (watched == memo) {
                const int key = static_cast<QKeyEvent*>(event)->key();
                RunGuarded([this, key] { MemoKeyDown(key); });
            }
        }
    }
    // The memo goes on to handle the press as usual.
    return QDialog::eventFilter(watched, event);
}

void THoroscop::MemoMouseDown(Qt::MouseButtons held)
{
    if (held & Qt::RightButton)
        CurrentDialogs().Message(kNoCopyText);
}

void THoroscop::MemoKeyDown(int key)
{
    if (key != 0)
        CurrentDialogs().Message(kJustReadText);
}
