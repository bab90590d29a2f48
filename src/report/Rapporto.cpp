#include "report/Rapporto.h"

#include "match/Partita.h"
#include "match/Regole.h"
#include "match/Storico.h"
#include "shared/Lingua.h"
#include "shared/Numeri.h"
#include "teams/Ricerche.h"

#include <QRegularExpression>
#include <QTime>
#include <algorithm>

namespace {

const char* const TipiPunto[5] = {"Non specificato", "Ace", "Muro", "Schiacciata", "Pallonetto"};

QString Ora(const QString& riga) {
    static const QRegularExpression ora(QStringLiteral(R"((\d{1,2}:\d{2}))"));
    const auto m = ora.match(riga);
    return m.hasMatch() ? m.captured(1) : QString();
}

// An athlete the roster does not know: "N° 6", in the report's language.
QString PerNumero(const QString& codice, const TabellaLingue& lingue) {
    return lingue.Traduci(QStringLiteral("N°")) + u' ' + codice.trimmed();
}

// "7 Rossi (5)", or "N° 6 (5)" off the roster, for each of the best scorers.
QStringList Nomi(const Migliori& migliori, int lato, const Rosa& rosa, const TabellaLingue& lingue) {
    QStringList nomi;
    for (qsizetype i = 0; i < migliori.Codici[lato].size(); ++i) {
        const QString& codice = migliori.Codici[lato][i];
        const QString nome = InRosa(rosa, codice) ? codice + u' ' + CognomeAtleta(rosa, codice, lingue)
                                                  : PerNumero(codice, lingue);
        nomi << nome + QStringLiteral(" (") + migliori.Conteggi[lato][i] + u')';
    }
    return nomi;
}

// The roster's rows, then a row for every other number that scored, by number: the match file
// alone knows who scored by number, and no point may go missing from the tables.
std::vector<RigaRiepilogo> Atleti(const Rosa& rosa, int lato, const std::vector<PuntoAccreditato>& punti,
                                  const TabellaLingue& lingue) {
    std::vector<RigaRiepilogo> righe = Riepilogo(rosa, lato, punti);
    std::vector<RigaRiepilogo> altri;
    for (const PuntoAccreditato& p : punti) {
        const double numero = ValoreNumerico(p.Codice);
        const auto stesso = [numero](const RigaRiepilogo& r) { return ValoreNumerico(r.Numero) == numero; };
        if (p.Lato != lato || numero <= 0 || std::any_of(righe.begin(), righe.end(), stesso)) {
            continue;
        }
        auto riga = std::find_if(altri.begin(), altri.end(), stesso);
        if (riga == altri.end()) {
            altri.push_back({p.Codice.trimmed(), PerNumero(p.Codice, lingue)});
            riga = altri.end() - 1;
        }
        ++riga->Totale;
        if (p.Tipo >= 0 && p.Tipo <= 4) {
            ++riga->PerTipo[p.Tipo];
        }
    }
    std::sort(altri.begin(), altri.end(), [](const RigaRiepilogo& a, const RigaRiepilogo& b) {
        return ValoreNumerico(a.Numero) < ValoreNumerico(b.Numero);
    });
    righe.insert(righe.end(), altri.begin(), altri.end());
    return righe;
}

std::optional<int> Minuti(const QString& inizio, const QString& fine) {
    const QTime a = QTime::fromString(inizio, QStringLiteral("H:mm"));
    const QTime b = QTime::fromString(fine, QStringLiteral("H:mm"));
    if (!a.isValid() || !b.isValid()) {
        return std::nullopt;
    }
    int minuti = a.secsTo(b) / 60;
    if (minuti < 0) {
        minuti += 24 * 60; // past midnight
    }
    return minuti;
}

} // namespace

std::vector<EventoStorico> EventiStorico(const QStringList& storico) {
    std::vector<EventoStorico> eventi;
    int set = 1;
    std::array<int, 2> punteggio{0, 0};
    for (const QString& riga : storico) {
        const RigaStorico r = LeggiRiga(riga);
        EventoStorico e;
        e.Ora = Ora(riga);
        if (r.Timeout) {
            e.Tipo = EventoStorico::Genere::Tempo;
            e.Set = set;
            e.Casa = punteggio[0];
            e.Ospiti = punteggio[1];
            e.Lato = r.Lato;
            eventi.push_back(e);
            continue;
        }
        e.Set = r.Set;
        e.Casa = r.Casa;
        e.Ospiti = r.Ospiti;
        if (!RigaDiPunto(riga)) {
            e.Tipo = EventoStorico::Genere::InizioSet;
        } else {
            const QStringList evento = riga.section(QStringLiteral(" - "), -1).split(u'_');
            e.Lato = evento.value(0) == QStringLiteral("G") ? 1 : 0;
            e.Codice = evento.value(1);
            e.TipoPunto = std::clamp(ValoreIntero(evento.value(2)), 0, 4);
            const bool stessoSet = r.Set == set;
            e.Tipo = stessoSet && r.Casa + r.Ospiti < punteggio[0] + punteggio[1]
                         ? EventoStorico::Genere::Annullamento
                         : EventoStorico::Genere::Punto;
        }
        set = r.Set;
        punteggio = {r.Casa, r.Ospiti};
        eventi.push_back(e);
    }
    return eventi;
}

