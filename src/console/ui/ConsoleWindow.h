#pragma once

#include "control/Azioni.h"
#include "control/Comandi.h"
#include "match/EmergencyCopyPlace.h"
#include "match/Partita.h"
#include "match/VistaPartita.h"
#include "shared/Geometria.h"
#include "shared/Modulo1.h"
#include "shared/ui/Disegno.h"
#include "shared/ui/Immagini.h"
#include "sound/Audio.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

struct Piattaforma;
class DisplayWindow;
class CountdownWindow;
class Diffusione;
class Telecomando;
class ScrittoreFile;
class Archivio;
class SegueSchermo;

// The operator's console. Handlers gather what the operator did and hand it to the logic.
class ConsoleWindow : public QMainWindow, private VistaPartita {
    Q_OBJECT
public:
    explicit ConsoleWindow(Piattaforma& piattaforma);
    ~ConsoleWindow() override;

    void Form_Load();
    void Form_Resize();
    void changeScore(int Index);
    void toggleLock();
    void choosePointType(int Index);
    void TimerAltezzaSponsor_Timer();
    void TimerTabellone_Timer();
    void TimerFrames_Timer();
    void refreshPreview();
    // The rollback and Undo ask first, except for the remote, whose page asked.
    void rollBackToSelectedLine(bool chiedi = true);
    void undoLastLine(bool chiedi = true);
    void callTimeout(int Index);
    void newMatch();
    void newMatchFromButton();
    void openOptions();
    void exitProgram();
    void saveMatch();
    void loadMatch();
    void loadMatchFromButton();
    void loadEmergencyCopy();
    void dbclicca(int lato);
    void chooseLanguage(int Index);
    void togglePresentation();
    void showStatistics();
    void startEndStatistics();
    void showStatisticsOfChosenSet();
    void TimerStat_Timer();
    void showLeadingTeam();
    void showLastPoints();
    void showTeamStatistics(int Index);
    void openSoundsWindow();
    void TimerEsultanza_Timer();
    void chooseTeam(int Index);
    void pickAthlete(int Index);
    void scoreForAthlete(int Index);
    void openSponsorManager();
    void openHelp();
    void openTeamHelp();
    void openSponsorHelp();
    void openAboutBox();
    void checkForUpdates();
    void openTeamEditor();
    void putDisplayFullScreen();
    void saveDisplayPosition();
    void zoomIn();
    void zoomOut();
    void toggleZoomAll();
    void swapDisplaySides();
    // The post-match pack: report.pdf, play-by-play.csv and result.png in a chosen folder.
    void writeReport();
    // The key map and the remote's secret.
    void openKeysWindow();
    void openRemoteWindow();
    // Every action a key or the remote reaches, through the handler of its button; nothing
    // happens when that button is disabled. False then.
    bool EseguiAzione(Azione a);
    // A key of the map pressed: the pending code goes to the side a +1 key names.
    void Tasto(Azione a);
    // A remote request's command; the refusal's text when the console would not do it.
    std::optional<QString> EseguiRemoto(const Comando& comando);
    // The code in the side's box as the operator would give it: the roster's row when it
    // holds the code, else the code as typed.
    void ScegliCodice(int lato, const QString& codice);
    void codeBoxChanged(int Index);
    // The roster row of a side whose code is `codice` (any case), or -1.
    int RigaDelCodice(int lato, const QString& codice) const;
    // A timeout granted without the question; the refusal's text otherwise.
    std::optional<QString> Timeout(int Index);
    const MappaTasti& Tasti() const { return tasti_; }
    void ImpostaTasti(const MappaTasti& tasti);
    const QString& CodiceInAttesa() const { return codiceInAttesa_; }
    Telecomando& Remoto() { return *telecomando_; }
    // Esc on the display: the console comes to the front, and a display full screen over the
    // console's own screen becomes a window again.
    void TabelloneEsc();
    SegueSchermo& Segue() { return *segui_; }
    // The display's zooma, with the caption of the button that undoes it.
    void Zooma(bool cosa);
    // Reads a match file; only a real match file replaces the running match.
    void CaricaPartita(const QString& percorso);
    QString PercorsoEmergenza() const;
    // At start, once: when the last run did not end through "Esci" and the emergency copy
    // holds a match under way, offers it back; a declined one goes to the backups.
    void RiprendiSeInterrotta();
    // Where a run marks itself as running; "Esci" removes the mark.
    QString PercorsoInUso() const;
    // Waits for the emergency copy on disk to hold the last change; false after `ms`.
    bool AttendiCopia(int ms = 5000);
    const ScrittoreFile& Copia() const { return *copia_; }
    Archivio& CopieDiSicurezza() { return *archivio_; }
    // Opens the backups folder.
    void openBackupsFolder();

