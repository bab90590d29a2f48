#include "match/Ritorno.h"

#include "match/Punteggio.h"

#include "match/Partita.h"
#include "match/Regole.h"
#include "match/Storico.h"
#include "shared/Lingua.h"
#include "shared/Numeri.h"

#include <algorithm>

namespace {

// A set's winning point, by that set's own target under the match rules.
bool ChiudeIlSet(const Partita& p, const RigaStorico& r) {
    return !r.Timeout &&
           SetConcluso(r.Casa, r.Ospiti,
                       PuntiPerVincere(p.SetTotali, r.Set, p.PuntiSet, p.PuntiTieBreak));
}

} // namespace

std::optional<int> DestinazioneRitorno(const Partita& p, int riga) {
    const int righe = static_cast<int>(p.Storico.size());
    if (riga < 0 || riga >= righe) {
        return std::nullopt;
    }
    const RigaStorico r = LeggiRiga(p.Storico[riga]);
    if (r.Timeout || (riga == righe - 1 && p.DaUndo == 0)) {
        return std::nullopt;
    }
    if (ChiudeIlSet(p, r) && riga + 1 < righe) {
        ++riga;
        const RigaStorico dopo = LeggiRiga(p.Storico[riga]);
        // The match's last set won: there is no next set to go to, the match is already there.
        if (dopo.Timeout || dopo.Set > p.SetTotali) {
            return std::nullopt;
        }
    }
    return riga;
}

QString DomandaRitorno(const Partita& p, int destinazione, const TabellaLingue& lingue) {
    const RigaStorico d = LeggiRiga(p.Storico[destinazione]);
    return lingue.Traduci(QStringLiteral("Desideri riportare la partita a questo precedente punteggio ?")) +
           QStringLiteral("\n\n") + lingue.Traduci(QStringLiteral("Locali")) + QStringLiteral(" ") +
           QString::number(d.Casa) + QStringLiteral(" - ") + QString::number(d.Ospiti) +
           QStringLiteral(" ") + lingue.Traduci(QStringLiteral("Ospiti")) + QStringLiteral("\n") +
           lingue.Traduci(QString::number(d.Set) + QStringLiteral("°SET"));
}

void EseguiRitorno(Partita& p, int destinazione, const TabellaLingue& lingue) {
    const RigaStorico d = LeggiRiga(p.Storico[destinazione]);
    p.SetCorrente = d.Set;
    p.EtichettaSet = EtichettaDelSet(d.Set, lingue);
    p.Parziali = {};
    p.Punti = {d.Casa, d.Ospiti};
    p.Tabellone.Punti = {QString::number(d.Casa), QString::number(d.Ospiti)};

    std::array<int, 2> timeout{0, 0};
    for (int i = destinazione - 1; i >= 0; --i) {
        const RigaStorico r = LeggiRiga(p.Storico[i]);
        if (!r.Timeout && r.Set < d.Set) {
            break;
        }
        if (r.Timeout) {
            timeout[r.Lato] = std::max(timeout[r.Lato], r.Conteggio);
        }
    }

    // Each earlier set ends at its own last score line: a removal line cannot fake an end.
    std::array<int, 2> vinti{0, 0};
    for (int set = 1; set < d.Set; ++set) {
        for (int i = destinazione; i >= 0; --i) {
            const RigaStorico r = LeggiRiga(p.Storico[i]);
            if (r.Timeout || r.Set != set) {
                continue;
            }
            if (r.Casa != r.Ospiti) {
                vinti[r.Casa > r.Ospiti ? 0 : 1] += 1;
            }
            if (set <= static_cast<int>(p.Parziali.size())) {
                p.Parziali[set - 1] = Allinea2(r.Casa) + QStringLiteral("/") + Allinea2(r.Ospiti);
            }
            break;
        }
    }
    p.SetVinti = vinti;
    p.TimeChiesti = timeout;
    while (p.Storico.size() > destinazione + 1) {
        p.Storico.removeLast();
    }
    p.RigaSelezionata = static_cast<int>(p.Storico.size()) - 1;
    DecidiBattuta(p);
    DecidiBanner(p, lingue);
}

std::optional<int> RigaUndo(const Partita& p) {
    const int righe = static_cast<int>(p.Storico.size());
    if (righe < 2) {
        return std::nullopt;
    }
    int riga = righe - 2;
    const RigaStorico r = LeggiRiga(p.Storico[riga]);
    if (ChiudeIlSet(p, r) && righe > 2) {
        riga = righe - 3;
    }
    return riga;
}
