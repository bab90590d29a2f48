#include "shared/Product.h"

Version ProgramVersion() {
    return {BRIVANTA_MAJOR, BRIVANTA_MINOR, BRIVANTA_REVISION};
}

QString VersionText(const Version& v) {
    return QStringLiteral("%1.%2.%3").arg(v.Major).arg(v.Minor).arg(v.Revision);
}

QString ProductPage() {
    return QStringLiteral("https://brivanta.example.org/");
}

QString ContactAddress() {
    return QStringLiteral("info@brivanta.example.org");
}

QString UpdateText(const Version& v) {
    return QStringLiteral("Al momento stai usando la versione: ") + VersionText(v) +
           QStringLiteral("\r\nClicca su OK per vedere su Internet l'ultima versione disponibile.");
}
