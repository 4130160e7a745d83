#include "extras/ThanksBox.h"

#include "extras/Thanks.h"
#include "platform/qt/Application.h"
#include "platform/qt/Modal.h"
#include "platform/qt/WindowLayout.h"
#include "platform/services/Shell.h"
#include "platform/widgets/FlatButton.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

QPointer<TOKBottomDlg> OKBottomDlg;

namespace {

constexpr const char* kTesterSite = "https://www.winehq.org/";

struct ThanksLine {
    int number;
    const char* text;
};

// The lines of the frame from top to bottom; 17 and 22 share a line with 16.
const ThanksLine kLines[] = {
    {1, "Огромное спасибо всем, без кого Ortavi бы не было:"},
    {2, "сообществу Qt - за библиотеку, на которой стоят все окна;"},
    {3, "разработчикам GCC и LLVM - за компиляторы;"},
    {4, "сообществам CMake и Ninja - за быструю сборку;"},
    {5, "авторам GoogleTest - за ошибки, пойманные до вас;"},
    {6, "проекту Debian - за систему, в которой всё собрано;"},
    {7, "проекту mingw-w64 - за сборку для Windows;"},
    {8, "проекту Wine - за то, что эту сборку можно проверить,"},
    {9, "не покидая Linux. Загляните к ним:"},
    {10, "создателям шрифтов Comic Neue, Andika и Liberation -"},
    {11, "за буквы, которыми написано всё, что вы видите;"},
    {12, "сообществу Python - за скрипт, что рисует картинки;"},
    {13, "сообществу Git - за бережно хранимую историю правок;"},
    {14, "всем, кто пишет документацию и отвечает на вопросы"},
    {15, "на форумах, - за подсказки в трудную минуту;"},
    {16, "и отдельно -"},
    {18, "за пример того, какими бывают хорошие программы."},
    {19, "Спасибо вам всем!"},
    {21, "- команда Ortavi"},
};

constexpr int kLineTop = 8;
constexpr int kLineStep = 17;

QFont Plain(bool bold = false)
{
    return PixelFont(QStringLiteral("MS Sans Serif"), 11, bold);
}

QLabel* Picture(QWidget* parent, const char* name, const char* resource, QRect place)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setPixmap(QPixmap(QLatin1String(resource)));
    label->setScaledContents(true);
    return label;
}

} // namespace

static void LoadExtrasPictures()
{
    Q_INIT_RESOURCE(extras);
}

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : QDialog(parent)
{
    LoadExtrasPictures();
    SetUpFixedDialog(*this, "OKBottomDlg", QStringLiteral("Спасибости"), {430, 540});
    setFont(Plain());

    Image1 = Picture(this, "Image1", ":/thanks-banner", {8, 8, 414, 72});

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 86, 414, 352);

    int row = 0;
    for (const ThanksLine& line : kLines) {
        // The link to the testers' site takes a line of its own after line 9.
        if (line.number == 10)
            ++row;
        auto* label = new QLabel(QString::fromUtf8(line.text), Bevel1);
        label->setObjectName(QStringLiteral("Label%1").arg(line.number));
        label->setTextFormat(Qt::PlainText);
        label->setFont(Plain(line.number == 1 || line.number == 19));
        label->setGeometry(10, kLineTop + row * kLineStep, 394, 16);
        if (line.number == 21)
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (line.number == 16)
            label->setFixedWidth(label->sizeHint().width());
        ++row;
    }
    const int linkTop = kLineTop + 9 * kLineStep;
    SpeedButton1 = PlaceFlatButton(Bevel1, "SpeedButton1", QLatin1String(kTesterSite), QString(),
                                   {26, linkTop - 2, 200, 19}, Plain(true), Qt::blue);
    SpeedButton1->resize(SpeedButton1->sizeHint().width(), 19);
    connect(SpeedButton1, &FlatButton::clicked, this, Guarded([this] { SpeedButton1Click(); }));

    // The two blue names after «и отдельно -».
    QLabel* line16 = ThanksLabel(16);
    int x = line16->geometry().right() + 5;
    for (auto [name, text] :
         {std::pair{"Label17", "сообществу KDE"}, std::pair{"Label22", "и сообществу GNOME"}}) {
        auto* label = new QLabel(QString::fromUtf8(text), Bevel1);
        label->setObjectName(QLatin1String(name));
        label->setFont(Plain(true));
        SetTextColor(label, Qt::blue);
        label->setCursor(Qt::PointingHandCursor);
        label->move(x, line16->y());
        label->adjustSize();
        label->installEventFilter(this);
        x += label->width() + 5;
    }
    Label17 = ThanksLabel(17);
    Label22 = ThanksLabel(22);

    // Hidden until the corner button is pressed.
    Label20 = new QLabel(QStringLiteral("А вам - за любопытство! :)"), this);
    Label20->setObjectName(QStringLiteral("Label20"));
    Label20->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 12, true));
    Label20->setAlignment(Qt::AlignCenter);
    Label20->setGeometry(112, 452, 206, 24);
    SetTextColor(Label20, QColor(128, 0, 0));
    Label20->hide();
    const struct {
        const char* name;
        const char* resource;
        QRect place;
    } pictures[] = {
        {"Image2", ":/thanks-star", {10, 448, 32, 32}}, {"Image3", ":/thanks-heart", {44, 448, 32, 32}},
        {"Image4", ":/thanks-dot", {86, 456, 16, 16}},  {"Image5", ":/thanks-flower", {320, 448, 32, 32}},
        {"Image6", ":/thanks-sun", {354, 448, 32, 32}}, {"Image7", ":/thanks-smile", {388, 448, 32, 32}},
    };
    for (const auto& picture : pictures)
        Picture(this, picture.name, picture.resource, picture.place)->hide();

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(120, 496, 88, 28);
    BitBtn1->setDefault(true);
    BitBtn1->setFocus();
    connect(BitBtn1, &QPushButton::clicked, this, Guarded([this] { BitBtn1Click(); }));
    SpeedButton2 = PlaceFlatButton(this, "SpeedButton2", QStringLiteral("Еще..."), QString(),
                                   {222, 496, 88, 28}, Plain(true));
    connect(SpeedButton2, &FlatButton::clicked, this, Guarded([this] { SpeedButton2Click(); }));
    SpeedButton3 = new FlatButton(this);
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    SpeedButton3->setGeometry(0, height() - 5, 5, 5);
    connect(SpeedButton3, &FlatButton::clicked, this, Guarded([this] { SpeedButton3Click(); }));
}

QLabel* TOKBottomDlg::ThanksLabel(int number) const
{
    return findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
}

bool TOKBottomDlg::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Label17 || watched == Label22) &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (event->type() == QEvent::MouseButtonRelease)
            RunGuarded([this] { Label17Click(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TOKBottomDlg::BitBtn1Click()
{
    accept();
}

void TOKBottomDlg::SpeedButton1Click()
{
    CurrentShell().Open(kTesterSite);
}

void TOKBottomDlg::SpeedButton2Click()
{
    ShowFreshModal(Assistance, this);
}

void TOKBottomDlg::SpeedButton3Click()
{
    Label20->setVisible(!Label20->isVisible());
    for (int k = 2; k <= 7; ++k)
        if (auto* picture = findChild<QWidget*>(QStringLiteral("Image%1").arg(k)))
            picture->setVisible(!picture->isVisible());
}

void TOKBottomDlg::Label17Click()
{
}
