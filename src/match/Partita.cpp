#include "match/Partita.h"

#include "match/Regole.h"
#include "match/Storico.h"
#include "shared/Lingua.h"

#include <algorithm>

QString EtichettaDelSet(int set, const TabellaLingue& lingue) {
    return lingue.Traduci(QString::number(set) + QStringLiteral("°SET"));
}

void RegolePredefinite(Partita& p) {
    if (p.SetTotali == 0) {
        p.SetTotali = 5;
    }
    if (p.PuntiSet == 0) {
        p.PuntiSet = 25;
    }
    if (p.PuntiTieBreak == 0) {
        p.PuntiTieBreak = 15;
        p.PuntiCambioCampo = CalcolaPuntiCambioCampo(15);
        p.CambioCampoAttivo = 1;
    }
    p.DaUndo = 0;
}

void PulisciPartita(Partita& p, const TabellaLingue& lingue) {
    p.Storico.clear();
    p.RigaSelezionata = -1;
    p.Punti = {0, 0};
    p.SetVinti = {0, 0};
    p.TimeChiesti = {0, 0};
    p.Tabellone.Punti = {QStringLiteral("0"), QStringLiteral("0")};
    p.TimeoutAttivi = true;
    p.PartitaFinita = 0;
    p.PunteggioAttivo = true;
    p.UndoAttivo = true;
    p.FotoMarcatore.clear();
    p.SetCorrente = 1;
    p.EtichettaSet = EtichettaDelSet(1, lingue);
    p.Parziali = {};
    p.Tabellone.Marcatore = {false, false};
    p.Bloccata = false;
    p.PresentazioneAttiva = true;
    p.StatisticheFinaliAttive = false;
    p.VincitoreUltimoSet.clear();
    p.Tabellone.Banner = false;
}

void BloccaBot(Partita& p, const TabellaLingue& lingue) {
    p.PartitaFinita = 1;
    p.SetCorrente -= 1;
    p.EtichettaSet = EtichettaDelSet(p.SetCorrente, lingue);
    p.Tabellone.Punti = {QString::number(p.SetVinti[0]), QString::number(p.SetVinti[1])};
    p.PunteggioAttivo = false;
    p.UndoAttivo = false;
    p.TimeoutAttivi = false;
    p.CodiceAtleta.clear();
    p.UltimoPunteggio[0] = 0;
    p.UltimoPunteggio[1] = 0;
    p.Tabellone.Marcatore = {false, false};
}

void AppendiStorico(Partita& p, const QString& riga) {
    p.Storico.append(riga);
    p.RigaSelezionata = static_cast<int>(p.Storico.size()) - 1;
}

bool PartitaInCorso(const Partita& p) {
    return p.SetCorrente > 1 || p.SetVinti[0] > 0 || p.SetVinti[1] > 0 || p.Punti[0] > 0 ||
           p.Punti[1] > 0 || std::any_of(p.Storico.begin(), p.Storico.end(), RigaDiPunto);
}
