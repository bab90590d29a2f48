#include "match/FilePartita.h"

#include "match/Partita.h"
#include "match/Punteggio.h"
#include "match/Regole.h"
#include "match/Storico.h"
#include "shared/Lingua.h"
#include "shared/Numeri.h"

#include <algorithm>

namespace {

// A real history line is about 30 characters; anything far longer is damage, kept short
// so the console never has to lay out megabytes.
constexpr int LunghezzaMassimaRiga = 256;

// History lines carry the set in one digit; 0 means no set.
int SetLetto(const QString& valore) {
    return std::clamp(ValoreIntero(valore), 0, 9);
}

// The set number the reader holds after a tag, as the tags act in file order.
int SetDopo(const VoceFile& v, int set) {
    if (v.Tag == QStringLiteral("#CURSET")) {
        return SetLetto(v.Valore);
    }
    if (v.Tag == QStringLiteral("#GAMEOV") && ValoreIntero(v.Valore) == 0) {
        return set - 1;
    }
    return set;
}

int Limitato(const QString& valore, int minimo, int massimo) {
    return std::clamp(ValoreIntero(valore), minimo, massimo);
}

// A rule of the file, kept only when it is a usable number.
void Regola(int& campo, const QString& valore) {
    const int v = ValoreIntero(valore);
    if (v > 0) {
        campo = v;
    }
}

} // namespace

QStringList RigheFilePartita(const Partita& p, const QDateTime& adesso,
                             const TabellaLingue& lingue) {
    QStringList r;
    r << QStringLiteral("#") + lingue.Traduci(QStringLiteral("Salvataggio  del")) +
             QStringLiteral(" : ") + adesso.toString(QStringLiteral("dd/MM/yyyy - HH:mm:ss"));
    r << QStringLiteral("#HOME  :") + p.NomeSquadra[0];
    r << QStringLiteral("#GUESTS:") + p.NomeSquadra[1];
    r << QStringLiteral("#HSCORE:") + QString::number(p.SetVinti[0]);
    r << QStringLiteral("#GSCORE:") + QString::number(p.SetVinti[1]);
    r << QStringLiteral("#HPART.:") + QString::number(p.Punti[0]);
    r << QStringLiteral("#GPART.:") + QString::number(p.Punti[1]);
    // The reader's "#GAMEOV" takes a finished match's set back by one, as the end of the match
    // did: write the set it was advanced to, so a finished match reads back as it was.
    r << QStringLiteral("#CURSET:") + QString::number(p.SetCorrente + (p.PunteggioAttivo ? 0 : 1));
    for (int n = 1; n <= static_cast<int>(p.Parziali.size()); ++n) {
        r << QStringLiteral("#SET %1 :").arg(n) + p.Parziali[n - 1];
    }
    r << QStringLiteral("#TIMER1:") + QString::number(p.TimeChiesti[0]);
    r << QStringLiteral("#TIMER2:") + QString::number(p.TimeChiesti[1]);
    r << QStringLiteral("#GAMEOV:") + (p.PunteggioAttivo ? QStringLiteral("1") : QStringLiteral("0"));
    r << QStringLiteral("#SETTOT:") + QString::number(p.SetTotali);
    r << QStringLiteral("#PUNTIS:") + QString::number(p.PuntiSet);
    r << QStringLiteral("#PUNTIT:") + QString::number(p.PuntiTieBreak);
    r << QStringLiteral("#PUNTIC:") + QString::number(p.PuntiCambioCampo);
    r << QStringLiteral("#--------- ") +
             lingue.Traduci(QStringLiteral("Sotto tutti gli eventi della partita")) +
             QStringLiteral(" -------------");
    r << p.Storico;
    return r;
}

