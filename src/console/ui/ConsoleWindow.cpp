#include "console/ui/ConsoleWindow.h"

#include "display/ui/DisplayWindow.h"
#include "display/ui/CountdownWindow.h"
#include "display/Animazioni.h"
#include "display/ui/SegueSchermo.h"
#include "control/Telecomando.h"
#include "live/Diffusione.h"
#include "live/Istantanea.h"
#include "platform/ServerLive.h"
#include "match/Punteggio.h"
#include "match/Archivio.h"
#include "platform/Cartelle.h"
#include "shared/ScrittoreFile.h"
#include "shared/Tavolozza16.h"
#include "shared/ui/Anteprima.h"
#include "platform/Dialoghi.h"
#include "platform/Orologio.h"
#include "platform/Piattaforma.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>

namespace {
constexpr int LarghezzaDisegno = 16575;
constexpr int AltezzaDisegno = 9630;
} // namespace

ConsoleWindow::ConsoleWindow(Piattaforma& piattaforma)
    : piattaforma_(piattaforma), lettore_(piattaforma.audio, piattaforma.dialoghi) {
    setObjectName(QStringLiteral("ConsoleWindow"));
    luogoCopia_ = std::make_unique<EmergencyCopyPlace>(piattaforma_.cartelle.Temporanea(),
                                                       piattaforma_.cartelle.Utente());
    copia_ = std::make_unique<ScrittoreFile>(piattaforma_.disco);
    connect(copia_.get(), &ScrittoreFile::Fallita, this, &ConsoleWindow::CopiaNonScritta);
    connect(copia_.get(), &ScrittoreFile::Ripresa, this, [this] { copiaInErrore_ = false; });
    const QString utente = piattaforma_.cartelle.Utente();
    archivio_ = std::make_unique<Archivio>(
        piattaforma_.disco,
        utente.isEmpty() ? QString() : QDir(utente).filePath(QStringLiteral("Backups")));
    connect(archivio_.get(), &Archivio::Fallita, this,
            &ConsoleWindow::CopiaSicurezzaNonScritta);
    CreaControlli();
    CreaMenu();
    area_->setFixedSize(TwipsInPixel(LarghezzaDisegno), TwipsInPixel(AltezzaDisegno));
    adjustSize();
    area_->setMinimumSize(0, 0);
    area_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    area_->installEventFilter(this);
    TimerAltezzaSponsor.setInterval(100);
    TimerTabellone.setInterval(500);
    TimerEsultanza.setInterval(10000);
    TimerStat.setInterval(10000);
    TimerFrames.setInterval(2000);
    EnumeraControlli();
    Collega();
    display_ = std::make_unique<DisplayWindow>(piattaforma_, partita_, modulo_, lettore_);
    segui_ = std::make_unique<SegueSchermo>(*display_, *this);
    connect(display_.get(), &DisplayWindow::Evento, this,
            [this](bool inCorso, const QString& testo) { Semaforo(inCorso, testo); });
    connect(display_.get(), &DisplayWindow::Ridimensionato, this, [this] { TimerAltezzaSponsor.start(); });
    live_ = std::make_unique<Diffusione>(
        piattaforma_.live,
        [this](qint64 versione) {
            const bool conteggio = countdown_ && countdown_->isVisible();
            return StatoLive({partita_, display_->Schermo(), display_->Presentazione(), modulo_.Lingue,
                              modulo_.CartellaDati, conteggio, conteggio && countdown_->CambioCampo(),
                              conteggio ? countdown_->reasonLabel->text() : QString()},
                             versione);
        },
        [this] { return modulo_.CartellaDati; });
    connect(display_.get(), &DisplayWindow::Cambiato, live_.get(), &Diffusione::Cambiata);
    connect(display_.get(), &DisplayWindow::AnimazioneIniziata, this, [this] {
        Semaforo(true);
        TimerFrames.stop();
    });
    connect(display_.get(), &DisplayWindow::AnimazioneFinita, this, [this] {
        Semaforo(false);
        TimerFrames.start();
    });
    connect(&loghi_, &CacheImmagini::ImmaginePronta, this, [this](const QString& percorso, int w) {
        for (int lato = 0; lato < 2; ++lato) {
            if (logoAtteso_[lato] == percorso) {
                MostraLogo(lato, loghi_.Immagine(percorso, w));
            }
        }
    });
    qApp->installEventFilter(this);
    codeBoxes[0]->setFocus();
    AvviaTelecomando();
    Semaforo(false);
    // Enabled by design: the band-off layout 100 ms after loading, the live preview.
    TimerAltezzaSponsor.start();
    TimerTabellone.start();
}

