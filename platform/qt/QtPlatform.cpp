#include "platform/qt/QtPlatform.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void InstallFontSubstitutes()
{
    const QStringList families = QFontDatabase::families();
    auto substitute = [&](const QString& family, const QStringList& lookAlikes) {
        if (!families.contains(family, Qt::CaseInsensitive))
            QFont::insertSubstitutions(family, lookAlikes);
    };
    // Comic Neue has no Cyrillic letters; Andika, a friendly rounded hand of about the same
    // width, supplies the Russian ones.
    substitute("Comic Sans MS", QStringList{"Comic Neue", "Andika", "DejaVu Sans"});
    substitute("MS Sans Serif", QStringList{"Liberation Sans", "DejaVu Sans"});
    substitute("Arial", QStringList{"Liberation Sans", "DejaVu Sans"});
}
