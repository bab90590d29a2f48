#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class Disco;

// Writes files on its own thread, so a slow or full disk never holds the console. A file
// handed over again before it was written is written once, with its newest text. A failed
// write is retried until it succeeds or newer text replaces it.
class ScrittoreFile : public QObject {
    Q_OBJECT
public:
    explicit ScrittoreFile(Disco& disco, int ritentaMs = 1000);
    // Writes what is pending, for at most a second, then stops.
    ~ScrittoreFile() override;

    // Returns at once; `dopo` runs on the worker after the file is written.
    void Consegna(const QString& percorso, const QByteArray& dati,
                  std::function<void()> dopo = {});
    // Waits until everything handed over is written; false when `ms` passed first.
    bool Attendi(int ms);
    // Hand-overs counted from 1, and the last one written; on one file they say how fresh
    // the file on disk is.
    qint64 Consegnate() const;
    qint64 Scritte() const;

signals:
    // From the worker: the first failure of a run of failures, and the success that ends it.
    void Fallita(const QString& percorso, const QString& motivo);
    void Ripresa();
    // From the worker: a file is on disk (see Scritte()).
    void Scritta();

private:
    struct Lavoro {
        QString percorso;
        QByteArray dati;
        std::function<void()> dopo;
        qint64 numero = 0;
    };
    void Ciclo();

    Disco& disco_;
    const int ritentaMs_;
    mutable std::mutex mutex_;
    std::condition_variable cambiato_;
    std::deque<Lavoro> coda_;
    bool inVolo_ = false;
    bool ferma_ = false;
    bool inErrore_ = false;
    qint64 consegnate_ = 0;
    qint64 scritte_ = 0;
    std::thread lavoratore_;
};
