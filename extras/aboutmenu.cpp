#include "extras/aboutmenu.h"

#include "app/Version.h"
#include "data/Tools.h"
#include "platform/ini/IniFile.h"
#include "platform/qt/Application.h"
#include "platform/qt/WindowLayout.h"
#include "platform/services/Dialogs.h"
#include "platform/services/Shell.h"
#include "platform/widgets/BorderlessWindow.h"
#include "platform/widgets/ColorButton.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/Hints.h"
#include "platform/widgets/Label3D.h"
#include "platform/widgets/ScrollingCredits.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

QPointer<TAboutBox> AboutBox;

namespace {

const QColor kGreen(0, 128, 0);

QFont Plain(int pixels = 11, bool bold = false)
{
    return PixelFont(QStringLiteral("MS Sans Serif"), pixels, bold);
}

QLabel* Text(QWidget* parent, const char* name, const QString& text, QRect place, const QFont& font = Plain())
{
    auto* label = new QLabel(text, parent);
    if (name != nullptr)
        label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A page with a second one behind it, for the copy buttons.
QIcon CopyGlyph()
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(Qt::white);
    p.drawRect(4, 0, 9, 10);
    p.setBrush(QColor(255, 250, 205));
    p.drawRect(0, 3, 9, 10);
    p.setPen(QColor(0, 0, 128));
    for (int y = 6; y <= 10; y += 2)
        p.drawLine(2, y, 7, y);
    return QIcon(pixmap);
}

FlatButton* CopyButton(QWidget* parent, const char* name, int top)
{
    FlatButton* button = PlaceFlatButton(parent, name, QString(), QStringLiteral("Скопировать в буфер"),
                                         {276, top - 1, 22, 19}, Plain());
    button->setIcon(CopyGlyph());
    button->setIconSize({14, 14});
    return button;
}

FlatButton* Link(QWidget* parent, const char* name, const QString& text, int top,
                 const QString& hint = QString())
{
    return PlaceFlatButton(parent, name, text, hint, {92, top - 3, 210, 21}, Plain(11, true), Qt::blue);
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("О программе..."));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(643, 411);
    setFont(Plain());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kGreen);
    setPalette(pal);
    setAutoFillBackground(true);

    BuildLeftPanel();
    BuildCredits();

    dxfColorButton1 = PlaceColorButton(this, "dxfColorButton1", QStringLiteral("OK"), {271, 370, 100, 32},
                                       PixelFont(QStringLiteral("Comic Sans MS"), 16, true), Qt::blue);
    HintService::setHint(dxfColorButton1, QStringLiteral("Что, так быстро?"));
    connect(dxfColorButton1, &ColorButton::clicked, this, Guarded([this] { dxfColorButton1Click(); }));
    dxfColorButton1->setFocus();

    // The counter alone would be a bare number in the corner.
    QLabel* startsCaption =
        Text(this, nullptr, QStringLiteral("Запусков:"), {24, 378, 60, 16}, Plain(11, true));
    Label7 = Text(this, "Label7", QString(), {86, 378, 80, 16}, Plain(11, true));
    SetTextColor(startsCaption, Qt::yellow);
    SetTextColor(Label7, Qt::yellow);

    dxfLabel2 = new Label3D(QStringLiteral("dxfLabel2"), this);
    dxfLabel2->setObjectName(QStringLiteral("dxfLabel2"));
    dxfLabel2->setGeometry(468, 364, 150, 22);
    dxfLabel2->setFont(PixelFont(QStringLiteral("Comic Sans MS"), 15, true));
    dxfLabel2->setTextColor(Qt::white);
    dxfLabel2->setShadowColor(QColor(0, 64, 0));
    dxfLabel2->setDepth(2);
    dxfLabel2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1 = Text(this, "Label1", QStringLiteral("Мастерская Ortavi"), {428, 387, 190, 16}, Plain(11, true));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetTextColor(Label1, Qt::yellow);

    Drag = new BodyDrag(this);
    CentreOnScreen(*this);
    FormCreate();
}

