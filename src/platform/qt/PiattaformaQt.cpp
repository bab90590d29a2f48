#include "platform/qt/PiattaformaQt.h"

#include "shared/TestoFile.h"

#include <QApplication>
#include <QDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

#include <cstdlib>

ImpostazioniQt::ImpostazioniQt() : settings_(QStringLiteral("Brivanta"), QStringLiteral("Brivanta")) {
    ProteggiSegreto();
}

QString ImpostazioniQt::Leggi(const QString& chiave) const {
    return settings_.value(QStringLiteral("Startup/") + chiave).toString();
}

void ImpostazioniQt::Scrivi(const QString& chiave, const QString& valore) {
    settings_.setValue(QStringLiteral("Startup/") + chiave, valore);
    if (chiave == QStringLiteral("HubToken")) {
        settings_.sync();
        ProteggiSegreto();
    }
}

// The remote's secret lets anyone score: while the file holds it, other users of the machine
// may not read it. The settings are rewritten in place, so the file keeps these permissions.
void ImpostazioniQt::ProteggiSegreto() {
    if (!Leggi(QStringLiteral("HubToken")).isEmpty() && QFile::exists(settings_.fileName())) {
        QFile::setPermissions(settings_.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

QString CartelleQt::Documenti() const {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString CartelleQt::Programma() const {
    return QCoreApplication::applicationDirPath();
}

QString CartelleQt::Temporanea() const {
    const QString temp = qEnvironmentVariable("TEMP");
    return temp.isEmpty() ? QDir::tempPath() : temp;
}

// ~/.local/share/Brivanta, %LOCALAPPDATA%/Brivanta: one folder per user, beside other programs'.
QString CartelleQt::Utente() const {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? QString() : QDir(base).filePath(QStringLiteral("Brivanta"));
}

// Tried, not read from the permissions: root may write where the bits say no, a read-only
// mount refuses even root.
bool CartelleQt::ProgrammaScrivibile() const {
    QTemporaryFile prova(QDir(Programma()).filePath(QStringLiteral(".brivanta_prova_XXXXXX")));
    return prova.open();
}

bool ShellQt::Apri(const QString& percorsoOIndirizzo) {
    const QUrl url = QFileInfo::exists(percorsoOIndirizzo)
                         ? QUrl::fromLocalFile(percorsoOIndirizzo)
                         : QUrl(percorsoOIndirizzo);
    return QDesktopServices::openUrl(url);
}

void ProcessoQt::Termina() {
    // At once: no close events, so the windows that refuse closing cannot hold the exit.
    std::_Exit(0);
}

void FinestreModaliQt::Mostra(QDialog& finestra) {
    finestra.exec();
}

bool DiscoQt::Scrivi(const QString& percorso, const QByteArray& dati, QString& motivo) {
    return ScriviFileIntero(percorso, dati, &motivo);
}

bool FinestreModaliQt::Aperta() const {
    return QApplication::activeModalWidget() != nullptr;
}