Rapporto CostruisciRapporto(const Partita& p, const QDate& data, const TabellaLingue& lingue) {
    Rapporto r;
    r.Data = data;
    r.SetVinti = p.SetVinti;
    r.Finita = p.PartitaFinita != 0;
    const std::vector<PuntoAccreditato> punti = PuntiAccreditati(p.Storico);
    const std::vector<EventoStorico> eventi = EventiStorico(p.Storico);
    const int ultimoSet = std::max(1, std::min(p.SetCorrente, 5));
    for (int n = 1; n <= ultimoSet; ++n) {
        SetRapporto s;
        s.Numero = n;
        QString inizio;
        QString fine;
        for (const EventoStorico& e : eventi) {
            if (e.Set != n) {
                continue;
            }
            if (inizio.isEmpty()) {
                inizio = e.Ora;
            }
            fine = e.Ora;
            if (e.Tipo == EventoStorico::Genere::Tempo) {
                s.Tempi.push_back({static_cast<int>(s.Progressione.size()), e.Lato});
            } else if (e.Tipo != EventoStorico::Genere::InizioSet) {
                s.Progressione.push_back({e.Casa, e.Ospiti});
            }
        }
        if (s.Progressione.empty() && n > 1 && n == ultimoSet) {
            continue; // the next set has not started: nothing to chart
        }
        if (!s.Progressione.empty()) {
            s.Finale = s.Progressione.back();
        }
        const int obiettivo = PuntiPerVincere(p.SetTotali, n, p.PuntiSet, p.PuntiTieBreak);
        if (SetConcluso(s.Finale[0], s.Finale[1], obiettivo)) {
            s.Vincitore = s.Finale[0] > s.Finale[1] ? 0 : 1;
            s.Minuti = Minuti(inizio, fine);
        }
        int lato = -1;
        int serie = 0;
        for (const PuntoAccreditato& punto : punti) {
            if (punto.Set != n) {
                continue;
            }
            serie = punto.Lato == lato ? serie + 1 : 1;
            lato = punto.Lato;
            s.SerieMassima[lato] = std::max(s.SerieMassima[lato], serie);
        }
        const Migliori migliori = MiglioriMarcatori(RigheStatistiche(punti, n));
        for (int k = 0; k < 2; ++k) {
            s.Migliori[k] = Nomi(migliori, k, p.Rose[k], lingue);
        }
        r.Set.push_back(s);
    }
    const Migliori partita = MiglioriMarcatori(RigheStatistiche(punti, 0));
    for (int k = 0; k < 2; ++k) {
        SquadraRapporto& q = r.Squadre[k];
        q.Nome = p.Tabellone.Nome[k];
        q.RosaDisponibile = !p.Rose[k].empty();
        q.Atleti = Atleti(p.Rose[k], k, punti, lingue);
        q.ErroriAvversari = static_cast<int>(std::count_if(punti.begin(), punti.end(), [k](const auto& x) {
            return x.Lato == k && x.Codice == QStringLiteral("E");
        }));
        q.Migliori = Nomi(partita, k, p.Rose[k], lingue);
    }
    return r;
}

QStringList RighePlayByPlay(const Partita& p, const TabellaLingue& lingue) {
    const auto t = [&lingue](const char* testo) { return lingue.Traduci(QString::fromUtf8(testo)); };
    // Any ";" inside a name would split its column.
    const auto campo = [](QString s) { return s.replace(u';', u','); };
    QStringList righe{QStringList{t("Set"), t("Punti locali"), t("Punti ospiti"), t("Squadra"),
                                  t("Numero"), t("Cognome"), t("Tipo di punto"), t("Ora"),
                                  t("Evento")}
                          .join(u';')};
    for (const EventoStorico& e : EventiStorico(p.Storico)) {
        QString genere;
        switch (e.Tipo) {
        case EventoStorico::Genere::InizioSet: genere = t("Inizio set"); break;
        case EventoStorico::Genere::Punto: genere = t("Punto"); break;
        case EventoStorico::Genere::Annullamento: genere = t("Punto annullato"); break;
        case EventoStorico::Genere::Tempo: genere = t("Tempo"); break;
        }
        const bool punto = e.Tipo == EventoStorico::Genere::Punto ||
                           e.Tipo == EventoStorico::Genere::Annullamento;
        const bool atleta = punto && ValoreIntero(e.Codice) > 0;
        righe << QStringList{QString::number(e.Set), QString::number(e.Casa),
                             QString::number(e.Ospiti),
                             e.Lato < 0 ? QString() : campo(p.Tabellone.Nome[e.Lato]),
                             punto ? e.Codice : QString(),
                             atleta ? campo(CognomeAtleta(p.Rose[e.Lato], e.Codice, lingue)) : QString(),
                             punto ? t(TipiPunto[e.TipoPunto]) : QString(), e.Ora, genere}
                     .join(u';');
    }
    return righe;
}

QDate DataDelFile(const QStringList& righe) {
    static const QRegularExpression data(QStringLiteral(R"((\d{2}/\d{2}/\d{4}))"));
    if (righe.isEmpty()) {
        return {};
    }
    const auto m = data.match(righe.first());
    return m.hasMatch() ? QDate::fromString(m.captured(1), QStringLiteral("dd/MM/yyyy")) : QDate();
}