std::optional<ContenutoFile> LeggiFilePartita(const QStringList& righe) {
    ContenutoFile file;
    file.Voci.reserve(static_cast<size_t>(righe.size()));
    int set = 0;
    bool setLetto = false;
    for (const QString& riga : righe) {
        if (!riga.startsWith(u'#')) {
            if (set <= 0) {
                return std::nullopt;
            }
            if (!riga.trimmed().isEmpty()) {
                file.Voci.push_back({QString(), riga.left(LunghezzaMassimaRiga)});
            }
            continue;
        }
        VoceFile v{riga.left(7).toUpper(), riga.mid(8).trimmed()};
        set = SetDopo(v, set);
        setLetto = setLetto || (v.Tag == QStringLiteral("#CURSET") && set != 0);
        file.Voci.push_back(std::move(v));
    }
    // The set the file ends on is the match's current set: a file ending on set 0 (or
    // below, after repeated ends of match) would be saved again as one no reader accepts.
    if (!setLetto || set <= 0) {
        return std::nullopt;
    }
    return file;
}

std::array<QString, 2> ApplicaFilePartita(Partita& p, const ContenutoFile& file,
                                          const TabellaLingue& lingue) {
    std::array<QString, 2> squadre;
    p.ModoConteggio = -1;
    PulisciPartita(p, lingue);
    p.SetCorrente = 0;
    p.EtichettaSet = EtichettaDelSet(0, lingue);
    for (const VoceFile& v : file.Voci) {
        const QString& t = v.Tag;
        if (t.isEmpty()) {
            p.Storico.append(v.Valore);
        } else if (t == QStringLiteral("#HOME  ")) {
            squadre[0] = v.Valore;
        } else if (t == QStringLiteral("#GUESTS")) {
            squadre[1] = v.Valore;
        } else if (t == QStringLiteral("#HSCORE") || t == QStringLiteral("#GSCORE")) {
            p.SetVinti[t == QStringLiteral("#HSCORE") ? 0 : 1] = Limitato(v.Valore, 0, 5);
        } else if (t == QStringLiteral("#HPART.") || t == QStringLiteral("#GPART.")) {
            const int lato = t == QStringLiteral("#HPART.") ? 0 : 1;
            p.Punti[lato] = Limitato(v.Valore, 0, PuntiMassimi);
            p.Tabellone.Punti[lato] = QString::number(p.Punti[lato]);
            p.UltimoPunteggio[lato] = p.Punti[lato];
        } else if (t == QStringLiteral("#CURSET")) {
            p.SetCorrente = SetLetto(v.Valore);
            p.EtichettaSet = EtichettaDelSet(p.SetCorrente, lingue);
        } else if (t.startsWith(QStringLiteral("#SET ")) && t.endsWith(u' ')) {
            const int n = ValoreIntero(QStringView(t).mid(5, 1));
            if (n >= 1 && n <= static_cast<int>(p.Parziali.size())) {
                p.Parziali[n - 1] = v.Valore;
            }
        } else if (t == QStringLiteral("#TIMER1") || t == QStringLiteral("#TIMER2")) {
            p.TimeChiesti[t == QStringLiteral("#TIMER1") ? 0 : 1] = Limitato(v.Valore, 0, 2);
        } else if (t == QStringLiteral("#GAMEOV")) {
            if (ValoreIntero(v.Valore) == 0) {
                BloccaBot(p, lingue);
                p.StatisticheFinaliAttive = true;
            }
        } else if (t == QStringLiteral("#SETTOT")) {
            Regola(p.SetTotali, v.Valore);
        } else if (t == QStringLiteral("#PUNTIS")) {
            Regola(p.PuntiSet, v.Valore);
        } else if (t == QStringLiteral("#PUNTIT")) {
            Regola(p.PuntiTieBreak, v.Valore);
        } else if (t == QStringLiteral("#PUNTIC")) {
            Regola(p.PuntiCambioCampo, v.Valore);
        }
    }
    if (PartitaInCorso(p)) {
        p.Bloccata = true;
        p.PresentazioneAttiva = false;
    }
    p.RigaSelezionata = static_cast<int>(p.Storico.size()) - 1;
    p.UndoAttivo = true;
    DecidiBattuta(p);
    DecidiBanner(p, lingue);
    return squadre;
}

std::optional<std::array<QString, 2>> PartitaDaRiprendere(const ContenutoFile& file,
                                                          const TabellaLingue& lingue) {
    Partita p;
    const auto squadre = ApplicaFilePartita(p, file, lingue);
    if (!p.PunteggioAttivo || std::none_of(p.Storico.begin(), p.Storico.end(), RigaDiPunto)) {
        return std::nullopt;
    }
    return squadre;
}
