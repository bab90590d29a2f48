// The console's statistics, the end-of-match cycle, the overlays and the points summary.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "platform/Dialoghi.h"
#include "platform/FinestreModali.h"
#include "platform/Piattaforma.h"
#include "shared/Numeri.h"
#include "stats/Statistiche.h"
#include "stats/ui/PointsSummary.h"
#include "teams/Ricerche.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr int SetMassimi = 5;
constexpr int RigheUltimiPunti = 4;
} // namespace

void ConsoleWindow::showStatistics() {
    const int k = std::max(0, statisticsChoiceList->currentRow());
    partita_.PannelloAnimato = 0;
    auto& dialoghi = piattaforma_.dialoghi;
    if (partita_.SetCorrente < k) {
        if (partita_.PunteggioAttivo) {
            dialoghi.Messaggio(modulo_.Traduci(QStringLiteral("SET non iniziato")), Pulsanti::Ok);
        }
        return;
    }
    statisticsList->clear();
    if (partita_.Storico.isEmpty()) {
        dialoghi.Messaggio(modulo_.Traduci(QStringLiteral("La partita non è ancora iniziata")),
                           Pulsanti::Ok);
        return;
    }
    const QStringList righe = RigheStatistiche(PuntiAccreditati(partita_.Storico), k);
    statisticsList->addItems(righe);

    PannelloStatistiche dati;
    QString suffisso;
    if (k == 0) {
        suffisso = QStringList(partita_.Parziali.begin(), partita_.Parziali.end()).join(u' ');
        for (int i = 0; i < 2; ++i) {
            dati.Totali[i] = QString::number(partita_.SetVinti[i]);
        }
    } else {
        suffisso = u' ' + QString::number(k);
        const bool finito = partita_.SetCorrente - 1 >= k || partita_.SetCorrente == 4 ||
                            partita_.SetCorrente == 5;
        const QString& parziale = partita_.Parziali[k - 1];
        dati.Totali[0] = finito ? parziale.left(2) : QString::number(partita_.Punti[0]);
        dati.Totali[1] = finito ? parziale.right(2) : QString::number(partita_.Punti[1]);
    }
    dati.Titolo = modulo_.Traduci(QStringLiteral("Statistiche:")) +
                  (suffisso.size() <= 5 ? QStringLiteral(" SET ") : QString()) + suffisso;
    dati.Nomi[0] = partita_.Tabellone.Nome[0];
    dati.Nomi[1] = partita_.Tabellone.Nome[1];
    const Migliori migliori = MiglioriMarcatori(righe);
    for (int r = 0; r < migliori.Codici[0].size(); ++r) {
        dati.NomiCasa[r] = CognomeAtleta(partita_.Rose[0], migliori.Codici[0][r], modulo_.Lingue) + u' ';
        dati.PuntiCasa[r] = migliori.Conteggi[0][r];
    }
    for (int r = 0; r < migliori.Codici[1].size(); ++r) {
        dati.NomiOspiti[r] = u' ' + CognomeAtleta(partita_.Rose[1], migliori.Codici[1][r], modulo_.Lingue);
        dati.PuntiOspiti[r] = migliori.Conteggi[1][r];
    }
    display_->MostraStatistiche(dati);
    display_->AvviaScorrimento(InVista::Statistiche);
}

void ConsoleWindow::showStatisticsOfChosenSet() {
    showStatistics();
}

void ConsoleWindow::startEndStatistics() {
    TimerStat.start();
}

void ConsoleWindow::TimerStat_Timer() {
    const QString testo = passoStatistiche_ == 0 ? QStringLiteral("TUTTO")
                                                 : partita_.Parziali[passoStatistiche_ - 1];
    if (!testo.isEmpty()) {
        statisticsChoiceList->setCurrentRow(passoStatistiche_);
        showStatistics();
        ++passoStatistiche_;
    }
    if (testo.isEmpty() || passoStatistiche_ > SetMassimi) {
        passoStatistiche_ = 0;
        TimerStat.stop();
    }
}

