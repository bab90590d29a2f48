#include "shared/Prodotto.h"

Versione VersioneProgramma() {
    return {BRIVANTA_MAJOR, BRIVANTA_MINOR, BRIVANTA_REVISION};
}

QString TestoVersione(const Versione& v) {
    return QStringLiteral("%1.%2.%3").arg(v.Major).arg(v.Minor).arg(v.Revision);
}

QString PaginaProdotto() {
    return QStringLiteral("https://brivanta.example.org/");
}

QString IndirizzoContatto() {
    return QStringLiteral("info@brivanta.example.org");
}

QString TestoAggiornamento(const Versione& v) {
    return QStringLiteral("Al momento stai usando la versione: ") + TestoVersione(v) +
           QStringLiteral("\r\nClicca su OK per vedere su Internet l'ultima versione disponibile.");
}
