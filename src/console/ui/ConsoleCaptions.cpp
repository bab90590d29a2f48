#include "console/ui/ConsoleWindow.h"

// Every caption, tooltip and menu text of the console, through the language table.
void ConsoleWindow::showCaptions() {
    auto t = [this](const char* text) { return common_.Translate(QString::fromUtf8(text)); };
    const QString dots = QStringLiteral(" ...");
    exitButton->setText(t("Esci"));
    exitButton->setToolTip(t("Clicca per terminare l'applicazione"));
    lockButton->setText(t(match_.Locked ? "Sblocca" : "Blocca"));
    lockButton->setToolTip(t("Blocca / Sblocca per non commettere errori"));
    // The caption wraps where the designed button broke it: the arrow on its own line.
    statisticsButton->setText(t("Statistiche") + QStringLiteral("\n--------->"));
    endStatisticsButton->setText(t("Statistiche a fine partita"));
    endStatisticsButton->setToolTip(t("Tutte le statistiche in fila"));
    leadingTeamButton->setText(t("Squadra in testa"));
    lastPointsButton->setText(t("Ultimi 4 punti"));
    presentationButton->setText(t("Presentazione atleti"));
    fullScreenButton->setText(t("Full screen"));
    fullScreenButton->setToolTip(
        t("Posiziona il tabellone trascinandolo sul secondo schermo poi clicca "
          "questo bottone per massimizzazlo"));
    saveMatchButton->setText(t("Salva Partita"));
    saveMatchButton->setToolTip(t("Salva tutti i dati della partita corrente"));
    loadMatchButton->setText(t("Carica Partita"));
    loadMatchButton->setToolTip(t("Carica i dati di una partita salvata in precedenza"));
    newMatchButton->setText(t("Nuova Partita"));
    newMatchButton->setToolTip(t("Azzera ed inizia una nuova partita"));
    swapSidesButton->setText(QStringLiteral("< ") + t("Gira tabellone") + QStringLiteral(" >"));
    swapSidesButton->setToolTip(t("Inverte i 2 pannelli del tabellone destra/sinistra"));
    optionsButton->setText(t("Settaggi"));
    refreshPreviewButton->setText(t("Aggiorna punteggi"));
    undoButton->setText(t("Undo"));
    const char* types[5] = {"Non specificato", "Ace", "Muro", "Schiacciata", "Pallonetto"};
    for (int i = 0; i < 5; ++i) {
        state_.PointTypeCaptions[i] = t(types[i]);
        pointTypeButtons[i]->setText(state_.PointTypeCaptions[i]);
    }
    for (QListWidget* l : teamLists) {
        l->setToolTip(t("Elenco sottocartelle squadre"));
    }
    historyList->setToolTip(
        t("Doppio click per riportare la partita ad una situazione precedente"));
    scoreLabels[0]->setToolTip(t("Punteggio dei locali (appare anche nel tabellone)"));
    scoreLabels[1]->setToolTip(t("Punteggio degli ospiti (appare anche nel tabellone)"));
    teamChoiceCaption->setText(t("Scegliere la squadra locale e quella ospite"));
    setsWonLabels[0]->setToolTip(t("Numero di SET vinti dai locali"));
    setsWonLabels[1]->setToolTip(t("Numero di SET vinti dagli ospiti"));
    historyCaption->setText(t("Storico punteggi"));
    timeoutLabels[0]->setToolTip(t("Numero di Timeout chiesti dai locali"));
    timeoutLabels[1]->setToolTip(t("Numero di Timeout chiesti dagli ospiti"));
    statisticsCaption->setText(t("Lista statistiche"));
    eventLight->setText(t("Semaforo eventi"));
    previewCaption->setText(t("Live del tabellone"));
    // "Tiempo muerto" is wider than the room beside a stopwatch: a word a line.
    for (QPushButton* b : timeoutButtons) {
        b->setText(t("Tempo").replace(u' ', u'\n'));
    }
    for (QLabel* e : teamLogos) {
        e->setToolTip(t("Riepilogo ed assegnazione punti"));
    }

    fileMenu->setTitle(u'&' + t("File"));
    newMatchAction->setText(t("Nuova Partita") + dots);
    saveMatchAction->setText(t("Salva Partita") + dots);
    loadMatchAction->setText(t("Carica Partita") + dots);
    soundsAction->setText(t("Gestione dei suoni ed effetti sonori") + dots);
    teamEditorAction->setText(t("Gestione delle squadre") + dots);
    sponsorAction->setText(t("Gestione immagini degli sponsor") + dots);
    saveDisplayPositionAction->setText(t("Salva impostazioni"));
    statisticsMenu->setTitle(t("Statistiche e show") + dots);
    matchStatisticsAction->setText(t("Partita"));
    for (int i = 0; i < 5; ++i) {
        setStatisticsActions[i]->setText(SetLabelFor(i + 1, common_.Languages));
    }
    lastPointsAction->setText(t("Ultimi 4 punti") + dots);
    presentationAction->setText(t("Presentazione atleti") + dots);
    exitAction->setText(t("Esci"));
    optionsMenu->setTitle(t("Opzioni"));
    languageMenu->setTitle(t("Lingua"));
    languageActions[0]->setText(t("Italiano"));
    helpMenu->setTitle(u'&' + t("Aiuto"));
    aboutAction->setText(t("Informazioni su") + dots);
    emergencyCopyAction->setText(t("Carica partita in emergenza") + dots);
    backupsFolderAction->setText(t("Cartella delle copie di sicurezza") + dots);
    updatesAction->setText(t("Controlla aggiornamenti"));
    helpAction->setText(QStringLiteral("?"));
    sponsorHelpAction->setText(t("Help Gestione immagini degli sponsor") + dots);
    teamHelpAction->setText(t("Help Gestione delle squadre") + dots);
    reportMenu->setTitle(t("Report"));
    reportAction->setText(t("Report della partita") + dots);
    keysAction->setText(t("Tasti") + dots);
    remoteAction->setText(t("Remote") + dots);
    importTeamAction->setText(t("Importa squadra…"));
    exportSettingsAction->setText(t("Esporta impostazioni") + dots);
    importSettingsAction->setText(t("Importa impostazioni") + dots);
    showKeyTips();
    layOutControls(); // the designed fonts back, then fitted to the new captions
}

