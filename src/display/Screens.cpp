#include "display/Screens.h"

int DisplayScreen(const QList<Screen>& screens, const QPoint& consoleCentre,
                  const QString& chosen) {
    if (!chosen.isEmpty()) {
        for (qsizetype i = 0; i < screens.size(); ++i) {
            if (screens[i].Name == chosen) {
                return static_cast<int>(i);
            }
        }
    }
    for (qsizetype i = 0; i < screens.size(); ++i) {
        if (!screens[i].Area.contains(consoleCentre)) {
            return static_cast<int>(i);
        }
    }
    return screens.isEmpty() ? -1 : 0;
}

QString DescribeScreen(const Screen& s) {
    return QStringLiteral("%1 (%2 × %3)")
        .arg(s.Name.isEmpty() ? QStringLiteral("?") : s.Name)
        .arg(s.Area.width())
        .arg(s.Area.height());
}