void TAboutBox::BuildLeftPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(8, 8, 310, 352);
    Panel1->setAutoFillBackground(true);
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, QColor(236, 233, 216));
    Panel1->setPalette(pal);
    // A panel is a window of its own: pressing on it does not drag the about window.
    Panel1->setAttribute(Qt::WA_NoMousePropagation);

    dxfLabel1 = new Label3D(QStringLiteral("ORTAVI"), Panel1);
    dxfLabel1->setObjectName(QStringLiteral("dxfLabel1"));
    dxfLabel1->setGeometry(6, 4, 298, 64);
    dxfLabel1->setFont(PixelFont(QStringLiteral("Comic Sans MS"), 48, true));
    dxfLabel1->setTextColor(Qt::red);
    dxfLabel1->setShadowColor(QColor(128, 0, 0));
    dxfLabel1->setShadowStyle(Label3D::Fun);
    dxfLabel1->setDepth(4);
    dxfLabel1->setAlignment(Qt::AlignCenter);
    dxfLabel1->setCursor(Qt::PointingHandCursor);
    dxfLabel1->installEventFilter(this);

    Version = new Label3D(Panel1);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setGeometry(6, 70, 298, 24);
    Version->setFont(PixelFont(QStringLiteral("Comic Sans MS"), 16, true));
    Version->setTextColor(Qt::blue);
    Version->setShadowColor(QColor(160, 160, 160));
    Version->setDepth(2);
    Version->setAlignment(Qt::AlignCenter);

    Copyright =
        Text(Panel1, "Copyright", QStringLiteral("2004 · команда разработчиков Ortavi"), {6, 96, 298, 16});
    Copyright->setAlignment(Qt::AlignCenter);
    Comments = Text(Panel1, "Comments", QString(), {6, 114, 298, 14});

    Label4 = Text(Panel1, "Label4", QStringLiteral("Нравится программа? Поддержите её развитие"),
                  {10, 130, 290, 16});
    Label6 = Text(Panel1, "Label6", QStringLiteral("через платёжный сервис (реквизиты ниже - примеры):"),
                  {10, 146, 290, 16});

    Label8 = Text(Panel1, "Label8", QString::fromUtf8(PaymentServiceCaption), {10, 170, 110, 16});
    Label9 = Text(Panel1, "Label9", QString::fromUtf8(PaymentAccount1), {120, 170, 154, 16}, Plain(11, true));
    SpeedButton4 = CopyButton(Panel1, "SpeedButton4", 170);
    Label10 = Text(Panel1, "Label10", QStringLiteral("Или сюда:"), {10, 190, 110, 16});
    Label11 =
        Text(Panel1, "Label11", QString::fromUtf8(PaymentAccount2), {120, 190, 154, 16}, Plain(11, true));
    SpeedButton5 = CopyButton(Panel1, "SpeedButton5", 190);
    Label12 =
        Text(Panel1, "Label12", QString::fromUtf8(PaymentAccount3), {120, 210, 154, 16}, Plain(11, true));
    SpeedButton6 = CopyButton(Panel1, "SpeedButton6", 210);

    Label13 = Text(Panel1, "Label13", QStringLiteral("Помощь будет оценена по достоинству!!! ;)"),
                   {6, 236, 298, 16}, Plain(11, true));
    Label13->setAlignment(Qt::AlignCenter);
    SetTextColor(Label13, QColor(128, 0, 0));

    Label3 = Text(Panel1, "Label3", QStringLiteral("Мой ICQ:"), {10, 266, 80, 16});
    SpeedButton1 = Link(Panel1, "SpeedButton1", QString::fromUtf8(AuthorMessengerNumber), 266);
    Label5 = Text(Panel1, "Label5", QStringLiteral("Мой e-mail:  "), {10, 292, 80, 16});
    SpeedButton2 = Link(Panel1, "SpeedButton2", QLatin1String(AuthorMail), 292);
    Label2 = Text(Panel1, "Label2", QStringLiteral("Мой саит:"), {10, 318, 80, 16});
    SpeedButton3 =
        Link(Panel1, "SpeedButton3", QLatin1String(AuthorSite), 318, QStringLiteral("Скорее все сюда!!!"));

    connect(SpeedButton1, &FlatButton::clicked, this, Guarded([this] { SpeedButton1Click(); }));
    connect(SpeedButton2, &FlatButton::clicked, this, Guarded([this] { SpeedButton2Click(); }));
    connect(SpeedButton3, &FlatButton::clicked, this, Guarded([this] { SpeedButton3Click(); }));
    connect(SpeedButton4, &FlatButton::clicked, this, Guarded([this] { SpeedButton4Click(); }));
    connect(SpeedButton5, &FlatButton::clicked, this, Guarded([this] { SpeedButton5Click(); }));
    connect(SpeedButton6, &FlatButton::clicked, this, Guarded([this] { SpeedButton6Click(); }));
}

