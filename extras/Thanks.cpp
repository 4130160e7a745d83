#include "extras/Thanks.h"

#include "platform/qt/Application.h"
#include "platform/qt/WindowLayout.h"
#include "platform/widgets/FlatButton.h"

#include <QLabel>

QPointer<TAssistance> Assistance;

namespace {

// Communities, not persons: their advice is in their documentation, answers and code.
const char* const kAdvisers[] = {
    "участникам форума Qt",
    "авторам cppreference.com",
    "участникам Stack Overflow",
    "разработчикам KDE",
    "разработчикам GNOME",
    "авторам Debian Wiki",
    "авторам ArchWiki",
    "проекту freedesktop.org",
    "разработчикам FreeType",
    "разработчикам HarfBuzz",
    "разработчикам Fontconfig",
    "проекту Unicode CLDR",
    "хранителям базы часовых поясов",
    "разработчикам zlib",
    "разработчикам libpng",
    "сообществу ISO C++",
    "разработчикам Valgrind",
    "авторам AddressSanitizer",
    "проекту X.Org",
    "проекту Wayland",
};

QFont Plain(bool bold = false)
{
    return PixelFont(QStringLiteral("MS Sans Serif"), 11, bold);
}

QLabel* Text(QWidget* parent, const char* name, const QString& text, QRect place, bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(Plain(bold));
    label->setGeometry(place);
    return label;
}

} // namespace

TAssistance::TAssistance(QWidget* parent) : QDialog(parent)
{
    SetUpFixedDialog(*this, "Assistance", QStringLiteral("Советчики..."), {420, 330});
    setFont(Plain());

    QLabel* heading1 =
        Text(this, "Label1", QStringLiteral("Также выражаю благодарность"), {8, 8, 404, 17}, true);
    QLabel* heading2 =
        Text(this, "Label2", QStringLiteral("за дельные советы следующим людям:"), {8, 25, 404, 17}, true);
    for (QLabel* heading : {heading1, heading2}) {
        heading->setAlignment(Qt::AlignCenter);
        SetTextColor(heading, Qt::blue);
    }

    constexpr int rows = 10;
    for (int i = 0; i < 20; ++i) {
        const int column = i / rows;
        const int row = i % rows;
        Text(this, QStringLiteral("Label%1").arg(i + 3).toLatin1().constData(),
             QString::fromUtf8(kAdvisers[i]), {16 + column * 204, 50 + row * 17, 200, 16});
    }

    QLabel* note =
        Text(this, "Label23",
             QStringLiteral("Также хочу выразить не меньшую благодарность людям, чьи фамилии, при наличии, "
                            "с удовольствием вписал бы :)))"),
             {8, 228, 404, 48});
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    SetTextColor(note, Qt::blue);

    SpeedButton1 =
        PlaceFlatButton(this, "SpeedButton1", QStringLiteral("СПАСИБОЧКИ!!!"), QString(), {135, 288, 150, 30},
                        PixelFont(QStringLiteral("Comic Sans MS"), 14, true), Qt::blue);
    connect(SpeedButton1, &FlatButton::clicked, this, Guarded([this] { SpeedButton1Click(); }));
}

void TAssistance::SpeedButton1Click()
{
    close();
}
