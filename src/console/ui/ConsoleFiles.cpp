// The console's match file commands: save, load, and the emergency copy.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "match/FilePartita.h"
#include "platform/Cartelle.h"
#include "platform/Dialoghi.h"
#include "platform/Orologio.h"
#include "platform/Piattaforma.h"
#include "shared/DialogoSalva.h"
#include "match/Archivio.h"
#include "platform/Shell.h"
#include "shared/ScrittoreFile.h"
#include "shared/TestoFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// A match of five long sets is a few kilobytes; a file this big is not a match file.
constexpr qint64 DimensioneMassima = 64LL * 1024 * 1024;
} // namespace

QString ConsoleWindow::PercorsoEmergenza() const {
    return luogoCopia_->copyPath();
}

bool ConsoleWindow::SalvaPartita(const QString& percorso) {
    return ScriviFileTesto(percorso, RigheFilePartita(partita_, piattaforma_.orologio.Adesso(),
                                                      modulo_.Lingue));
}

void ConsoleWindow::SalvaEmergenza() {
    copia_->Consegna(PercorsoEmergenza(),
                     CodificaRighe(RigheFilePartita(partita_, piattaforma_.orologio.Adesso(),
                                                    modulo_.Lingue)));
}

QString ConsoleWindow::PercorsoInUso() const {
    return luogoCopia_->markerPath();
}

void ConsoleWindow::RiprendiSeInterrotta() {
    if (const QString& motivo = luogoCopia_->temporaryRefusal(); !motivo.isEmpty()) {
        piattaforma_.dialoghi.Messaggio(
            modulo_.Traduci(QStringLiteral("La cartella temporanea non può essere scritta: la copia di "
                                           "emergenza della partita va nella cartella:")) +
                u' ' + QDir::toNativeSeparators(luogoCopia_->folder()) + QStringLiteral("\n\n") +
                QDir::toNativeSeparators(luogoCopia_->temporaryFolder()) + QStringLiteral(": ") + motivo,
            Pulsanti::Ok);
    }
    // An earlier run may have kept its copy in the other folder.
    bool interrotta = false;
    QString copia;
    std::optional<QStringList> righe;
    std::optional<std::array<QString, 2>> squadre;
    for (const QString& cartella : luogoCopia_->foldersToSearch()) {
        const QDir dir(cartella);
        interrotta = interrotta || QFileInfo::exists(dir.filePath(QFileInfo(PercorsoInUso()).fileName()));
        const QString percorso = dir.filePath(QFileInfo(PercorsoEmergenza()).fileName());
        auto lette = LeggiFileTesto(percorso, DimensioneMassima);
        const auto file = lette ? LeggiFilePartita(*lette) : std::nullopt;
        auto daRiprendere = file ? PartitaDaRiprendere(*file, modulo_.Lingue) : std::nullopt;
        if (daRiprendere && (copia.isEmpty() || QFileInfo(percorso).lastModified() > QFileInfo(copia).lastModified())) {
            copia = percorso;
            righe = std::move(lette);
            squadre = std::move(daRiprendere);
        }
    }
    QFile segno(PercorsoInUso());
    if (segno.open(QIODevice::WriteOnly)) {
        segno.close();
    }
    if (!interrotta || !squadre) {
        return;
    }
    const QString domanda =
        modulo_.Traduci(QStringLiteral("Brivanta non è stato chiuso con <Esci> e una partita era "
                                       "in corso. Vuoi riprenderla?")) +
        QStringLiteral("\n\n") + (*squadre)[0] + QStringLiteral(" - ") + (*squadre)[1] +
        QStringLiteral("\n") +
        QFileInfo(copia).lastModified().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    if (piattaforma_.dialoghi.Messaggio(domanda, Pulsanti::SiNo) == Risposta::Si) {
        CaricaPartita(copia);
        return;
    }
    archivio_->Conserva(CodificaRighe(*righe), piattaforma_.orologio.Adesso(), (*squadre)[0],
                        (*squadre)[1]);
}

bool ConsoleWindow::AttendiCopia(int ms) {
    return copia_->Attendi(ms);
}

void ConsoleWindow::CopiaNonScritta(const QString& percorso, const QString& motivo) {
    if (copiaInErrore_) {
        return;
    }
    copiaInErrore_ = true;
    piattaforma_.dialoghi.Messaggio(
        modulo_.Traduci(QStringLiteral(
            "La copia di emergenza della partita non può essere scritta (disco pieno o cartella "
            "temporanea non scrivibile). Puoi continuare: la copia riprende appena possibile.")) +
            QStringLiteral("\n\n") + QDir::toNativeSeparators(QFileInfo(percorso).absolutePath()) +
            QStringLiteral(": ") + motivo,
        Pulsanti::Ok);
}