void TAboutBox::BuildCredits()
{
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setGeometry(326, 8, 309, 352);
    Panel2->setAttribute(Qt::WA_NoMousePropagation);

    abfCredits1 = new ScrollingCredits(Panel2);
    abfCredits1->setObjectName(QStringLiteral("abfCredits1"));
    abfCredits1->setGeometry(2, 2, 305, 348);
    abfCredits1->setFillColor(kGreen);
    abfCredits1->setInterval(25);
    abfCredits1->setEntries({
        {QStringLiteral("Здравствуйте!!!"), PixelFont(QStringLiteral("Comic Sans MS"), 22, true), Qt::yellow},
        {QStringLiteral("Мы - команда, которая делает Ortavi: маленькую программу о вас самих. "
                        "По имени, дате рождения, росту и весу она считает прожитые дни, "
                        "биоритмы и тринадцать показателей тела, рисует график, читает гороскоп "
                        "и напоминает об именинах.\n\n"
                        "Делаем мы её в свободное время и с большим удовольствием. "
                        "Если что-то посчиталось не так или захотелось чего-то нового - "
                        "напишите нам, адрес слева.\n\n"
                        "Ortavi стоит на плечах открытых проектов: Qt, GCC, CMake, GoogleTest, "
                        "Debian, Wine и многих других. Спасибо их сообществам!\n\n"
                        "Приятного пользования!"),
         PixelFont(QStringLiteral("Comic Sans MS"), 14), Qt::white},
    });
    abfCredits1->setScrolling(true);
}

void TAboutBox::FormCreate()
{
    IniFile ini(ProgramFilePath("ortavi.ini"));
    Label7->setText(QString::fromStdString(ini.ReadString("Ortavi", "Mach", "")));
    Version->setText(QLatin1String(VersionText));
    dxfLabel2->setText(QLatin1String(ReleaseDate));
    ClipToRoundedRect(*this, 40, 40);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == dxfLabel1) {
        if (event->type() == QEvent::MouseButtonPress)
            return true;
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && dxfLabel1->rect().contains(mouse->position().toPoint()))
                RunGuarded([this] { dxfLabel1Click(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::dxfLabel1Click()
{
    if (CurrentDialogs().Confirm("Фо, Интересненькоо?? ;))"))
        CurrentDialogs().Message("Пасибки за Интерес, но тутки ничего нетуть! :(");
    else
        CurrentDialogs().Message("Не интересненькоо?? Ща надуюсь ;))");
}

void TAboutBox::SpeedButton1Click()
{
    CurrentShell().Open(AuthorMessengerPage);
}

void TAboutBox::SpeedButton2Click()
{
    CurrentShell().Open(std::string("mailto:") + AuthorMail);
}

void TAboutBox::SpeedButton3Click()
{
    CurrentShell().Open(AuthorSite);
}

void TAboutBox::SpeedButton4Click()
{
    CopyTextToClipboard(Label9->text().toStdString());
}

void TAboutBox::SpeedButton5Click()
{
    CopyTextToClipboard(Label11->text().toStdString());
}

void TAboutBox::SpeedButton6Click()
{
    CopyTextToClipboard(Label12->text().toStdString());
}

void TAboutBox::dxfColorButton1Click()
{
    close();
}