    // The countdown window while it is open.
    CountdownWindow* Conteggio() { return countdown_.get(); }
    CacheImmagini& Loghi() { return loghi_; }
    Lettore& Audio() { return lettore_; }

    DisplayWindow& Tabellone() { return *display_; }
    // The live output: the console's change notice reaches it once per change.
    Diffusione& Live() { return *live_; }
    // Starts the live server with the stored port and LAN switch, or stops it (port 0);
    // a port that cannot be had is told once.
    void AvviaLive(quint16 porta, bool lan);
    Partita& Match() { return partita_; }
    const Modulo1& Modulo() const { return modulo_; }
    const GeometriaControlli& Geometria() const { return geometria_; }

    std::array<QPushButton*, 4> scoreButtons;
    QPushButton* exitButton;
    QPushButton* lockButton;
    QPushButton* statisticsButton;
    QPushButton* endStatisticsButton;
    QPushButton* leadingTeamButton;
    QPushButton* lastPointsButton;
    QPushButton* presentationButton;
    QPushButton* fullScreenButton;
    QPushButton* zoomInButton;
    QPushButton* saveMatchButton;
    QPushButton* loadMatchButton;
    QPushButton* newMatchButton;
    QPushButton* swapSidesButton;
    QPushButton* optionsButton;
    QPushButton* undoButton;
    QPushButton* refreshPreviewButton;
    QPushButton* zoomAllButton;
    QPushButton* zoomOutButton;
    std::array<QRadioButton*, 5> pointTypeButtons;
    QRadioButton* sidesSwappedMark;
    std::array<QListWidget*, 2> teamLists;
    std::array<QListWidget*, 2> rosterLists;
    QListWidget* historyList;
    QListWidget* statisticsList;
    QListWidget* statisticsChoiceList;
    std::array<QLineEdit*, 2> codeBoxes;
    std::array<QLabel*, 2> LabScore;
    std::array<QLabel*, 2> teamNameLabels;
    QLabel* teamChoiceCaption;
    std::array<QLabel*, 2> setsWonLabels;
    QLabel* historyCaption;
    std::array<QLabel*, 2> timeoutLabels;
    QLabel* statisticsCaption;
    QLabel* eventLight;
    QLabel* previewCaption;
    std::array<QLabel*, 2> timeoutIcons;
    std::array<QLabel*, 2> teamLogos;
    QLabel* previewImage;
    std::array<QLabel*, 2> smallTeamLogos;
    std::array<QLabel*, 2> savedTeamLogos;
    QLabel* previewCopy;

    QMenu* fileMenu;
    QAction* newMatchAction;
    QAction* saveMatchAction;
    QAction* loadMatchAction;
    QAction* soundsAction;
    QAction* teamEditorAction;
    QAction* sponsorAction;
    QAction* saveDisplayPositionAction;
    QMenu* statisticsMenu;
    QAction* matchStatisticsAction;
    std::array<QAction*, 5> setStatisticsActions; // menu1set .. menu5set
    QAction* lastPointsAction;
    QAction* presentationAction;
    QAction* exitAction;
    QMenu* optionsMenu;
    QMenu* languageMenu;
    std::vector<QAction*> languageActions;
    QMenu* helpMenu;
    QAction* aboutAction;
    QAction* emergencyCopyAction;
    QAction* backupsFolderAction;
    QAction* updatesAction;
    QAction* helpAction;
    QAction* sponsorHelpAction;
    QAction* teamHelpAction;
    QMenu* reportMenu;
    QAction* reportAction;
    QAction* keysAction;
    QAction* remoteAction;

