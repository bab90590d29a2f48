#include "platform/qt/Caratteri.h"

#include "shared/ui/Disegno.h"

#include <QFileInfo>
#include <QFontDatabase>

namespace {

bool Registra(std::initializer_list<const char*> percorsi) {
    for (const char* percorso : percorsi) {
        const QString file = QString::fromLatin1(percorso);
        if (QFileInfo::exists(file) && QFontDatabase::addApplicationFont(file) >= 0) {
            return true;
        }
    }
    return false;
}

} // namespace

void RegistraCaratteri() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        return;
    }
    // A Tahoma-metric font keeps the designed text widths.
    if (!Registra({"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/fonts/truetype/wine/tahoma.ttf"})) {
        return;
    }
    // Its bold is only the regular spaced out, and Qt stops faking bold above 64 px: the
    // condensed DejaVu bold, of the same humanist design, is bold at every size.
    if (Registra({"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"})) {
        SostituisciGrassetto(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"));
    }
}
