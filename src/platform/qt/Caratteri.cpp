#include "platform/qt/Caratteri.h"

#include <QFileInfo>
#include <QFontDatabase>

void RegistraCaratteri() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        return;
    }
    // A Tahoma-metric font keeps the designed text widths.
    for (const char* percorso : {"/usr/share/wine/fonts/tahoma.ttf",
                                 "/usr/share/fonts/truetype/wine/tahoma.ttf"}) {
        const QString file = QString::fromLatin1(percorso);
        if (QFileInfo::exists(file) && QFontDatabase::addApplicationFont(file) >= 0) {
            return;
        }
    }
}
