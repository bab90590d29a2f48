#include "live/Indirizzi.h"

QStringList IndirizziLive(quint16 porta, bool lan, const QStringList& indirizziMacchina) {
    if (porta == 0) {
        return {};
    }
    const auto url = [porta](const QString& host) {
        return QStringLiteral("http://%1:%2/").arg(host).arg(porta);
    };
    QStringList elenco{url(QStringLiteral("127.0.0.1"))};
    if (!lan) {
        return elenco;
    }
    for (const QString& indirizzo : indirizziMacchina) {
        // Loopback is listed already; link-local addresses need a zone nobody can paste.
        if (indirizzo.startsWith(QStringLiteral("127.")) || indirizzo == QStringLiteral("::1") ||
            indirizzo.startsWith(QStringLiteral("fe80"), Qt::CaseInsensitive) ||
            indirizzo.startsWith(QStringLiteral("169.254."))) {
            continue;
        }
        elenco.append(url(indirizzo.contains(u':') ? u'[' + indirizzo + u']' : indirizzo));
    }
    return elenco;
}
