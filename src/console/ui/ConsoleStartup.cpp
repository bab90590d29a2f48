#include "console/Avvio.h"
#include "control/Telecomando.h"
#include "shared/DatiUtente.h"
#include "teams/Squadre.h"
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "display/ui/SegueSchermo.h"
#include "platform/Cartelle.h"
#include "platform/Dialoghi.h"
#include "platform/Impostazioni.h"
#include "platform/Piattaforma.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

// The start-up sequence; it is also the reload-everything routine, so it must be safe to rerun.
// A match under way keeps its place in the match: set, history, partials and selection.
void ConsoleWindow::Form_Load() {
    const bool inCorso = !partita_.Storico.isEmpty();
    RegolePredefinite(partita_);
    if (modulo_.VersoTabellone == 0) {
        modulo_.VersoTabellone = 1;
    }
    modulo_.CartellaProgramma = CartellaProgramma(piattaforma_.cartelle);
    modulo_.CartellaDati = DecidiCartellaDati(piattaforma_.cartelle, modulo_.CartellaProgramma);
    const ValoriAvvio valori = LeggiImpostazioni(piattaforma_.impostazioni, modulo_);
    if (valori.IntervalloEsultanza) {
        TimerEsultanza.setInterval(*valori.IntervalloEsultanza);
    }

    ColoriPannello colori = display_->Colori();
    if (ApplicaSerial(modulo_.Serial, colori)) {
        display_->ApplicaColori(colori);
    }
    setWindowTitle(QStringLiteral("Brivanta : MATCH.txt"));
    display_->setWindowTitle(QStringLiteral("Brivanta"));
    TimerTabellone.setInterval(valori.IntervalloTabellone);
    languageActions[0]->setChecked(modulo_.Lingue.LinguaCorrente == QStringLiteral("ITA"));
    piattaforma_.dialoghi.ImpostaLingua(modulo_.Lingue.LinguaCorrente);
    partita_.PannelloAnimato = 0;
    partita_.ModoConteggio = 0;
    if (!inCorso) {
        partita_.Parziali = {};
    }

    display_->setWindowState(display_->windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    display_->move(0, 0);
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        move(schermo->geometry().x() + schermo->geometry().width() - frameGeometry().width(),
             schermo->geometry().y());
    }

    CaricaLingue();

    if (!inCorso) {
        partita_.SetCorrente = 1;
        partita_.Storico.clear();
        partita_.RigaSelezionata = -1;
    }
    partita_.EtichettaSet = EtichettaDelSet(partita_.SetCorrente, modulo_.Lingue);
    statisticsChoiceList->clear();
    for (const char* voce : {"Della partita", "1°SET", "2°SET", "3°SET", "4°SET", "5°SET"}) {
        statisticsChoiceList->addItem(modulo_.Traduci(QString::fromUtf8(voce)));
    }
    statisticsChoiceList->setCurrentRow(0);
    TimerStat.stop();
    partita_.Tabellone.Nome = {modulo_.Traduci(QStringLiteral("Locali")),
                               modulo_.Traduci(QStringLiteral("Ospiti"))};
    Didascalie();
    geometria_ = RegistraGeometria(InTwips(area_->size()), controlli_);
    partita_.Tabellone.Marcatore = {false, false};
    partita_.NomeSquadra = {QStringLiteral("Home"), QStringLiteral("Guests")};

    display_->show();
    const QString scelto = piattaforma_.impostazioni.Leggi(QStringLiteral("DisplayScreen"));
    segui_->ImpostaScelto(scelto);
    const bool salvata = valori.Top && valori.Left;
    // A TV beside the laptop, or the screen chosen in the options: the display opens there.
    if (!scelto.isEmpty() || (!salvata && QGuiApplication::screens().size() >= 2)) {
        segui_->Colloca();
    } else if (salvata) {
        QList<QRect> schermi;
        if (const QScreen* primo = QGuiApplication::primaryScreen()) {
            schermi.append(primo->geometry());
        }
        for (const QScreen* schermo : QGuiApplication::screens()) {
            schermi.append(schermo->geometry());
        }
        display_->move(PosizioneDisplay({TwipsInPixel(*valori.Left), TwipsInPixel(*valori.Top)},
                                      schermi));
        if (valori.SchermoIntero) {
            display_->showFullScreen();
            segui_->Ricorda();
        } else {
            display_->showMaximized();
        }
    }
    if (const auto squadre = ElencaSquadre(modulo_.CartellaDati)) {
        for (QListWidget* lista : teamLists) {
            lista->clear();
            lista->addItems(*squadre);
        }
    }
    tasti_ = MappaTasti::Leggi(piattaforma_.impostazioni);
    telecomando_->Sicurezza().ImpostaSegreto(SegretoRemoto(piattaforma_.impostazioni));
    AvviaLive(valori.PortaLive, valori.LanLive);
    Aggiorna();
}
