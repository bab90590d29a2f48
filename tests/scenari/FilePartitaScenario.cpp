#include "scenari/ConsoleDiProva.h"
#include "shared/TestoFile.h"

#include <QFileInfo>

namespace {

const QString NonIniziata = QStringLiteral("La partita non è ancora iniziata");
const QString NonPartita =
    QStringLiteral("Questo file di testo non è relativo ad una partita di Brivanta");
const QString Abbandona = QStringLiteral("Una partita di Brivanta è già in corso, desideri "
                                         "abbandonarla e caricare un'altra partita?");

class FileScenario : public ConsoleDiProva {
protected:
    QString Percorso(const char* nome) const { return a.radice.filePath(QString::fromUtf8(nome)); }
};

TEST_F(FileScenario, SaveAsksForAFileAddsTxtAndRenamesTheConsole) {
    a.f.dialoghi.Attendi(NonIniziata);
    console.saveMatch();
    Punti(0, 3);
    a.f.dialoghi.AttendiFile(QString());
    a.f.dialoghi.Attendi(QStringLiteral("Non hai selezionato nessun file, operazione annullata"));
    console.saveMatch();

    a.f.dialoghi.AttendiFile(Percorso("finale"));
    console.saveMatch();
    EXPECT_TRUE(QFileInfo::exists(Percorso("finale.txt")));
    EXPECT_EQ(QStringLiteral("Brivanta : FINALE.TXT"), console.windowTitle());

    Punti(0, 1);
    a.f.dialoghi.AttendiFile(Percorso("finale.txt"));
    a.f.dialoghi.Attendi(QStringLiteral("Il file :") + Percorso("finale.txt") +
                             QStringLiteral(" esiste già. Vuoi sovrascrivere questa partita?"),
                         Risposta::No);
    console.saveMatch();
    EXPECT_TRUE(LeggiFileTesto(Percorso("finale.txt"), 1 << 20)
                    ->contains(QStringLiteral("#HPART.:3")));
}

TEST_F(FileScenario, SaveThatCannotWriteSaysSoAndKeepsTheTitle) {
    Punti(0, 1);
    const QString percorso = Percorso("manca/partita.txt");
    a.f.dialoghi.AttendiFile(percorso);
    a.f.dialoghi.Attendi(
        QStringLiteral("Non è stato possibile salvare la partita nel file : ") + percorso);
    console.saveMatch();
    EXPECT_EQ(QStringLiteral("Brivanta : MATCH.txt"), console.windowTitle());
}

TEST_F(FileScenario, SavedMatchLoadsBackAndLocks) {
    Punti(0, 25);
    Punti(3, 2);
    a.f.dialoghi.AttendiFile(Percorso("p.txt"));
    console.saveMatch();
    a.f.dialoghi.Attendi(Abbandona, Risposta::No);
    console.loadMatch();
    a.f.dialoghi.Attendi(Abbandona, Risposta::Si);
    a.f.dialoghi.AttendiFile(Percorso("p.txt"));
    console.loadMatchFromButton();
    EXPECT_EQ(QStringLiteral("2"), console.LabScore[1]->text());
    EXPECT_EQ(QStringLiteral("1"), console.setsWonLabels[0]->text());
    EXPECT_EQ(QStringLiteral("25/ 0"), console.Tabellone().partialLabels[0]->text().rightJustified(5));
    EXPECT_EQ(QStringLiteral("Sblocca"), console.lockButton->text());
    EXPECT_TRUE(console.undoButton->isEnabled());
    EXPECT_EQ(QStringLiteral("Brivanta : P.TXT"), console.windowTitle());
}

TEST_F(FileScenario, AFileThatIsNotAMatchLeavesTheMatchAsItWas) {
    Punti(0, 4);
    Ambiente::CreaFile(Percorso("lista.txt"), "Pane\r\nLatte\r\n");
    a.f.dialoghi.Attendi(Abbandona, Risposta::Si);
    a.f.dialoghi.AttendiFile(Percorso("lista.txt"));
    a.f.dialoghi.Attendi(NonPartita);
    console.loadMatch();
    EXPECT_EQ(QStringLiteral("4"), console.LabScore[0]->text());
    EXPECT_EQ(5, console.historyList->count());
    EXPECT_EQ(QStringLiteral("Brivanta : MATCH.txt"), console.windowTitle());
}

TEST_F(FileScenario, SaveWritesTheWholeHistoryWhateverIsSelected) {
    Punti(0, 4);
    Punti(3, 2);
    const QStringList storico = console.Match().Storico;
    console.historyList->setCurrentRow(2);
    a.f.dialoghi.Attendi(QStringLiteral("Desideri riportare la partita a questo precedente "
                                        "punteggio ?\n\nLocali 2 - 0 Ospiti\n1°SET"),
                         Risposta::No);
    console.rollBackToSelectedLine();
    a.f.dialoghi.AttendiFile(Percorso("p.txt"));
    console.saveMatch();
    a.f.dialoghi.Attendi(Abbandona, Risposta::Si);
    a.f.dialoghi.AttendiFile(Percorso("p.txt"));
    console.loadMatch();
    EXPECT_EQ(storico, console.Match().Storico);
    EXPECT_EQ(QStringLiteral("4"), console.LabScore[0]->text());
    EXPECT_EQ(QStringLiteral("2"), console.LabScore[1]->text());
}

class RecuperoScenario : public FileScenario {
protected:
    void Recupera() { Recupera(console); }
    void Recupera(ConsoleWindow& c) {
        // The crashed console's worker may still be writing its last copy.
        ASSERT_TRUE(console.AttendiCopia());
        ASSERT_TRUE(c.AttendiCopia());
        const QString quando = QFileInfo(c.PercorsoEmergenza())
                                   .lastModified()
                                   .toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        a.f.dialoghi.Attendi(
            QStringLiteral("Attenzione questa procedura di emergenza carica una partita contenuta "
                           "nella cartella dei file temporanei di Windows, non è garantita la "
                           "risoluzione del problema ma in caso di necessità è possibile tentare "
                           "di caricare un file di partita salvato il : \n") +
                quando + QStringLiteral("\n\n"),
            Risposta::Si);
        c.loadEmergencyCopy();
    }
    // A fresh console after a crash, on the same temporary folder.
    std::unique_ptr<ConsoleWindow> Riavvia() {
        auto nuova = std::make_unique<ConsoleWindow>(a.f.piattaforma);
        nuova->Form_Load();
        return nuova;
    }
};

TEST_F(RecuperoScenario, NoCopyYet) {
    a.f.dialoghi.Attendi(QStringLiteral("Attensione non è ancora stata salvata nessuna partita "
                                        "nella cartella dei files temporanei."));
    console.loadEmergencyCopy();
}

TEST_F(RecuperoScenario, SetWinningPointComesBackAsTheNextSetLocked) {
    Punti(3, 23);
    Punti(0, 25);
    auto dopo = Riavvia();
    Recupera(*dopo);
    EXPECT_EQ(QStringLiteral("0"), dopo->LabScore[0]->text());
    EXPECT_EQ(QStringLiteral("1"), dopo->setsWonLabels[0]->text());
    EXPECT_EQ(2, dopo->Match().SetCorrente);
    EXPECT_EQ(QStringLiteral("25/23"), dopo->Match().Parziali[0]);
    EXPECT_EQ(QStringLiteral("Sblocca"), dopo->lockButton->text()) << "locked as after a point";
    EXPECT_FALSE(dopo->exitButton->isEnabled());
    EXPECT_FALSE(dopo->fileMenu->menuAction()->isEnabled());
    EXPECT_FALSE(dopo->teamLists[0]->isEnabled());
}

TEST_F(RecuperoScenario, UndoIsInTheCopy) {
    Punti(0, 4);
    a.f.dialoghi.Attendi(QStringLiteral("Desideri riportare la partita a questo precedente "
                                        "punteggio ?\n\nLocali 3 - 0 Ospiti\n1°SET"));
    console.undoLastLine();
    Recupera();
    EXPECT_EQ(QStringLiteral("3"), console.LabScore[0]->text());
    EXPECT_EQ(4, console.historyList->count());
}

TEST_F(RecuperoScenario, ALoadedMatchIsTheCopyAtOnce) {
    Punti(0, 7);
    a.f.dialoghi.AttendiFile(Percorso("p.txt"));
    console.saveMatch();
    Punti(3, 5);
    a.f.dialoghi.Attendi(Abbandona, Risposta::Si);
    a.f.dialoghi.AttendiFile(Percorso("p.txt"));
    console.loadMatch();
    Recupera();
    EXPECT_EQ(QStringLiteral("7"), console.LabScore[0]->text());
    EXPECT_EQ(QStringLiteral("0"), console.LabScore[1]->text()) << "not the abandoned match";
}

TEST_F(RecuperoScenario, ARefusedFirstPointStillKeepsTheOpenedSet) {
    console.codeBoxes[0]->setText(QStringLiteral("A1"));
    a.f.dialoghi.Attendi(QStringLiteral("Non si tratta di un giocatore ATTENZIONE!! - Punto non segnato"));
    console.changeScore(0);
    ASSERT_EQ(1, console.historyList->count());
    EXPECT_TRUE(QFileInfo::exists(console.PercorsoEmergenza()));
}

TEST_F(RecuperoScenario, TimeoutIsInTheCopy) {
    Punti(0, 3);
    a.f.dialoghi.Attendi(QStringLiteral("Confermi la richiesta 30 secondi di tempo per: Home\nSe "
                                        "vuoi annullare clicca su <Annulla> altrimenti conferma "
                                        "con <OK>"));
    console.callTimeout(0);
    Recupera();
    EXPECT_EQ(QStringLiteral("1"), console.timeoutLabels[0]->text());
    EXPECT_EQ(QStringLiteral("1#H Timeout Locali - 15:42"),
              console.historyList->item(console.historyList->count() - 1)->text());
}

TEST_F(RecuperoScenario, FinishedMatchComesBackFinishedAfterARestart) {
    Partita& p = console.Match();
    p.SetTotali = 1;
    a.f.dialoghi.Attendi(QStringLiteral("Partita vinta da: Locali"));
    a.f.dialoghi.Attendi(QStringLiteral("Vuoi creare il report della partita?"), Risposta::No);
    Punti(0, 25);
    auto dopo = Riavvia();
    Recupera(*dopo);
    EXPECT_EQ(1, dopo->Match().SetCorrente);
    EXPECT_EQ(1, dopo->Match().PartitaFinita);
    EXPECT_FALSE(dopo->scoreButtons[0]->isEnabled());
    EXPECT_TRUE(dopo->endStatisticsButton->isEnabled());
    EXPECT_EQ(QStringLiteral("1"), dopo->Tabellone().LabScore[0]->text());
}

} // namespace
