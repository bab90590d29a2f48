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
    void Command1_Click(int Index);
    void Command3_Click();
    void Option2_Click(int Index);
    void TimerAltezzaSponsor_Timer();
    void TimerTabellone_Timer();
    void TimerFrames_Timer();
    void Command17_Click();
    // The rollback and Undo ask first, except for the remote, whose page asked.
    void List3_DblClick(bool chiedi = true);
    void Command16_Click(bool chiedi = true);
    void Image1_DblClick(int Index);
    void menunew_Click();
    void Command13_Click();
    void Command15_Click();
    void Command2_Click();
    void menuesci_Click();
    void MenuSalva_Click();
    void Command11_Click();
    void MenuC_Click();
    void Command12_Click();
    void MenuCPEM_Click();
    void dbclicca(int lato);
    void MenuLN_Click(int Index);
    void Command8_Click();
    void Command4_Click();
    void Command5_Click();
    void List5_DblClick();
    void TimerStat_Timer();
    void Command6_Click();
    void Command7_Click();
    void Image2_DblClick(int Index);
    void MenuSound_Click();
    void TimerEsultanza_Timer();
    void List1_DblClick(int Index);
    void List2_Click(int Index);
    void List2_DblClick(int Index);
    void MenuSponsor_Click();
    void MenuH_Click();
    void MenuHGS_Click();
    void MenuHGSPO_Click();
    void menuinfo_Click();
    void MenuAgg_Click();
    void menugest_Click();
    void Command9_Click();
    void MenuSIR_Click();
    void Command10_Click();
    void Command19_Click();
    void Command18_Click();
    void Command14_Click();
    // The post-match pack: report.pdf, play-by-play.csv and result.png in a chosen folder.
    void MenuReport_Click();
    // The key map and the remote's secret.
    void MenuTasti_Click();
    void MenuRemoto_Click();
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
    void Text1_Change(int Index);
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
    void MenuBackup_Click();

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

    std::array<QPushButton*, 4> Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command7;
    QPushButton* Command8;
    QPushButton* Command9;
    QPushButton* Command10;
    QPushButton* Command11;
    QPushButton* Command12;
    QPushButton* Command13;
    QPushButton* Command14;
    QPushButton* Command15;
    QPushButton* Command16;
    QPushButton* Command17;
    QPushButton* Command18;
    QPushButton* Command19;
    std::array<QRadioButton*, 5> Option2;
    QRadioButton* Option1;
    std::array<QListWidget*, 2> List1;
    std::array<QListWidget*, 2> List2;
    QListWidget* List3;
    QListWidget* List4;
    QListWidget* List5;
    std::array<QLineEdit*, 2> Text1;
    std::array<QLabel*, 2> LabScore;
    std::array<QLabel*, 2> Label1;
    QLabel* Label2;
    std::array<QLabel*, 2> Label3;
    QLabel* Label4;
    std::array<QLabel*, 2> Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    std::array<QLabel*, 2> Image1;
    std::array<QLabel*, 2> Image2;
    QLabel* Image3;
    std::array<QLabel*, 2> Picture1;
    std::array<QLabel*, 2> PictureSalva;
    QLabel* PictureCopy0;

    QMenu* menufile;
    QAction* menunew;
    QAction* MenuSalva;
    QAction* MenuC;
    QAction* MenuSound;
    QAction* menugest;
    QAction* MenuSponsor;
    QAction* MenuSIR;
    QMenu* menust;
    QAction* menuspartita;
    std::array<QAction*, 5> menuNset; // menu1set .. menu5set
    QAction* Menu5p;
    QAction* MenuPresent;
    QAction* menuesci;
    QMenu* MenuOPZ;
    QMenu* ManuLn;
    std::vector<QAction*> MenuLN;
    QMenu* MenuH1;
    QAction* menuinfo;
    QAction* MenuCPEM;
    QAction* MenuBackup;
    QAction* MenuAgg;
    QAction* MenuH;
    QAction* MenuHGSPO;
    QAction* MenuHGS;
    QMenu* MenuRep;
    QAction* MenuReport;
    QAction* MenuTasti;
    QAction* MenuRemoto;

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
