#pragma once

#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

class Disco;
class ScrittoreFile;

// The backups folder: a copy of every match worth keeping, named by date, time and teams,
// the newest `Tenute` kept. Written on a worker thread, like the emergency copy.
class Archivio : public QObject {
    Q_OBJECT
public:
    static constexpr int Tenute = 100;

    Archivio(Disco& disco, QString cartella);
    ~Archivio() override;

    const QString& Cartella() const { return cartella_; }
    // Hands the match file's bytes over; nothing when there is no folder.
    void Conserva(const QByteArray& dati, const QDateTime& quando, const QString& casa,
                  const QString& ospiti);
    bool Attendi(int ms);

signals:
    // Once per run of failures.
    void Fallita(const QString& cartella, const QString& motivo);

private:
    QString cartella_;
    QSet<QString> nomi_;
    std::unique_ptr<ScrittoreFile> scrittore_;
};

// "2026-12-10 20-31-05 Lupi - Orsi.txt": sorts by time; characters a file name cannot hold
// on any system become "_".
QString NomeCopia(const QDateTime& quando, const QString& casa, const QString& ospiti);
// Removes the oldest backups beyond `tenute` (by name, which starts with the time).
void PotaCopie(const QString& cartella, int tenute);
