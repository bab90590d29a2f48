#include "platform/qt/Fonts.h"

#include "shared/ui/Drawing.h"

#include <QFileInfo>
#include <QFontDatabase>

namespace {

bool Record(std::initializer_list<const char*> paths) {
    for (const char* path : paths) {
        const QString file = QString::fromLatin1(path);
        if (QFileInfo::exists(file) && QFontDatabase::addApplicationFont(file) >= 0) {
            return true;
        }
    }
    return false;
}

} // namespace

void RegisterShippedFonts() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        return;
    }
    // A Tahoma-metric font keeps the designed text widths.
    if (!Record(
            {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/fonts/truetype/wine/tahoma.ttf"})) {
        return;
    }
    // Its bold is only the regular spaced out, and Qt stops faking bold above 64 px: the
    // condensed DejaVu bold, of the same humanist design, is bold at every size.
    if (Record({"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"})) {
        ReplaceBold(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"));
    }
}