void ConsoleWindow::showLeadingTeam() {
    const QString set = QString::number(partita_.SetVinti[0]) + QString::number(partita_.SetVinti[1]);
    int lato = 0;
    if (QStringList{"10", "20", "21", "30", "31", "32"}.contains(set)) {
        lato = 0;
    } else if (QStringList{"01", "02", "12", "03", "13", "23"}.contains(set)) {
        lato = 1;
    } else if (QStringList{"00", "11", "22"}.contains(set)) {
        if (partita_.Punti[0] == partita_.Punti[1]) {
            return;
        }
        lato = partita_.Punti[1] > partita_.Punti[0] ? 1 : 0;
    } else {
        return;
    }
    partita_.PannelloAnimato = 1;
    const QString squadra = partita_.NomeSquadra[lato];
    const QString cartella = CartellaSquadra(modulo_.CartellaDati, squadra);
    const QString foto = cartella.isEmpty() ? QString() : QDir(cartella).filePath(QStringLiteral("team.jpg"));
    const QString titolo = partita_.PunteggioAttivo
                               ? modulo_.Traduci(QStringLiteral("In testa")) + QStringLiteral(": ") + squadra
                               : modulo_.Traduci(QStringLiteral("Winner: ")) + squadra;
    if (partita_.Tabellone.Punti[0] != partita_.Tabellone.Punti[1]) {
        partita_.CodiceAtleta = QStringLiteral("1");
    }
    if (ValoreNumerico(partita_.CodiceAtleta) <= 0) {
        display_->MostraSquadraInTesta(lato, titolo, QFileInfo::exists(foto) ? foto : QString(), {}, {});
        partita_.NumeroMarcatore.clear();
        partita_.NomeMarcatore.clear();
        return;
    }
    const QString setVinti = QString::number(partita_.SetVinti[0]) + u'-' + QString::number(partita_.SetVinti[1]);
    QString punteggio = QString::number(partita_.SetCorrente) + QStringLiteral("° SET :  ");
    if (partita_.PunteggioAttivo) {
        punteggio += QString::number(partita_.Punti[0]) + QStringLiteral(" - ") +
                     QString::number(partita_.Punti[1]) + u' ';
    } else {
        const QString parziale = partita_.SetCorrente >= 1 && partita_.SetCorrente <= SetMassimi
                                     ? partita_.Parziali[partita_.SetCorrente - 1]
                                     : QString();
        punteggio += parziale.left(2).trimmed() + QStringLiteral(" - ") + parziale.right(2).trimmed() + u' ';
    }
    display_->MostraSquadraInTesta(lato, titolo, QFileInfo::exists(foto) ? foto : QString(), setVinti,
                                 punteggio);
    display_->AvviaScorrimento(InVista::SquadraInTesta);
    Semaforo(true, modulo_.Traduci(QStringLiteral("Visualizza squadra")));
}

void ConsoleWindow::showLastPoints() {
    partita_.PannelloAnimato = 0;
    auto& dialoghi = piattaforma_.dialoghi;
    if (partita_.SetCorrente < std::max(0, statisticsChoiceList->currentRow())) {
        dialoghi.Messaggio(modulo_.Traduci(QStringLiteral("SET non iniziato")), Pulsanti::Ok);
        return;
    }
    if (partita_.Storico.isEmpty()) {
        dialoghi.Messaggio(modulo_.Traduci(QStringLiteral("La partita non è ancora iniziata")),
                           Pulsanti::Ok);
        return;
    }
    PannelloStatistiche dati;
    dati.Totali[0] = QString::number(partita_.UltimoPunteggio[0]);
    dati.Totali[1] = QString::number(partita_.UltimoPunteggio[1]);
    const std::vector<PuntoAccreditato> punti = PuntiAccreditati(partita_.Storico);
    auto nome = [this](const PuntoAccreditato& p) {
        if (p.Codice == QStringLiteral("E")) {
            return modulo_.Traduci(QStringLiteral("<ERRORE>"));
        }
        if (p.Codice == QStringLiteral("N")) {
            return modulo_.Traduci(QStringLiteral("<NON ASSEGNATO>"));
        }
        return ValoreNumerico(p.Codice) > 0 ? CognomeAtleta(partita_.Rose[p.Lato], p.Codice, modulo_.Lingue)
                                            : QString();
    };
    auto vuotoSeZero = [](int punti) { return punti == 0 ? QString() : QString::number(punti); };
    for (int r = 0; r < RigheUltimiPunti && r < static_cast<int>(punti.size()); ++r) {
        const PuntoAccreditato& p = punti[punti.size() - 1 - r];
        const QString chi = nome(p);
        if (p.Lato == 0) {
            dati.PuntiCasa[r] = vuotoSeZero(p.Casa);
            dati.NomiCasa[r] = chi.isEmpty() ? QString() : chi + u' ';
        } else {
            dati.PuntiOspiti[r] = vuotoSeZero(p.Ospiti);
            dati.NomiOspiti[r] = chi.isEmpty() ? QString() : u' ' + chi;
        }
    }
    dati.Titolo = modulo_.Traduci(QStringLiteral("Ultimi 4 punti")) + u':';
    dati.Nomi[0] = partita_.Tabellone.Nome[0];
    dati.Nomi[1] = partita_.Tabellone.Nome[1];
    display_->MostraStatistiche(dati);
    display_->overlayPanels[1]->move(0, display_->Altezza() + 12);
    display_->AvviaScorrimento(InVista::UltimiPunti);
    Semaforo(true, modulo_.Traduci(QStringLiteral("Ultimi 4 punti")));
}

void ConsoleWindow::showTeamStatistics(int Index) {
    if (partita_.Storico.isEmpty()) {
        piattaforma_.dialoghi.Messaggio(
            modulo_.Traduci(QStringLiteral("La partita non è ancora iniziata")), Pulsanti::Ok);
        return;
    }
    PointsSummary finestra(partita_, Index, modulo_, piattaforma_);
    finestra.Form_Load();
    piattaforma_.modali.Mostra(finestra);
}
