#include "stats/Statistiche.h"

#include "match/Storico.h"
#include "shared/Numeri.h"

#include <map>
#include <utility>

namespace {

constexpr int SlotPerLato = 200;
constexpr qsizetype PosizioneLato = 21; // the side letter, 22nd character

} // namespace

std::vector<PuntoAccreditato> PuntiAccreditati(const QStringList& storico) {
    std::vector<PuntoAccreditato> punti;
    // The last score of each set, and the points still standing per set and side.
    std::map<int, std::pair<int, int>> ultimo;
    std::map<std::pair<int, int>, std::vector<size_t>> aperti;
    std::vector<bool> cancellato;
    for (int i = 0; i < static_cast<int>(storico.size()); ++i) {
        const QString& riga = storico[i];
        const RigaStorico r = LeggiRiga(riga);
        if (r.Timeout || !riga.startsWith(u'(')) {
            continue;
        }
        const auto precedente = ultimo.find(r.Set);
        const std::pair<int, int> prima =
            precedente != ultimo.end() ? precedente->second : std::pair<int, int>{0, 0};
        ultimo[r.Set] = {r.Casa, r.Ospiti};
        const QChar lettera = riga.size() > PosizioneLato ? riga[PosizioneLato] : QChar();
        if (lettera != u'H' && lettera != u'G') {
            continue;
        }
        const int lato = lettera == u'H' ? 0 : 1;
        const int oraLato = lato == 0 ? r.Casa : r.Ospiti;
        const int primaLato = lato == 0 ? prima.first : prima.second;
        auto& pila = aperti[{r.Set, lato}];
        if (oraLato < primaLato) {
            if (!pila.empty()) {
                cancellato[pila.back()] = true;
                pila.pop_back();
            }
            continue;
        }
        if (oraLato == primaLato) {
            continue;
        }
        const QString evento = riga.mid(PosizioneLato + 2);
        PuntoAccreditato p;
        p.Riga = i;
        p.Set = r.Set;
        p.Lato = lato;
        p.Codice = evento.section(u'_', 0, 0);
        if (p.Codice.isEmpty()) {
            p.Codice = QStringLiteral("N");
        }
        p.Tipo = ValoreIntero(evento.section(u'_', 1, 1));
        p.Casa = r.Casa;
        p.Ospiti = r.Ospiti;
        pila.push_back(punti.size());
        punti.push_back(p);
        cancellato.push_back(false);
    }
    std::vector<PuntoAccreditato> rimasti;
    for (size_t i = 0; i < punti.size(); ++i) {
        if (!cancellato[i]) {
            rimasti.push_back(punti[i]);
        }
    }
    return rimasti;
}

QStringList RigheStatistiche(const std::vector<PuntoAccreditato>& punti, int set) {
    std::vector<std::pair<QString, int>> tabelle[2];
    for (const PuntoAccreditato& p : punti) {
        if (set != 0 && p.Set != set) {
            continue;
        }
        auto& tabella = tabelle[p.Lato];
        auto trovato = std::find_if(tabella.begin(), tabella.end(),
                                    [&](const auto& voce) { return voce.first == p.Codice; });
        if (trovato != tabella.end()) {
            ++trovato->second;
        } else if (static_cast<int>(tabella.size()) < SlotPerLato) {
            tabella.emplace_back(p.Codice, 1);
        }
    }
    QStringList righe;
    for (int lato = 0; lato < 2; ++lato) {
        for (const auto& [codice, conteggio] : tabelle[lato]) {
            if (lato == 1 && ValoreNumerico(codice) <= 0) {
                continue;
            }
            righe << (lato == 0 ? QStringLiteral("Home  :") : QStringLiteral("Guests:")) +
                         (QStringLiteral("   ") + codice).right(4) + u' ' +
                         QString::number(conteggio);
        }
    }
    // The exchange sort as the lists always had it: equal counts come out swapped.
    for (qsizetype i = 0; i < righe.size(); ++i) {
        for (qsizetype j = i + 1; j < righe.size(); ++j) {
            if (ValoreNumerico(QStringView(righe[j]).mid(12)) >=
                ValoreNumerico(QStringView(righe[i]).mid(12))) {
                righe.swapItemsAt(i, j);
            }
        }
    }
    return righe;
}

Migliori MiglioriMarcatori(const QStringList& righe) {
    Migliori m;
    for (const QString& riga : righe) {
        const QString codice = riga.mid(9, 2).trimmed();
        const QString conteggio = riga.mid(12).trimmed();
        if (codice == QStringLiteral("E") || codice == QStringLiteral("N")) {
            continue;
        }
        if (m.Codici[0].size() > 3 && m.Codici[1].size() > 3) {
            break;
        }
        const int lato = riga.startsWith(u'H') ? 0 : 1;
        if (m.Codici[lato].size() < 4) {
            m.Codici[lato] << codice;
            m.Conteggi[lato] << conteggio;
        }
    }
    return m;
}

std::vector<RigaRiepilogo> Riepilogo(const Rosa& rosa, int lato,
                                     const std::vector<PuntoAccreditato>& punti) {
    std::vector<RigaRiepilogo> righe;
    for (const Atleta& a : rosa) {
        const double numero = ValoreNumerico(a.Numero);
        if (numero <= 0 || righe.size() >= static_cast<size_t>(CapacitaConsole)) {
            break;
        }
        RigaRiepilogo r;
        r.Numero = a.Numero;
        r.Cognome = a.Cognome;
        for (const PuntoAccreditato& p : punti) {
            if (p.Lato == lato && ValoreNumerico(p.Codice) == numero) {
                ++r.Totale;
                if (p.Tipo >= 0 && p.Tipo <= 4) {
                    ++r.PerTipo[p.Tipo];
                }
            }
        }
        righe.push_back(r);
    }
    return righe;
}

QStringList RigheEsportazione(const std::vector<RigaRiepilogo>& righe) {
    QStringList linee{QStringLiteral("N.;Cognome;Punti;N.Specific.;Aces;Muri;Schiacciate;Pallonetti")};
    for (const RigaRiepilogo& r : righe) {
        QStringList campi{r.Numero, r.Cognome, QString::number(r.Totale)};
        for (int t = 0; t < 5; ++t) {
            campi << QString::number(r.PerTipo[t]);
        }
        linee << campi.join(u';');
    }
    return linee;
}
