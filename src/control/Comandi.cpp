#include "control/Comandi.h"

#include <QUrl>

bool CodiceValido(const QString& codice) {
    if (codice.isEmpty() || codice.size() > 3) {
        return false;
    }
    for (const QChar c : codice) {
        if (!(c >= u'0' && c <= u'9') && !(c >= u'A' && c <= u'Z') && !(c >= u'a' && c <= u'z')) {
            return false;
        }
    }
    return true;
}

std::variant<Comando, int> LeggiComando(const QByteArray& percorso) {
    for (const DefinizioneAzione& d : Azioni()) {
        if (d.percorso != nullptr && percorso == d.percorso) {
            return Comando{d.azione};
        }
    }
    const QList<QByteArray> parti = percorso.split('/');
    if (parti.size() != 3 || parti[0] != "code") {
        return 404;
    }
    const int lato = parti[1] == "home" ? 0 : parti[1] == "guests" ? 1 : -1;
    if (lato < 0) {
        return 404;
    }
    const QString codice = QUrl::fromPercentEncoding(parti[2]);
    if (!CodiceValido(codice)) {
        return 400;
    }
    return Comando{CodiceRemoto{lato, codice == QStringLiteral("e") ? QStringLiteral("E") : codice}};
}
