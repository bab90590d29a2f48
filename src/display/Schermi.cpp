#include "display/Schermi.h"

int SchermoDelDisplay(const QList<Schermo>& schermi, const QPoint& centroConsole,
                      const QString& scelto) {
    if (!scelto.isEmpty()) {
        for (qsizetype i = 0; i < schermi.size(); ++i) {
            if (schermi[i].Nome == scelto) {
                return static_cast<int>(i);
            }
        }
    }
    for (qsizetype i = 0; i < schermi.size(); ++i) {
        if (!schermi[i].Area.contains(centroConsole)) {
            return static_cast<int>(i);
        }
    }
    return schermi.isEmpty() ? -1 : 0;
}

QString DescriviSchermo(const Schermo& s) {
    return QStringLiteral("%1 (%2 × %3)")
        .arg(s.Nome.isEmpty() ? QStringLiteral("?") : s.Nome)
        .arg(s.Area.width())
        .arg(s.Area.height());
}
