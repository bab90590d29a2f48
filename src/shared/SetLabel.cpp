#include "shared/SetLabel.h"

namespace {

QString EnglishSuffix(int set) {
    if (set % 100 >= 11 && set % 100 <= 13) {
        return QStringLiteral("th");
    }
    switch (set % 10) {
    case 1:
        return QStringLiteral("st");
    case 2:
        return QStringLiteral("nd");
    case 3:
        return QStringLiteral("rd");
    default:
        return QStringLiteral("th");
    }
}

// Spanish shortens primero and tercero before a noun: 1.er, 3.er; the rest take .º
QString SpanishSuffix(int set) {
    return set == 1 || set == 3 ? QStringLiteral(".er") : QStringLiteral(".º");
}

} // namespace

QString OrdinalSetLabel(const QString& language, int set) {
    const QString n = QString::number(set);
    if (language == QLatin1String("ITA")) {
        return n + QStringLiteral("° SET");
    }
    if (language == QLatin1String("ENG")) {
        return n + EnglishSuffix(set) + QStringLiteral(" SET");
    }
    if (language == QLatin1String("FRA")) {
        return n + (set == 1 ? QStringLiteral("er SET") : QStringLiteral("e SET"));
    }
    if (language == QLatin1String("DEU")) {
        return n + QStringLiteral(". SATZ");
    }
    if (language == QLatin1String("ESP")) {
        return n + SpanishSuffix(set) + QStringLiteral(" SET");
    }
    return QStringLiteral("SET ") + n;
}
