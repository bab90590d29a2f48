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
                              conteggio ? countdown_->Label1->text() : QString()},
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
    Text1[0]->setFocus();
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
    for (QPushButton* b : Command1) con(b);
    for (QPushButton* b : {Command2, Command3, Command4, Command5, Command6, Command7, Command8,
                           Command9, Command10, Command11, Command12, Command13, Command14,
                           Command15, Command16, Command17, Command18, Command19}) {
        con(b);
    }
    for (QRadioButton* o : Option2) con(o);
    con(Option1);
    for (QListWidget* l : List1) con(l);
    for (QListWidget* l : List2) con(l);
    con(List3);
    con(List4);
    con(List5);
    for (QLineEdit* t : Text1) con(t);
    for (QLabel* e : LabScore) con(e);
    for (QLabel* e : Label1) con(e);
    con(Label2);
    for (QLabel* e : Label3) con(e);
    con(Label4);
    for (QLabel* e : Label5) con(e);
    for (QLabel* e : {Label6, Label7, Label8}) con(e);
    for (QLabel* e : Image1) senza(e);
    for (QLabel* e : Image2) senza(e);
    senza(Image3);
    for (QLabel* e : Picture1) senza(e);
    for (QLabel* e : PictureSalva) senza(e);
    senza(PictureCopy0);
    for (QObject* m : std::initializer_list<QObject*>{
             menufile, menunew, MenuSalva, MenuC, MenuSound, menugest, MenuSponsor, MenuSIR,
             menust, menuspartita}) {
        senza(m);
    }
    for (QAction* m : menuNset) senza(m);
    for (QObject* m : std::initializer_list<QObject*>{Menu5p, MenuPresent, menuesci, MenuOPZ,
                                                      ManuLn, MenuLN[0], MenuH1, menuinfo,
                                                      MenuCPEM, MenuAgg, MenuH, MenuHGSPO,
                                                      MenuHGS}) {
        senza(m);
    }
    for (QTimer* t : {&TimerAltezzaSponsor, &TimerTabellone, &TimerEsultanza, &TimerStat,
                      &TimerFrames}) {
        senza(t);
    }
}

