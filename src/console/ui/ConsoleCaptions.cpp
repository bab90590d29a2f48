#include "console/ui/ConsoleWindow.h"

// Every caption, tooltip and menu text of the console, through the language table.
void ConsoleWindow::Didascalie() {
    auto t = [this](const char* testo) { return modulo_.Traduci(QString::fromUtf8(testo)); };
    const QString puntini = QStringLiteral(" ...");
    Command1[0]->setToolTip(t("Assegna un punto ai locali"));
    Command1[1]->setToolTip(t("Toglie un punto ai locali"));
    Command1[2]->setToolTip(t("Toglie un punto agli ospiti"));
    Command1[3]->setToolTip(t("Assegna un punto agli ospiti"));
    Command2->setText(t("Esci"));
    Command2->setToolTip(t("Clicca per terminare l'applicazione"));
    Command3->setText(t(partita_.Bloccata ? "Sblocca" : "Blocca"));
    Command3->setToolTip(t("Blocca / Sblocca per non commettere errori"));
    // The caption wraps where the designed button broke it: the arrow on its own line.
    Command4->setText(t("Statistiche") + QStringLiteral("\n--------->"));
    Command4->setToolTip(t("Statistiche della partita o del singolo SET"));
    Command5->setText(t("Statistiche a fine partita"));
    Command5->setToolTip(QStringLiteral("Tutte le statistiche in fila"));
    Command6->setText(t("Squadra in testa"));
    Command6->setToolTip(t("Mostra la squadra in testa - niente in caso di pareggio momentaneo"));
    Command7->setText(t("Ultimi 4 punti"));
    Command7->setToolTip(t("Mostra gli ultimi 4 punti realizzati"));
    Command8->setText(t("Presentazione atleti"));
    Command9->setText(t("Full screen"));
    Command9->setToolTip(t("Posiziona il tabellone trascinandolo sul secondo schermo poi clicca "
                           "questo bottone per massimizzazlo"));
    Command11->setText(t("Salva Partita"));
    Command11->setToolTip(t("Salva tutti i dati della partita corrente"));
    Command12->setText(t("Carica Partita"));
    Command12->setToolTip(t("Carica i dati di una partita salvata in precedenza"));
    Command13->setText(t("Nuova Partita"));
    Command13->setToolTip(t("Azzera ed inizia una nuova partita"));
    Command14->setText(QStringLiteral("< ") + t("Gira tabellone") + QStringLiteral(" >"));
    Command14->setToolTip(t("Inverte i 2 pannelli del tabellone destra/sinistra"));
    Command15->setText(t("Settaggi"));
    Command16->setText(t("Undo"));
    Command16->setToolTip(t("Annulla l'ultimo punto segnato"));
    const char* tipi[5] = {"Non specificato", "Ace", "Muro", "Schiacciata", "Pallonetto"};
    for (int i = 0; i < 5; ++i) {
        Option2[i]->setText(t(tipi[i]));
    }
    for (QListWidget* l : List1) {
        l->setToolTip(t("Elenco sottocartelle squadre"));
    }
    List3->setToolTip(
        t("Doppio click per riportare la partita ad una situazione precedente"));
    LabScore[0]->setToolTip(t("Punteggio dei locali (appare anche nel tabellone)"));
    LabScore[1]->setToolTip(t("Punteggio degli ospiti (appare anche nel tabellone)"));
    Label2->setText(t("Scegliere la squadra locale e quella ospite"));
    Label3[0]->setToolTip(t("Numero di SET vinti dai locali"));
    Label3[1]->setToolTip(t("Numero di SET vinti dagli ospiti"));
    Label4->setText(t("Storico punteggi"));
    Label5[0]->setToolTip(t("Numero di Timeout chiesti dai locali"));
    Label5[1]->setToolTip(t("Numero di Timeout chiesti dagli ospiti"));
    Label6->setText(t("Lista statistiche"));
    Label7->setText(t("Semaforo eventi"));
    Label8->setText(t("Live del tabellone"));
    Image1[0]->setToolTip(t("Doppio click per Timeout Locali"));
    Image1[1]->setToolTip(t("Doppio click per Timeout Ospiti"));
    for (QLabel* e : Image2) {
        e->setToolTip(t("Riepilogo ed assegnazione punti"));
    }

    menufile->setTitle(QStringLiteral("&File"));
    menunew->setText(t("Nuova Partita") + puntini);
    MenuSalva->setText(t("Salva Partita") + puntini);
    MenuC->setText(t("Carica Partita") + puntini);
    MenuSound->setText(t("Gestione dei suoni ed effetti sonori") + puntini);
    menugest->setText(t("Gestione delle squadre") + puntini);
    MenuSponsor->setText(t("Gestione immagini degli sponsor") + puntini);
    MenuSIR->setText(t("Salva impostazioni"));
    menust->setTitle(t("Statistiche e show") + puntini);
    menuspartita->setText(t("Partita"));
    for (int i = 0; i < 5; ++i) {
        menuNset[i]->setText(modulo_.Traduci(QString::number(i + 1) + QStringLiteral("°SET")));
    }
    Menu5p->setText(t("Ultimi 4 punti") + puntini);
    MenuPresent->setText(t("Presentazione atleti") + puntini);
    menuesci->setText(t("Esci"));
    MenuOPZ->setTitle(t("Opzioni"));
    ManuLn->setTitle(t("Lingua"));
    MenuLN[0]->setText(t("Italiano"));
    MenuH1->setTitle(QStringLiteral("&Help"));
    menuinfo->setText(t("Informazioni su") + puntini);
    MenuCPEM->setText(t("Carica partita in emergenza") + puntini);
    MenuBackup->setText(t("Cartella delle copie di sicurezza") + puntini);
    MenuAgg->setText(QStringLiteral("Controlla aggiornamenti"));
    MenuH->setText(QStringLiteral("?"));
    MenuHGSPO->setText(t("Help Gestione immagini degli sponsor") + puntini);
    MenuHGS->setText(t("Help Gestione delle squadre") + puntini);
    MenuRep->setTitle(t("Report"));
    MenuReport->setText(t("Report della partita") + puntini);
    MenuTasti->setText(t("Tasti") + puntini);
    MenuRemoto->setText(t("Remote") + puntini);
}