ConsoleWindow::~ConsoleWindow() = default;

void ConsoleWindow::EnumeraControlli() {
    controlli_.clear();
    auto con = [this](QWidget* w) { controlli_.push_back({w, true}); };
    auto senza = [this](QObject* o) { controlli_.push_back({o, false}); };
    for (QPushButton* b : scoreButtons) con(b);
    for (QPushButton* b : {exitButton, lockButton, statisticsButton, endStatisticsButton, leadingTeamButton, lastPointsButton, presentationButton,
                           fullScreenButton, zoomInButton, saveMatchButton, loadMatchButton, newMatchButton, swapSidesButton,
                           optionsButton, undoButton, refreshPreviewButton, zoomAllButton, zoomOutButton}) {
        con(b);
    }
    for (QRadioButton* o : pointTypeButtons) con(o);
    con(sidesSwappedMark);
    for (QListWidget* l : teamLists) con(l);
    for (QListWidget* l : rosterLists) con(l);
    con(historyList);
    con(statisticsList);
    con(statisticsChoiceList);
    for (QLineEdit* t : codeBoxes) con(t);
    for (QLabel* e : LabScore) con(e);
    for (QLabel* e : teamNameLabels) con(e);
    con(teamChoiceCaption);
    for (QLabel* e : setsWonLabels) con(e);
    con(historyCaption);
    for (QLabel* e : timeoutLabels) con(e);
    for (QLabel* e : {statisticsCaption, eventLight, previewCaption}) con(e);
    for (QLabel* e : timeoutIcons) senza(e);
    for (QLabel* e : teamLogos) senza(e);
    senza(previewImage);
    for (QLabel* e : smallTeamLogos) senza(e);
    for (QLabel* e : savedTeamLogos) senza(e);
    senza(previewCopy);
    for (QObject* m : std::initializer_list<QObject*>{
             fileMenu, newMatchAction, saveMatchAction, loadMatchAction, soundsAction, teamEditorAction, sponsorAction, saveDisplayPositionAction,
             statisticsMenu, matchStatisticsAction}) {
        senza(m);
    }
    for (QAction* m : setStatisticsActions) senza(m);
    for (QObject* m : std::initializer_list<QObject*>{lastPointsAction, presentationAction, exitAction, optionsMenu,
                                                      languageMenu, languageActions[0], helpMenu, aboutAction,
                                                      emergencyCopyAction, updatesAction, helpAction, sponsorHelpAction,
                                                      teamHelpAction}) {
        senza(m);
    }
    for (QTimer* t : {&TimerAltezzaSponsor, &TimerTabellone, &TimerEsultanza, &TimerStat,
                      &TimerFrames}) {
        senza(t);
    }
}

