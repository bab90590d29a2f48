#include "match/Punteggio.h"

#include "match/Partita.h"
#include "match/Regole.h"
#include "match/Storico.h"
#include "match/VistaPartita.h"
#include "shared/Lingua.h"
#include "shared/Modulo1.h"
#include "shared/Numeri.h"
#include "teams/Ricerche.h"

#include <algorithm>

namespace {

constexpr int LunghezzaNome = 18;

bool CodiceRifiutato(const QString& codice) {
    return codice != QStringLiteral("E") && !codice.isEmpty() && ValoreNumerico(codice) == 0;
}

void SetPointOMatchPoint(Partita& p, const Modulo1& m, VistaPartita& v) {
    DecidiBanner(p, m.Lingue);
    if (p.Tabellone.Banner && !SetTotaliValido(p.SetTotali)) {
        v.Avviso(QStringLiteral("Error number of sets =") + QString::number(p.SetTotali));
    }
}

void MostraMarcatore(Partita& p, int lato, int tipo, const RichiestaPunto& r, const Modulo1& m,
                     VistaPartita& v) {
    const QString& squadra = p.NomeSquadra[lato];
    p.FotoMarcatore = FotoAtleta(CartellaSquadra(m.CartellaDati, squadra), p.NumeroMarcatore);
    auto& pannello = p.Tabellone.Pannello;
    pannello.Lato = lato;
    pannello.Titolo = tipo != 0 ? squadra + QStringLiteral(" : ") + r.DidascalieTipo[tipo] : squadra;
    pannello.Scorre = false;
    if (ValoreNumerico(p.CodiceAtleta) <= 0) {
        return;
    }
    pannello.Numero = p.NumeroMarcatore;
    QString nome = QStringLiteral(" ") + CognomeAtleta(p.Rose[lato], p.NumeroMarcatore, m.Lingue);
    if (nome.size() < LunghezzaNome) {
        nome = nome.rightJustified(LunghezzaNome, u' ').toUpper();
    }
    pannello.Cognome = nome;
    pannello.Scorre = true;
    v.AvviaScorrimento();
}

void FineSet(Partita& p, int puntiPerVincere, const QString& ora, const Modulo1& m,
             VistaPartita& v) {
    const int casa = p.PunteggioCorrente[0];
    const int ospiti = p.PunteggioCorrente[1];
    if (!SetConcluso(casa, ospiti, puntiPerVincere)) {
        return;
    }
    const int vincitore = casa > ospiti ? 0 : 1;
    p.VincitoreUltimoSet = p.Tabellone.Nome[vincitore];
    if (p.SetCorrente >= 1 && p.SetCorrente <= static_cast<int>(p.Parziali.size())) {
        p.Parziali[p.SetCorrente - 1] = Allinea2(casa) + QStringLiteral("/") + Allinea2(ospiti);
    }
    p.SetCorrente += 1;
    p.EtichettaSet = EtichettaDelSet(p.SetCorrente, m.Lingue);
    AppendiStorico(p, RigaInizioSet(p.SetCorrente, ora));
    p.Punti = {0, 0};
    p.Tabellone.Marcatore = {false, false};
    p.TimeChiesti = {0, 0};
    p.SetVinti[vincitore] += 1;
    const bool finita = PartitaConclusa(p.SetTotali, CodiceSet(p.SetVinti[0], p.SetVinti[1]));
    if (finita) {
        BloccaBot(p, m.Lingue);
        v.FinePartita();
        v.Avviso(m.Traduci(QStringLiteral("Partita vinta da:")) + QStringLiteral(" ") +
                 p.VincitoreUltimoSet);
        p.StatisticheFinaliAttive = true;
    } else {
        p.PartitaFinita = 0;
    }
    p.Tabellone.Banner = false;
}

} // namespace

