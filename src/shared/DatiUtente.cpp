#include "shared/DatiUtente.h"

#include "platform/Cartelle.h"
#include "shared/TestoFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const QString Tabella = QStringLiteral("Languages.csv");
// The shipped files already given to this user, one relative path a line.
const QString Ricevuti = QStringLiteral(".brivanta_ricevuti");
constexpr qint64 MassimoTabella = 4LL * 1024 * 1024;

QString Chiave(const QString& riga) {
    return riga.section(u';', 0, 0).trimmed().toUpper();
}

bool UnisciTabella(const QString& spedita, const QString& propria) {
    if (!QFileInfo::exists(propria)) {
        return CopiaFileIntero(spedita, propria);
    }
    const auto nuove = LeggiFileTesto(spedita, MassimoTabella);
    auto righe = LeggiFileTesto(propria, MassimoTabella);
    if (!nuove || !righe) {
        return false;
    }
    QSet<QString> chiavi;
    for (const QString& r : *righe) {
        chiavi.insert(Chiave(r));
    }
    while (!righe->isEmpty() && righe->last().trimmed().isEmpty()) {
        righe->removeLast();
    }
    const qsizetype prima = righe->size();
    for (const QString& r : *nuove) {
        if (!r.trimmed().isEmpty() && !chiavi.contains(Chiave(r))) {
            righe->append(r);
            chiavi.insert(Chiave(r));
        }
    }
    return righe->size() == prima || ScriviFileTesto(propria, *righe);
}

} // namespace

QString CartellaSpedita(const QString& programma) {
    if (QFileInfo::exists(QDir(programma).filePath(Tabella))) {
        return QDir::cleanPath(programma);
    }
    return QDir::cleanPath(QDir(programma).filePath(QStringLiteral("../share/brivanta")));
}

QString CartellaProgramma(const Cartelle& cartelle) {
    const QString programma = QDir::cleanPath(cartelle.Programma());
    const QString utente = cartelle.Utente();
    const QString spediti = CartellaSpedita(programma);
    // Installed: the data lives elsewhere, whether or not the user (root) could write here.
    const bool installato = spediti != programma && QFileInfo::exists(QDir(spediti).filePath(Tabella));
    if (utente.isEmpty() || (!installato && cartelle.ProgrammaScrivibile())) {
        return programma;
    }
    SeminaDatiUtente(spediti, utente);
    return QDir::cleanPath(utente);
}

bool SeminaDatiUtente(const QString& spediti, const QString& utente) {
    if (!QDir().mkpath(utente)) {
        return false;
    }
    const QDir da(spediti);
    const QDir a(utente);
    const QString elenco = a.filePath(Ricevuti);
    QStringList ricevuti;
    if (const auto righe = LeggiFileTesto(elenco, MassimoTabella)) {
        ricevuti = *righe;
    }
    const QSet<QString> gia(ricevuti.begin(), ricevuti.end());
    bool riuscito = true;
    QDirIterator file(spediti, QDir::Files, QDirIterator::Subdirectories);
    while (file.hasNext()) {
        const QString relativo = da.relativeFilePath(file.next());
        if (relativo == Tabella) {
            riuscito = UnisciTabella(file.filePath(), a.filePath(relativo)) && riuscito;
            continue;
        }
        if (gia.contains(relativo)) {
            continue;
        }
        const QString destinazione = a.filePath(relativo);
        if (!QFileInfo::exists(destinazione)) {
            const bool copiato = QDir().mkpath(QFileInfo(destinazione).path()) &&
                                 CopiaFileIntero(file.filePath(), destinazione);
            // An installed file is read-only; the user's copy is theirs to change.
            QFile::setPermissions(destinazione, QFile::permissions(destinazione) |
                                                    QFileDevice::WriteOwner);
            if (!copiato) {
                riuscito = false;
                continue;
            }
        }
        ricevuti.append(relativo);
    }
    if (ricevuti.size() != gia.size()) {
        riuscito = ScriviFileTesto(elenco, ricevuti) && riuscito;
    }
    return riuscito;
}