void ConsoleWindow::Collega() {
    for (int i = 0; i < 4; ++i) {
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(List1[i], &QListWidget::itemDoubleClicked, this, [this, i] { List1_DblClick(i); });
        connect(List2[i], &QListWidget::itemClicked, this, [this, i] { List2_Click(i); });
        // A double-click arrives after the click of its first press: only the score is left.
        connect(List2[i], &QListWidget::itemDoubleClicked, this, [this, i] { List2_DblClick(i); });
    }
    for (int i = 0; i < 5; ++i) {
        connect(Option2[i], &QRadioButton::clicked, this, [this, i] { Option2_Click(i); });
    }
    connect(&TimerAltezzaSponsor, &QTimer::timeout, this, [this] { TimerAltezzaSponsor_Timer(); });
    connect(&TimerTabellone, &QTimer::timeout, this, [this] { TimerTabellone_Timer(); });
    connect(&TimerFrames, &QTimer::timeout, this, [this] { TimerFrames_Timer(); });
    connect(Command17, &QPushButton::clicked, this, [this] { Command17_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(MenuPresent, &QAction::triggered, this, [this] { Command8_Click(); });
    connect(MenuSound, &QAction::triggered, this, [this] { MenuSound_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(Menu5p, &QAction::triggered, this, [this] { Command7_Click(); });
    connect(List5, &QListWidget::itemDoubleClicked, this, [this] { List5_DblClick(); });
    connect(&TimerStat, &QTimer::timeout, this, [this] { TimerStat_Timer(); });
    connect(menuspartita, &QAction::triggered, this, [this] {
        List5->setCurrentRow(0);
        Command4_Click();
    });
    for (int i = 0; i < 5; ++i) {
        connect(menuNset[i], &QAction::triggered, this, [this, i] {
            List5->setCurrentRow(i + 1);
            Command4_Click();
        });
    }
    connect(&TimerEsultanza, &QTimer::timeout, this, [this] { TimerEsultanza_Timer(); });
    connect(List3, &QListWidget::itemDoubleClicked, this, [this] { List3_DblClick(); });
    connect(Command16, &QPushButton::clicked, this, [this] { Command16_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command13, &QPushButton::clicked, this, [this] { Command13_Click(); });
    connect(Command15, &QPushButton::clicked, this, [this] { Command15_Click(); });
    connect(menunew, &QAction::triggered, this, [this] { menunew_Click(); });
    connect(MenuLN[0], &QAction::triggered, this, [this] { MenuLN_Click(0); });
    connect(menuesci, &QAction::triggered, this, [this] { menuesci_Click(); });
    connect(Command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
    connect(Command12, &QPushButton::clicked, this, [this] { Command12_Click(); });
    connect(MenuSponsor, &QAction::triggered, this, [this] { MenuSponsor_Click(); });
    connect(MenuH, &QAction::triggered, this, [this] { MenuH_Click(); });
    connect(MenuHGS, &QAction::triggered, this, [this] { MenuHGS_Click(); });
    connect(MenuHGSPO, &QAction::triggered, this, [this] { MenuHGSPO_Click(); });
    connect(menuinfo, &QAction::triggered, this, [this] { menuinfo_Click(); });
    connect(MenuAgg, &QAction::triggered, this, [this] { MenuAgg_Click(); });
    connect(menugest, &QAction::triggered, this, [this] { menugest_Click(); });
    connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
    connect(MenuSIR, &QAction::triggered, this, [this] { MenuSIR_Click(); });
    connect(Command10, &QPushButton::clicked, this, [this] { Command10_Click(); });
    connect(Command19, &QPushButton::clicked, this, [this] { Command19_Click(); });
    connect(Command18, &QPushButton::clicked, this, [this] { Command18_Click(); });
    connect(Command14, &QPushButton::clicked, this, [this] { Command14_Click(); });
    connect(MenuSalva, &QAction::triggered, this, [this] { MenuSalva_Click(); });
    connect(MenuC, &QAction::triggered, this, [this] { MenuC_Click(); });
    connect(MenuCPEM, &QAction::triggered, this, [this] { MenuCPEM_Click(); });
    connect(MenuReport, &QAction::triggered, this, [this] { MenuReport_Click(); });
    connect(MenuBackup, &QAction::triggered, this, [this] { MenuBackup_Click(); });
    connect(MenuTasti, &QAction::triggered, this, [this] { MenuTasti_Click(); });
    connect(MenuRemoto, &QAction::triggered, this, [this] { MenuRemoto_Click(); });
    for (int i = 0; i < 2; ++i) {
        Image1[i]->installEventFilter(this);
        Image2[i]->installEventFilter(this);
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
        if (oggetto == Image1[i] && Image1[i]->isEnabled()) {
            Image1_DblClick(i);
            return true;
        }
        if (oggetto == Image2[i]) {
            Image2_DblClick(i);
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
        if (Option2[i]->font().underline()) {
            return i;
        }
    }
    return 0;
}

void ConsoleWindow::Option2_Click(int Index) {
    for (int i = 0; i < 5; ++i) {
        QFont f = Option2[i]->font();
        f.setUnderline(i == Index);
        Option2[i]->setFont(f);
    }
    Option2[Index]->setChecked(true);
}

QString ConsoleWindow::OraAttuale() const {
    return piattaforma_.orologio.Adesso().time().toString(QStringLiteral("HH:mm:ss"));
}

void ConsoleWindow::Command1_Click(int Index) {
    RichiestaPunto r;
    r.Index = Index;
    r.Codice = Text1[Index <= 1 ? 0 : 1]->text();
    r.TipoPunto = TipoPuntoSottolineato();
    r.Ora = OraAttuale();
    for (int i = 0; i < 5; ++i) {
        r.DidascalieTipo[i] = Option2[i]->text();
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
                MenuReport_Click();
            }
        });
    }
    if (segnato) {
        Option2_Click(0);
        List2[Index <= 1 ? 0 : 1]->setCurrentRow(0);
        Text1[0]->clear();
        Text1[1]->clear();
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
    Command17_Click();
}

void ConsoleWindow::Command17_Click() {
    CopiaTabellone(*display_, *Image3);
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
        Label7->setStyleSheet(QStringLiteral("background-color:rgb(%1,%2,%3);color:white;")
                                  .arg(c.r)
                                  .arg(c.g)
                                  .arg(c.b));
    }
    if (!animazione || !testo.isEmpty()) {
        Label7->setText(testo);
    }
}

void ConsoleWindow::Aggiorna() {
    for (int i = 0; i < 2; ++i) {
        LabScore[i]->setText(QString::number(partita_.Punti[i]));
        Label3[i]->setText(QString::number(partita_.SetVinti[i]));
        Label5[i]->setText(QString::number(partita_.TimeChiesti[i]));
        Label1[i]->setText(partita_.NomeSquadra[i]);
        List2[i]->setEnabled(partita_.PunteggioAttivo);
        Image1[i]->setEnabled(partita_.TimeoutAttivi);
        List1[i]->setEnabled(!partita_.Bloccata);
    }
    for (QPushButton* b : Command1) {
        b->setEnabled(partita_.PunteggioAttivo);
    }
    Command16->setEnabled(partita_.UndoAttivo);
    Command5->setEnabled(partita_.StatisticheFinaliAttive);
    Command8->setEnabled(partita_.PresentazioneAttiva);
    Command3->setText(modulo_.Traduci(partita_.Bloccata ? QStringLiteral("Sblocca")
                                                        : QStringLiteral("Blocca")));
    Command2->setEnabled(!partita_.Bloccata);
    menufile->menuAction()->setEnabled(!partita_.Bloccata);
    MenuOPZ->menuAction()->setEnabled(!partita_.Bloccata);

    const auto& storico = partita_.Storico;
    const bool prefissoUguale = List3->count() <= storico.size() &&
                                (List3->count() == 0 ||
                                 List3->item(List3->count() - 1)->text() ==
                                     storico[List3->count() - 1]);
    if (!prefissoUguale) {
        List3->clear();
    }
    for (qsizetype i = List3->count(); i < storico.size(); ++i) {
        List3->addItem(storico[i]);
    }
    List3->setCurrentRow(partita_.RigaSelezionata);
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
    Text1[lato]->clear();
    List2[lato]->setCurrentRow(0);
}

void ConsoleWindow::BloccaConsole() {
    Command3_Click();
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