bool SegnaPunto(Partita& p, const RichiestaPunto& r, const Modulo1& m, VistaPartita& v) {
    const int lato = r.Index <= 1 ? 0 : 1;
    const int altro = 1 - lato;
    const bool aggiunta = r.Index == 0 || r.Index == 3;
    const QString ora = OraStorico(r.Ora);
    const int puntiPerVincere =
        PuntiPerVincere(p.SetTotali, p.SetCorrente, p.PuntiSet, p.PuntiTieBreak);
    v.AvviaLampeggio();
    p.ModoConteggio = -1;

    if (aggiunta) {
        if (p.Punti[0] == 0 && p.Punti[1] == 0 && p.SetCorrente == 1 && !p.Bloccata) {
            AppendiStorico(p, RigaInizioSet(1, ora));
            v.BloccaConsole();
        }
        p.CodiceAtleta = r.Codice;
        if (CodiceRifiutato(p.CodiceAtleta)) {
            v.CodiceRifiutato(lato);
            v.Avviso(m.Traduci(
                QStringLiteral("Non si tratta di un giocatore ATTENZIONE!! - Punto non segnato")));
            return false;
        }
        p.Punti[lato] = std::min(PuntiMassimi, p.Punti[lato] + 1);
        p.Tabellone.Marcatore[lato] = true;
        p.Tabellone.Marcatore[altro] = false;
        p.UltimoPunteggio[lato] = p.Punti[lato];
        // The other side's points of this set: its last recorded score may belong to the
        // previous set.
        if (CambioCampo(p.SetTotali, p.SetCorrente, p.CambioCampoAttivo, p.Punti[lato],
                        p.Punti[altro])) {
            p.ModoConteggio = 0;
            v.ApriCambioCampo();
        }
        p.PannelloAnimato = 1;
    } else {
        if (p.Punti[lato] == 0 && p.SetCorrente == 1) {
            return false;
        }
        if (r.Index == 1) {
            p.PresentazioneAttiva = false;
        }
        p.Punti[lato] = std::max(0, p.Punti[lato] - 1);
        p.UltimoPunteggio[lato] = p.Punti[lato];
    }

    const int tipo = r.TipoPunto >= 0 && r.TipoPunto <= 4 ? r.TipoPunto : 0;
    if (p.CodiceAtleta.isEmpty()) {
        p.CodiceAtleta = QStringLiteral("N");
    }
    AppendiStorico(p, RigaPunto(p.SetCorrente, p.Punti[0], p.Punti[1], ora,
                                CodiceEvento(lato, p.CodiceAtleta, tipo)));
    p.UndoAttivo = true;
    p.Tabellone.Punti = {QString::number(p.Punti[0]), QString::number(p.Punti[1])};
    p.PunteggioCorrente = p.Punti;
    SetPointOMatchPoint(p, m, v);
    p.FotoMarcatore.clear();
    // The scorer is this point's code: an athlete picked for an earlier point is nobody now.
    if (aggiunta && ValoreNumerico(p.CodiceAtleta) <= 0) {
        p.NumeroMarcatore.clear();
    }
    if (r.Index == 0 && m.EsultanzaAttiva != 0) {
        v.Esultanza(tipo);
    }
    if (r.Index == 3 || (r.Index == 0 && ValoreNumerico(p.CodiceAtleta) > 0)) {
        MostraMarcatore(p, lato, tipo, r, m, v);
    } else {
        p.NumeroMarcatore.clear();
        p.NomeMarcatore.clear();
    }
    FineSet(p, puntiPerVincere, ora, m, v);
    return true;
}

void DecidiBanner(Partita& p, const TabellaLingue& lingue) {
    auto& t = p.Tabellone;
    t.Banner = false;
    p.StatoSetPoint = 0;
    const int casa = p.Punti[0];
    const int ospiti = p.Punti[1];
    const int puntiPerVincere = PuntiPerVincere(p.SetTotali, p.SetCorrente, p.PuntiSet, p.PuntiTieBreak);
    if (p.PartitaFinita != 0 || !VicinoAlSet(casa, ospiti, puntiPerVincere) || casa == ospiti) {
        return;
    }
    t.TestoBanner = lingue.Traduci(QStringLiteral("SET POINT"));
    t.BannerMatchPoint = false;
    const int inTesta = casa > ospiti ? 0 : 1;
    if (MatchPoint(p.SetTotali, inTesta, CodiceSet(p.SetVinti[0], p.SetVinti[1]))) {
        p.StatoSetPoint = 2;
        t.TestoBanner = lingue.Traduci(QStringLiteral("MATCH POINT"));
        t.BannerMatchPoint = true;
    } else {
        p.StatoSetPoint = 1;
    }
    if (!SetTotaliValido(p.SetTotali)) {
        p.StatoSetPoint = 0;
    }
    t.Banner = true;
}

void DecidiBattuta(Partita& p) {
    std::array<bool, 2> battuta{false, false};
    int punti = 0;
    int set = 0;
    for (const QString& riga : p.Storico) {
        const RigaStorico r = LeggiRiga(riga);
        if (r.Timeout) {
            continue;
        }
        if (!RigaDiPunto(riga)) {
            battuta = {false, false};
        } else if (r.Set != set || r.Casa + r.Ospiti > punti) {
            const bool casa = riga.section(QStringLiteral(" - "), -1).startsWith(u'H');
            battuta = {casa, !casa};
        }
        punti = r.Casa + r.Ospiti;
        set = r.Set;
    }
    p.Tabellone.Marcatore = battuta;
}
