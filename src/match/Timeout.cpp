#include "match/Timeout.h"

#include "match/Partita.h"
#include "match/Storico.h"
#include "shared/Lingua.h"

QString ParolaLato(int lato, const TabellaLingue& lingue) {
    return lingue.Traduci(lato == 0 ? QStringLiteral("Locali") : QStringLiteral("Ospiti"));
}

bool ConcediTimeout(Partita& p, int lato, const QString& ora, const TabellaLingue& lingue) {
    if (p.TimeChiesti[lato] >= TimeoutPerSet) {
        return false;
    }
    p.ModoConteggio = 0;
    p.TimeChiesti[lato] += 1;
    // The selection stays where it was: a timeout is not a score to roll back to.
    p.Storico.append(RigaTimeout(p.TimeChiesti[lato], lato, ParolaLato(lato, lingue),
                                 OraStorico(ora)));
    return true;
}

QString TestoTimeout(int lato, int conteggio, const TabellaLingue& lingue) {
    return QStringLiteral("Tempo ") + ParolaLato(lato, lingue) + QStringLiteral("\n") +
           QString::number(conteggio) + lingue.Traduci(QStringLiteral("° Richiesta"));
}

bool TickTimeout(Partita& p) {
    p.TickConteggio += 1;
    if (p.TickConteggio > TickCountdown || p.ModoConteggio == -1) {
        p.TickConteggio = 0;
        return false;
    }
    return true;
}
