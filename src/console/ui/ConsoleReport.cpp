// The console's post-match pack.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "platform/Cartelle.h"
#include "platform/Dialoghi.h"
#include "platform/Orologio.h"
#include "platform/Piattaforma.h"
#include "platform/Shell.h"
#include "report/Rapporto.h"
#include "report/ui/Pacchetto.h"

#include <QDir>
#include <QFileInfo>

void ConsoleWindow::writeReport() {
    auto& dialoghi = piattaforma_.dialoghi;
    auto t = [this](const char* testo) { return modulo_.Traduci(QString::fromUtf8(testo)); };
    if (partita_.Storico.isEmpty()) {
        dialoghi.Messaggio(t("La partita non è ancora iniziata"), Pulsanti::Ok);
        return;
    }
    const QString cartella =
        dialoghi.ScegliCartella(t("Cartella del report della partita"), piattaforma_.cartelle.Documenti());
    if (cartella.isEmpty()) {
        return;
    }
    const bool esiste = std::any_of(NomiPacchetto.begin(), NomiPacchetto.end(), [&](const QString& nome) {
        return QFileInfo::exists(QDir(cartella).filePath(nome));
    });
    if (esiste && dialoghi.Messaggio(t("In questa cartella c'è già un report: vuoi sostituirlo?") +
                                         QStringLiteral("\n") + cartella,
                                     Pulsanti::SiNo, Predefinito::Rinuncia) == Risposta::No) {
        return;
    }
    const Rapporto rapporto =
        CostruisciRapporto(partita_, piattaforma_.orologio.Adesso().date(), modulo_.Lingue);
    const QString errore = ScriviPacchetto(
        cartella, PreparaPacchetto(partita_, rapporto, modulo_.Lingue, display_->Colori(), modulo_.CartellaDati));
    if (!errore.isEmpty()) {
        dialoghi.Messaggio(t("Impossibile scrivere il report:") + QStringLiteral("\n") + errore,
                           Pulsanti::Ok);
        return;
    }
    piattaforma_.shell.Apri(cartella);
}
