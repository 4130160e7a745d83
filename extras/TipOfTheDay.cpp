#include "extras/TipOfTheDay.h"

#include "app/Version.h"
#include "extras/PhraseFile.h"
#include "platform/qt/Application.h"
#include "platform/qt/WindowLayout.h"
#include "platform/services/Clock.h"
#include "platform/widgets/FlatButton.h"

#include <QLabel>

QPointer<TTip> Tip;

TTip::TTip(QWidget* parent) : QDialog(parent)
{
    SetUpFixedDialog(*this, "Tip", QStringLiteral("Фраза дня..."), {382, 210});
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 180, 16);

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(194, 8, 180, 16);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(8, 28, 366, 141);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setAttribute(Qt::WA_TranslucentBackground);
    Label2->setFont(PixelFont(QStringLiteral("Comic Sans MS"), 16, true));
    SetTextColor(Label2, Qt::blue);

    SpeedButton1 = PlaceFlatButton(this, "SpeedButton1", QStringLiteral("Прикольно"), QString(),
                                   {141, 176, 100, 26}, PixelFont(QStringLiteral("Comic Sans MS"), 13, true));
    connect(SpeedButton1, &FlatButton::clicked, this, Guarded([this] { SpeedButton1Click(); }));
}

void TTip::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    RunGuarded([this] { FormCreate(); });
}

void TTip::FormCreate()
{
    // A showing that fails half-way must not leave the last phrase under a new number.
    Label2->clear();
    Label3->clear();
    const auto now = CurrentClock().Now().time_since_epoch().count();
    Label1->setText(QStringLiteral("Всего приколов: ") + QString::number(PhraseCount));
    const int k = PickPhraseNumber(static_cast<std::uint64_t>(now));
    const std::string phrase = ReadPhraseOfTheDay(k);
    Label3->setText(QStringLiteral("Номер прикола: ") + QString::number(k));
    Label2->setText(QString::fromStdString(phrase));
}

void TTip::SpeedButton1Click()
{
    close();
}
