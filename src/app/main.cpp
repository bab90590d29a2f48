#include "console/ui/ConsoleWindow.h"
#include "platform/Piattaforma.h"
#include "platform/qt/AudioQt.h"
#include "platform/qt/Caratteri.h"
#include "platform/qt/DialoghiQt.h"
#include "platform/qt/IstanzaSingola.h"
#include "platform/qt/PiattaformaQt.h"
#include "platform/qt/ServerLiveQt.h"

#include "console/Avvio.h"
#include "report/ui/RigaDiComando.h"
#include "shared/DatiUtente.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QStringList argomenti;
    for (int i = 1; i < argc; ++i) {
        argomenti << QString::fromLocal8Bit(argv[i]);
    }
    if (ChiedeRigaDiComando(argomenti)) {
        if (const QString sconosciuto = LeggiArgomenti(argomenti).sconosciuto; !sconosciuto.isEmpty()) {
            QTextStream(stderr) << RifiutoArgomento(sconosciuto);
            return 2;
        }
        // No window: the report is drawn off screen, on a machine with or without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        RegistraCaratteri();
        CartelleQt cartelle;
        QTextStream uscita(stdout);
        QTextStream errori(stderr);
        return EseguiRigaDiComando(argomenti,
                                   DecidiCartellaDati(cartelle, CartellaProgramma(cartelle)),
                                   uscita, errori);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivanta"));
    QApplication::setOrganizationName(QStringLiteral("Brivanta"));

    CartelleQt cartelle;
    IstanzaSingola istanza({cartelle.Temporanea(), cartelle.Utente()}, IstanzaSingola::NomePerUtente());
    if (!istanza.Prima()) {
        return 0;
    }
    RegistraCaratteri();

    DialoghiQt dialoghi;
    ImpostazioniQt impostazioni;
    OrologioQt orologio;
    ShellQt shell;
    ProcessoQt processo;
    CanaleAudioQt audio;
    FinestreModaliQt modali;
    ServerLiveQt live;
    DiscoQt disco;
    Piattaforma piattaforma{dialoghi, impostazioni, cartelle, orologio, shell,
                            processo, audio,        modali,   live,     disco};

    ConsoleWindow console(piattaforma);
    dialoghi.ImpostaFinestraPrincipale(&console);
    QObject::connect(&istanza, &IstanzaSingola::Richiamata, &console, [&console] {
        console.showNormal();
        console.raise();
        console.activateWindow();
    });
    console.Form_Load();
    console.show();
    console.RiprendiSeInterrotta();
    return QApplication::exec();
}
