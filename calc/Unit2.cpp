#include "calc/Unit2.h"

#include "app/Version.h"
#include "app/main.h"
#include "calc/Analyz.h"
#include "calc/Diagnosis.h"
#include "chart/aboutbio.h"
#include "data/Horo.h"
#include "platform/qt/Application.h"
#include "platform/qt/Locale.h"
#include "platform/qt/Modal.h"
#include "platform/qt/WindowLayout.h"
#include "platform/services/Shell.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/Hints.h"

#include <QLabel>

QPointer<Tresult> result;

namespace {

constexpr int kLabelTops[19] = {2, 18, 35, 51, 72, 88, 104, 122, 139, 155, 171, 187, 203, 219, 235, 251, 267, 283, 299};
// The labels from top to bottom, as the result lines come.
constexpr const char* kLabelOrder[19] = {"Label2",  "Label1",  "Label17", "Label3",  "Label4",
                                         "Label5",  "Label6",  "Label18", "Label19", "Label7",
                                         "Label8",  "Label9",  "Label10", "Label11", "Label12",
                                         "Label13", "Label14", "Label15", "Label16"};

QFont ButtonFont()
{
    return PixelFont(QStringLiteral("Comic Sans MS"), 13, true);
}

FlatButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& hint, QRect place)
{
    return PlaceFlatButton(parent, name, caption, hint, place, ButtonFont(), Qt::blue);
}

} // namespace

Tresult::Tresult(QWidget* parent) : QDialog(parent)
{
    SetUpFixedDialog(*this, "result", QStringLiteral("Итого..."), {525, 370});

    for (int i = 0; i < 19; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(kLabelOrder[i]));
        label->setFont(ButtonFont());
        label->setTextFormat(Qt::PlainText);
        SetTextColor(label, QColor(128, 0, 0));
        label->move(8, kLabelTops[i]);
    }

    SpeedButton5 = Button(this, "SpeedButton5", QStringLiteral("Подробнее"),
                          QStringLiteral("Больше информации, о Вас"), {325, 35, 141, 21});
    SpeedButton4 = Button(this, "SpeedButton4", QStringLiteral("Подробнее"),
                          QStringLiteral("Ну, \"типа\", графички биоритмов"), {325, 70, 141, 51});

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(280, 70, 36, 51);
    Image1->setAlignment(Qt::AlignCenter);
    const QPixmap picture(QStringLiteral(":/result-picture"));
    if (!picture.isNull())
        Image1->setPixmap(picture.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    panel1 = BottomPanel(*this, 41);
    SpeedButton1 = Button(panel1, "SpeedButton1", QStringLiteral("Угу"),
                          QStringLiteral("Лучше нажмите на \"Диагноз\""), {136, 8, 65, 25});
    SpeedButton2 = Button(panel1, "SpeedButton2", QStringLiteral("Диагноз"), QStringLiteral("Правильно, вам сюда"),
                          {208, 8, 65, 25});
    SpeedButton3 = Button(panel1, "SpeedButton3", QStringLiteral("Справка"),
                          QStringLiteral("Чавото не понятно? Пишите на ") + QLatin1String(AuthorMail),
                          {280, 8, 65, 25});
    // The keyboard starts on «Угу», not on the first «Подробнее» above it.
    SpeedButton1->setFocus();
    connect(SpeedButton1, &FlatButton::clicked, this, Guarded([this] { SpeedButton1Click(); }));
    connect(SpeedButton2, &FlatButton::clicked, this, Guarded([this] { SpeedButton2Click(); }));
    connect(SpeedButton3, &FlatButton::clicked, this, Guarded([this] { SpeedButton3Click(); }));
    connect(SpeedButton4, &FlatButton::clicked, this, Guarded([this] { SpeedButton4Click(); }));
    connect(SpeedButton5, &FlatButton::clicked, this, Guarded([this] { SpeedButton5Click(); }));
}

QLabel* Tresult::ResultLabel(const char* name) const
{
    return findChild<QLabel*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

void Tresult::SpeedButton1Click()
{
    close();
}

void Tresult::SpeedButton2Click()
{
    ShowFreshModal(Analys, this);
}

void Tresult::SpeedButton3Click()
{
    CurrentShell().Open("help.chm", Shell::Show::Maximized);
}

void Tresult::SpeedButton4Click()
{
    // The chart's hints come as standard hints: the main window's balloons are off meanwhile.
    const QPointer<BalloonHints> balloons = Form1 ? Form1->DanHint1 : nullptr;
    const bool wereActive = balloons && balloons->hintActive();
    if (balloons)
        balloons->setHintActive(false);
    struct Restore {
        const QPointer<BalloonHints>& balloons;
        bool active;
        ~Restore()
        {
            if (balloons)
                balloons->setHintActive(active);
        }
    } restore{balloons, wereActive};
    ShowFreshModal(Bio, this);
}

void Tresult::SpeedButton5Click()
{
    ShowFreshModal(Horoscop, this);
}

void FillResultWindow(const ProfileRecord& profile, const CalcState& state, const BodyMetrics& metrics)
{
    if (!result)
        return;
    for (const ResultLine& line : ResultLines(profile, state, metrics, DecimalSeparator())) {
        if (QLabel* label = result->ResultLabel(line.Label)) {
            label->setText(QString::fromStdString(line.Text));
            label->adjustSize();
        }
    }
}