void ConsoleWindow::showKeyTips() {
    struct Keyed {
        QWidget* control;
        Action action;
        // Italian; without one the tooltip names the action as the keys' window does.
        const char* tip = nullptr;
    };
    std::vector<Keyed> keyed{
        {scoreButtons[0], Action::HomePlus, "Assegna un punto ai locali"},
        {scoreButtons[1], Action::HomeMinus, "Toglie un punto ai locali"},
        {scoreButtons[2], Action::MinusGuests, "Toglie un punto agli ospiti"},
        {scoreButtons[3], Action::PlusGuests, "Assegna un punto agli ospiti"},
        {undoButton, Action::Undo, "Annulla l'ultimo punto segnato"},
        {timeoutIcons[0], Action::HomeTimeout, "Doppio click per Timeout Locali"},
        {timeoutIcons[1], Action::GuestsTimeout, "Doppio click per Timeout Ospiti"},
        {timeoutButtons[0], Action::HomeTimeout},
        {timeoutButtons[1], Action::GuestsTimeout},
        {refreshPreviewButton, Action::Preview},
        {statisticsButton, Action::Statistics, "Statistiche della partita o del singolo SET"},
        {lastPointsButton, Action::LastPoints, "Mostra gli ultimi 4 punti realizzati"},
        {leadingTeamButton, Action::LeadingTeam,
         "Mostra la squadra in testa - niente in caso di pareggio momentaneo"},
        {presentationButton, Action::Presentation},
    };
    for (int i = 0; i < 5; ++i) {
        keyed.push_back(
            {pointTypeButtons[i], static_cast<Action>(static_cast<int>(Action::Type0) + i)});
    }
    for (const Keyed& k : keyed) {
        QString tip = common_.Translate(
            QString::fromUtf8(k.tip != nullptr ? k.tip : Definition(k.action).caption));
        if (const QString key = keys_.Key(k.action); !key.isEmpty()) {
            tip += QStringLiteral(" (") + key + u')';
        }
        k.control->setToolTip(tip);
    }
}
