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

ComandoLetto LeggiComando(const QByteArray& percorso) {
    ComandoLetto letto;
    for (const DefinizioneAzione& d : Azioni()) {
        if (d.percorso != nullptr && percorso == d.percorso) {
            letto.comando.azione = d.azione;
            return letto;
        }
    }
    const QList<QByteArray> parti = percorso.split('/');
    const int lato = parti.size() != 3 || parti[0] != "code" ? -1
                     : parti[1] == "home"                    ? 0
                     : parti[1] == "guests"                  ? 1
                                                             : -1;
    if (lato < 0) {
        letto.rifiuto = 404;
        return letto;
    }
    const QString codice = QUrl::fromPercentEncoding(parti[2]);
    if (!CodiceValido(codice)) {
        letto.rifiuto = 400;
        return letto;
    }
    letto.comando.lato = lato;
    letto.comando.codice = codice == QStringLiteral("e") ? QStringLiteral("E") : codice;
    return letto;
}