void ConsoleWindow::saveMatch() {
    auto& dialoghi = piattaforma_.dialoghi;
    auto t = [this](const char* testo) { return modulo_.Traduci(QString::fromUtf8(testo)); };
    if (partita_.Storico.isEmpty()) {
        dialoghi.Messaggio(t("La partita non è ancora iniziata"), Pulsanti::Ok);
        return;
    }
    const SceltaSalva scelta = DialogoSalva(dialoghi, QStringLiteral("Brivanta (*.txt)"),
                                            modulo_.CartellaDati, QStringLiteral("Save File"),
                                            QString());
    if (!scelta.SceltaFatta) {
        dialoghi.Messaggio(t("Non hai selezionato nessun file, operazione annullata"),
                           Pulsanti::Ok);
        return;
    }
    QString percorso = scelta.FileScelto;
    if (!percorso.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) {
        percorso += QStringLiteral(".txt");
    }
    if (QFileInfo::exists(percorso) &&
        dialoghi.Messaggio(t("Il file") + QStringLiteral(" :") + percorso + QStringLiteral(" ") +
                               t("esiste già. Vuoi sovrascrivere questa partita?"),
                           Pulsanti::SiNo, Predefinito::Rinuncia) == Risposta::No) {
        return;
    }
    if (!SalvaPartita(percorso)) {
        dialoghi.Messaggio(t("Non è stato possibile salvare la partita nel file") +
                               QStringLiteral(" : ") + percorso,
                           Pulsanti::Ok);
        return;
    }
    setWindowTitle(QStringLiteral("Brivanta : ") + NomeFile(percorso).toUpper());
    ConservaPartita();
}

void ConsoleWindow::ConservaPartita() {
    if (!PartitaInCorso(partita_)) {
        return;
    }
    const QDateTime adesso = piattaforma_.orologio.Adesso();
    archivio_->Conserva(CodificaRighe(RigheFilePartita(partita_, adesso, modulo_.Lingue)), adesso,
                        partita_.NomeSquadra[0], partita_.NomeSquadra[1]);
}

void ConsoleWindow::openBackupsFolder() {
    const QString cartella = archivio_->Cartella();
    if (cartella.isEmpty() || !QDir().mkpath(cartella)) {
        CopiaSicurezzaNonScritta(cartella);
        return;
    }
    piattaforma_.shell.Apri(cartella);
}

void ConsoleWindow::CopiaSicurezzaNonScritta(const QString& cartella, const QString& motivo) {
    piattaforma_.dialoghi.Messaggio(
        modulo_.Traduci(
            QStringLiteral("Non è stato possibile scrivere la copia di sicurezza nella cartella:")) +
            u' ' + cartella + (motivo.isEmpty() ? QString() : QStringLiteral(" (") + motivo + u')'),
        Pulsanti::Ok);
}


void ConsoleWindow::loadMatch() {
    auto& dialoghi = piattaforma_.dialoghi;
    if (!partita_.Storico.isEmpty() &&
        dialoghi.Messaggio(modulo_.Traduci(QStringLiteral(
                               "Una partita di Brivanta è già in corso, desideri abbandonarla e "
                               "caricare un'altra partita?")),
                           Pulsanti::SiNo, Predefinito::Rinuncia) == Risposta::No) {
        return;
    }
    const QString percorso =
        dialoghi.ApriFile(modulo_.Traduci(QStringLiteral("File TXT")), modulo_.CartellaDati,
                          QStringLiteral("File di partita TXT (*.txt *.TXT)"));
    if (!percorso.isEmpty()) {
        CaricaPartita(percorso);
    }
}

void ConsoleWindow::loadMatchFromButton() {
    RipristinaVerso();
    loadMatch();
}

void ConsoleWindow::loadEmergencyCopy() {
    auto& dialoghi = piattaforma_.dialoghi;
    const QFileInfo copia(PercorsoEmergenza());
    if (!copia.exists()) {
        dialoghi.Messaggio(modulo_.Traduci(QStringLiteral(
                               "Attensione non è ancora stata salvata nessuna partita nella "
                               "cartella dei files temporanei.")),
                           Pulsanti::Ok);
        return;
    }
    const QString domanda =
        modulo_.Traduci(QStringLiteral(
            "Attenzione questa procedura di emergenza carica una partita contenuta nella cartella "
            "dei file temporanei di Windows, non è garantita la risoluzione del problema ma in "
            "caso di necessità è possibile tentare di caricare un file di partita salvato il : ")) +
        QStringLiteral("\n") +
        copia.lastModified().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) +
        QStringLiteral("\n\n");
    if (dialoghi.Messaggio(domanda, Pulsanti::SiNo) == Risposta::No) {
        return;
    }
    CaricaPartita(copia.filePath());
}

void ConsoleWindow::CaricaPartita(const QString& percorso) {
    const auto righe = LeggiFileTesto(percorso, DimensioneMassima);
    if (!righe) {
        return;
    }
    const auto file = LeggiFilePartita(*righe);
    if (!file) {
        piattaforma_.dialoghi.Messaggio(
            modulo_.Traduci(
                QStringLiteral("Questo file di testo non è relativo ad una partita di Brivanta")),
            Pulsanti::Ok);
        return;
    }
    setWindowTitle(QStringLiteral("Brivanta : ") + NomeFile(percorso).toUpper());
    // The match this file replaces stays among the backups.
    ConservaPartita();
    const auto squadre = ApplicaFilePartita(partita_, *file, modulo_.Lingue);
    for (int lato = 0; lato < 2; ++lato) {
        ScegliDaFile(lato, squadre[lato]);
    }
    if (partita_.Tabellone.Marcatore[0] || partita_.Tabellone.Marcatore[1]) {
        TimerFrames.start();
    }
    if (partita_.PartitaFinita != 0) {
        FinePartita();
    }
    // The loaded match is now the one a crash must not lose.
    SalvaEmergenza();
    Aggiorna();
}