    QTimer TimerAltezzaSponsor;
    QTimer TimerTabellone;
    QTimer TimerEsultanza;
    QTimer TimerStat;
    QTimer TimerFrames;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void CreaControlli();
    void CreaMenu();
    void Collega();
    void EnumeraControlli();
    void Didascalie();
    void Aggiorna();
    void Semaforo(bool animazione, const QString& testo = {});
    // Loads Languages.csv from the program folder and rebuilds the language menu.
    void CaricaLingue();
    // The picked athlete's photo, decoded ahead for the display.
    void PreparaFotoMarcatore(int lato);
    // Chooses the team named in a loaded file, when its list holds it.
    void ScegliDaFile(int lato, const QString& nome);
    void MostraLogo(int lato, const QImage& logo);
    void ApriConteggio(const QString& testo, bool cambioCampo);
    bool AbbandonaPartita(const char* domanda);
    bool SalvaPartita(const QString& percorso);
    // After every change the operator made, so a crash loses nothing. The copy is written on
    // a worker thread: the click hands the text over and goes on.
    void SalvaEmergenza();
    // Told once per run of failures.
    void CopiaNonScritta(const QString& percorso, const QString& motivo);
    // A backup of the running match, when points were played in it.
    void ConservaPartita();
    void CopiaSicurezzaNonScritta(const QString& cartella, const QString& motivo = {});
    int TipoPuntoSottolineato() const;
    void Zoom(bool piu);
    // A new or loaded match starts with home on the left (the operator may decline).
    void RipristinaVerso();
    // The band switched on again: normal orientation, proportional layout.
    void TabelloneNormale();
    QString OraAttuale() const;

    void Avviso(const QString& testo) override;
    void BloccaConsole() override;
    void AvviaLampeggio() override;
    void AvviaScorrimento() override;
    void ApriCambioCampo() override;
    void Esultanza(int tipoPunto) override;
    void FinePartita() override;
    void CodiceRifiutato(int lato) override;
    // Messages and windows a score click raises wait until both windows show its result and
    // the emergency copy holds it: the hall never sees a stale score behind a box, and a crash
    // while one is open loses nothing.
    void MostraRinviati();
    // The keys: the map, the pending code, Return and Tab as an operator expects them.
    bool TastoPremuto(QWidget* destinatario, const QKeyEvent& e);
    void MostraCodiceInAttesa();
    void OrdineTab();
    void AvviaTelecomando();

    Piattaforma& piattaforma_;
    Modulo1 modulo_;
    Lettore lettore_;
    Partita partita_;
    std::unique_ptr<DisplayWindow> display_;
    std::unique_ptr<CountdownWindow> countdown_;
    std::unique_ptr<Diffusione> live_;
    std::unique_ptr<Telecomando> telecomando_;
    std::unique_ptr<EmergencyCopyPlace> luogoCopia_;
    std::unique_ptr<ScrittoreFile> copia_;
    bool copiaInErrore_ = false;
    std::unique_ptr<Archivio> archivio_;
    std::unique_ptr<SegueSchermo> segui_;
    MappaTasti tasti_;
    QString codiceInAttesa_;
    std::optional<std::pair<quint16, bool>> liveAvviato_;
    QWidget* area_ = nullptr;
    int coloreCornice_ = 0;
    std::optional<bool> semaforoRosso_;
    // Logos are decoded on the side; each side shows its default until its own arrives.
    CacheImmagini loghi_;
    std::array<QString, 2> logoAtteso_;
    int passoStatistiche_ = 0;
    bool clickInCorso_ = false;
    // A remote action's messages wait for the next turn, after its answer has gone out.
    bool remotoInCorso_ = false;
    std::vector<std::function<void()>> rinviati_;
    // Zoom All: the next click magnifies (false) or returns to normal (true).
    bool ingrandito_ = false;
    Controlli controlli_;
    GeometriaControlli geometria_;
};