void ConsoleWindow::Collega() {
    for (int i = 0; i < 4; ++i) {
        connect(scoreButtons[i], &QPushButton::clicked, this, [this, i] { changeScore(i); });
    }
    connect(lockButton, &QPushButton::clicked, this, [this] { toggleLock(); });
    for (int i = 0; i < 2; ++i) {
        connect(teamLists[i], &QListWidget::itemDoubleClicked, this, [this, i] { chooseTeam(i); });
        connect(rosterLists[i], &QListWidget::itemClicked, this, [this, i] { pickAthlete(i); });
        // A double-click arrives after the click of its first press: only the score is left.
        connect(rosterLists[i], &QListWidget::itemDoubleClicked, this, [this, i] { scoreForAthlete(i); });
    }
    for (int i = 0; i < 5; ++i) {
        connect(pointTypeButtons[i], &QRadioButton::clicked, this, [this, i] { choosePointType(i); });
    }
    connect(&TimerAltezzaSponsor, &QTimer::timeout, this, [this] { TimerAltezzaSponsor_Timer(); });
    connect(&TimerTabellone, &QTimer::timeout, this, [this] { TimerTabellone_Timer(); });
    connect(&TimerFrames, &QTimer::timeout, this, [this] { TimerFrames_Timer(); });
    connect(refreshPreviewButton, &QPushButton::clicked, this, [this] { refreshPreview(); });
    connect(presentationButton, &QPushButton::clicked, this, [this] { togglePresentation(); });
    connect(presentationAction, &QAction::triggered, this, [this] { togglePresentation(); });
    connect(soundsAction, &QAction::triggered, this, [this] { openSoundsWindow(); });
    connect(statisticsButton, &QPushButton::clicked, this, [this] { showStatistics(); });
    connect(endStatisticsButton, &QPushButton::clicked, this, [this] { startEndStatistics(); });
    connect(leadingTeamButton, &QPushButton::clicked, this, [this] { showLeadingTeam(); });
    connect(lastPointsButton, &QPushButton::clicked, this, [this] { showLastPoints(); });
    connect(lastPointsAction, &QAction::triggered, this, [this] { showLastPoints(); });
    connect(statisticsChoiceList, &QListWidget::itemDoubleClicked, this, [this] { showStatisticsOfChosenSet(); });
    connect(&TimerStat, &QTimer::timeout, this, [this] { TimerStat_Timer(); });
    connect(matchStatisticsAction, &QAction::triggered, this, [this] {
        statisticsChoiceList->setCurrentRow(0);
        showStatistics();
    });
    for (int i = 0; i < 5; ++i) {
        connect(setStatisticsActions[i], &QAction::triggered, this, [this, i] {
            statisticsChoiceList->setCurrentRow(i + 1);
            showStatistics();
        });
    }
    connect(&TimerEsultanza, &QTimer::timeout, this, [this] { TimerEsultanza_Timer(); });
    connect(historyList, &QListWidget::itemDoubleClicked, this, [this] { rollBackToSelectedLine(); });
    connect(undoButton, &QPushButton::clicked, this, [this] { undoLastLine(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { exitProgram(); });
    connect(newMatchButton, &QPushButton::clicked, this, [this] { newMatchFromButton(); });
    connect(optionsButton, &QPushButton::clicked, this, [this] { openOptions(); });
    connect(newMatchAction, &QAction::triggered, this, [this] { newMatch(); });
    connect(languageActions[0], &QAction::triggered, this, [this] { chooseLanguage(0); });
    connect(exitAction, &QAction::triggered, this, [this] { exitProgram(); });
    connect(saveMatchButton, &QPushButton::clicked, this, [this] { saveMatch(); });
    connect(loadMatchButton, &QPushButton::clicked, this, [this] { loadMatchFromButton(); });
    connect(sponsorAction, &QAction::triggered, this, [this] { openSponsorManager(); });
    connect(helpAction, &QAction::triggered, this, [this] { openHelp(); });
    connect(teamHelpAction, &QAction::triggered, this, [this] { openTeamHelp(); });
    connect(sponsorHelpAction, &QAction::triggered, this, [this] { openSponsorHelp(); });
    connect(aboutAction, &QAction::triggered, this, [this] { openAboutBox(); });
    connect(updatesAction, &QAction::triggered, this, [this] { checkForUpdates(); });
    connect(teamEditorAction, &QAction::triggered, this, [this] { openTeamEditor(); });
    connect(fullScreenButton, &QPushButton::clicked, this, [this] { putDisplayFullScreen(); });
    connect(saveDisplayPositionAction, &QAction::triggered, this, [this] { saveDisplayPosition(); });
    connect(zoomInButton, &QPushButton::clicked, this, [this] { zoomIn(); });
    connect(zoomOutButton, &QPushButton::clicked, this, [this] { zoomOut(); });
    connect(zoomAllButton, &QPushButton::clicked, this, [this] { toggleZoomAll(); });
    connect(swapSidesButton, &QPushButton::clicked, this, [this] { swapDisplaySides(); });
    connect(saveMatchAction, &QAction::triggered, this, [this] { saveMatch(); });
    connect(loadMatchAction, &QAction::triggered, this, [this] { loadMatch(); });
    connect(emergencyCopyAction, &QAction::triggered, this, [this] { loadEmergencyCopy(); });
    connect(reportAction, &QAction::triggered, this, [this] { writeReport(); });
    connect(backupsFolderAction, &QAction::triggered, this, [this] { openBackupsFolder(); });
    connect(keysAction, &QAction::triggered, this, [this] { openKeysWindow(); });
    connect(remoteAction, &QAction::triggered, this, [this] { openRemoteWindow(); });
    for (int i = 0; i < 2; ++i) {
        timeoutIcons[i]->installEventFilter(this);
        teamLogos[i]->installEventFilter(this);
    }
    OrdineTab();
}

bool ConsoleWindow::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == area_ && evento->type() == QEvent::Resize) {
        Form_Resize();
    }
    if (evento->type() == QEvent::KeyPress && oggetto->isWidgetType()) {
        // Keys reach the console from either window, never from a window open over them.
        auto* w = static_cast<QWidget*>(oggetto);
        if ((w->window() == this || w->window() == display_.get()) &&
            QApplication::activeModalWidget() == nullptr &&
            TastoPremuto(w, *static_cast<QKeyEvent*>(evento))) {
            return true;
        }
        return QMainWindow::eventFilter(oggetto, evento);
    }
    for (int i = 0; i < 2; ++i) {
        if (evento->type() != QEvent::MouseButtonDblClick) {
            continue;
        }
        if (oggetto == timeoutIcons[i] && timeoutIcons[i]->isEnabled()) {
            callTimeout(i);
            return true;
        }
        if (oggetto == teamLogos[i]) {
            showTeamStatistics(i);
            return true;
        }
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

void ConsoleWindow::Form_Resize() {
    if (isMinimized() || geometria_.empty()) {
        return;
    }
    ScalaGeometria(geometria_, InTwips(area_->size()), controlli_, false);
}

void ConsoleWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    piattaforma_.dialoghi.Messaggio(
        modulo_.Traduci(QStringLiteral("Usa il bottone <Esci> Per terminare l'applicazione")),
        Pulsanti::Ok);
}

int ConsoleWindow::TipoPuntoSottolineato() const {
    for (int i = 0; i < 5; ++i) {
        if (pointTypeButtons[i]->font().underline()) {
            return i;
        }
    }
    return 0;
}

void ConsoleWindow::choosePointType(int Index) {
    for (int i = 0; i < 5; ++i) {
        QFont f = pointTypeButtons[i]->font();
        f.setUnderline(i == Index);
        pointTypeButtons[i]->setFont(f);
    }
    pointTypeButtons[Index]->setChecked(true);
}

QString ConsoleWindow::OraAttuale() const {
    return piattaforma_.orologio.Adesso().time().toString(QStringLiteral("HH:mm:ss"));
}

void ConsoleWindow::changeScore(int Index) {
    RichiestaPunto r;
    r.Index = Index;
    r.Codice = codeBoxes[Index <= 1 ? 0 : 1]->text();
    r.TipoPunto = TipoPuntoSottolineato();
    r.Ora = OraAttuale();
    for (int i = 0; i < 5; ++i) {
        r.DidascalieTipo[i] = pointTypeButtons[i]->text();
    }
    const auto righePrima = partita_.Storico.size();
    const bool finitaPrima = partita_.PartitaFinita != 0;
    clickInCorso_ = true;
    const bool segnato = SegnaPunto(partita_, r, modulo_, *this);
    clickInCorso_ = false;
    if (!finitaPrima && partita_.PartitaFinita != 0) {
        ConservaPartita();
        // Offered once, after the winner is announced.
        rinviati_.push_back([this] {
            if (piattaforma_.dialoghi.Messaggio(
                    modulo_.Traduci(QStringLiteral("Vuoi creare il report della partita?")),
                    Pulsanti::SiNo) == Risposta::Si) {
                writeReport();
            }
        });
    }
    if (segnato) {
        choosePointType(0);
        rosterLists[Index <= 1 ? 0 : 1]->setCurrentRow(0);
        codeBoxes[0]->clear();
        codeBoxes[1]->clear();
        SalvaEmergenza();
    } else if (partita_.Storico.size() != righePrima) {
        // A refused point may still have opened the set's history.
        SalvaEmergenza();
    }
    Aggiorna();
    MostraRinviati();
}

void ConsoleWindow::MostraRinviati() {
    if (remotoInCorso_) {
        QTimer::singleShot(0, this, [this] { MostraRinviati(); });
        return;
    }
    auto rinviati = std::move(rinviati_);
    rinviati_.clear();
    // A message keeps the hall waiting anyway: the copy on disk is whole before it opens.
    if (!rinviati.empty()) {
        copia_->Attendi(2000);
    }
    for (const auto& mostra : rinviati) {
        mostra();
    }
}

void ConsoleWindow::TimerAltezzaSponsor_Timer() {
    display_->LayoutSenzaSponsor();
    TimerAltezzaSponsor.stop();
}

void ConsoleWindow::TimerTabellone_Timer() {
    refreshPreview();
}

void ConsoleWindow::refreshPreview() {
    CopiaTabellone(*display_, *previewImage);
}

void ConsoleWindow::TimerFrames_Timer() {
    coloreCornice_ = ProssimoColoreCornice(coloreCornice_);
    display_->Lampeggia(coloreCornice_);
}

// The event light: red while a display animation runs, green and silent after it.
void ConsoleWindow::Semaforo(bool animazione, const QString& testo) {
    if (animazione != semaforoRosso_) {
        semaforoRosso_ = animazione;
        const Rgb c = Tavolozza16[animazione ? 4 : 2];
        eventLight->setStyleSheet(QStringLiteral("background-color:rgb(%1,%2,%3);color:white;")
                                  .arg(c.r)
                                  .arg(c.g)
                                  .arg(c.b));
    }
    if (!animazione || !testo.isEmpty()) {
        eventLight->setText(testo);
    }
}

void ConsoleWindow::Aggiorna() {
    for (int i = 0; i < 2; ++i) {
        LabScore[i]->setText(QString::number(partita_.Punti[i]));
        setsWonLabels[i]->setText(QString::number(partita_.SetVinti[i]));
        timeoutLabels[i]->setText(QString::number(partita_.TimeChiesti[i]));
        teamNameLabels[i]->setText(partita_.NomeSquadra[i]);
        rosterLists[i]->setEnabled(partita_.PunteggioAttivo);
        timeoutIcons[i]->setEnabled(partita_.TimeoutAttivi);
        teamLists[i]->setEnabled(!partita_.Bloccata);
    }
    for (QPushButton* b : scoreButtons) {
        b->setEnabled(partita_.PunteggioAttivo);
    }
    undoButton->setEnabled(partita_.UndoAttivo);
    endStatisticsButton->setEnabled(partita_.StatisticheFinaliAttive);
    presentationButton->setEnabled(partita_.PresentazioneAttiva);
    lockButton->setText(modulo_.Traduci(partita_.Bloccata ? QStringLiteral("Sblocca")
                                                        : QStringLiteral("Blocca")));
    exitButton->setEnabled(!partita_.Bloccata);
    fileMenu->menuAction()->setEnabled(!partita_.Bloccata);
    optionsMenu->menuAction()->setEnabled(!partita_.Bloccata);

    const auto& storico = partita_.Storico;
    const bool prefissoUguale = historyList->count() <= storico.size() &&
                                (historyList->count() == 0 ||
                                 historyList->item(historyList->count() - 1)->text() ==
                                     storico[historyList->count() - 1]);
    if (!prefissoUguale) {
        historyList->clear();
    }
    for (qsizetype i = historyList->count(); i < storico.size(); ++i) {
        historyList->addItem(storico[i]);
    }
    historyList->setCurrentRow(partita_.RigaSelezionata);
    display_->Aggiorna();
    live_->Cambiata();
}

void ConsoleWindow::AvviaLive(quint16 porta, bool lan) {
    const std::pair<quint16, bool> voluto{porta, lan};
    if (liveAvviato_ == voluto) {
        return;
    }
    liveAvviato_ = voluto;
    telecomando_->Sicurezza().ImpostaLan(lan);
    live_->Ferma();
    if (porta != 0 && !live_->Avvia(porta, lan)) {
        piattaforma_.dialoghi.Messaggio(
            modulo_.Traduci(QStringLiteral(
                "Uscita live non disponibile: la porta è già in uso. Porta:")) +
                u' ' + QString::number(porta),
            Pulsanti::Ok);
    }
    telecomando_->Sicurezza().ImpostaPorta(live_->Porta());
}

void ConsoleWindow::Avviso(const QString& testo) {
    const auto mostra = [this, testo] { piattaforma_.dialoghi.Messaggio(testo, Pulsanti::Ok); };
    if (clickInCorso_) {
        rinviati_.push_back(mostra);
    } else {
        mostra();
    }
}

void ConsoleWindow::CodiceRifiutato(int lato) {
    codeBoxes[lato]->clear();
    rosterLists[lato]->setCurrentRow(0);
}

void ConsoleWindow::BloccaConsole() {
    toggleLock();
}

void ConsoleWindow::AvviaLampeggio() {
    TimerFrames.start();
}

void ConsoleWindow::AvviaScorrimento() {
    display_->AvviaScorrimento(InVista::Marcatore);
}

void ConsoleWindow::ApriCambioCampo() {
    const auto apri = [this] {
        ApriConteggio(modulo_.Traduci(QStringLiteral("Cambio campo per ultimo SET")), true);
    };
    if (clickInCorso_) {
        rinviati_.push_back(apri);
    } else {
        apri();
    }
}

void ConsoleWindow::Esultanza(int tipoPunto) {
    lettore_.FermaAudio();
    lettore_.SuonaAudio(modulo_.SuoniEsultanza[tipoPunto]);
    // A duration never saved gives no interval: the sound is then not cut.
    if (TimerEsultanza.interval() > 0) {
        TimerEsultanza.start();
    }
}

void ConsoleWindow::TimerEsultanza_Timer() {
    TimerEsultanza.stop();
    lettore_.FermaAudio();
}

void ConsoleWindow::FinePartita() {
    TimerStat.start();
    TimerFrames.stop();
    display_->FermaAnimazioni();
}
