#pragma once

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>
#include <optional>

// A picture decoded no larger than it will be shown, from a source of bounded size.
// A null image when the file is missing, is not a picture or is absurdly large.
QImage DecodificaImmagine(const QString& percorso, int larghezza);

enum class Conversione { Riuscita, NonEImmagine, ScritturaFallita };

// Re-encodes any readable picture as a JPEG at destinazione, replacing it whole or not at all:
// nothing is written when the source is not a usable picture or the disk refuses.
Conversione ConvertiImmagine(const QString& sorgente, const QString& destinazione);

// Pictures decoded ahead of the moment they are shown, off the user-interface thread.
// Everything but the decoding itself happens on the thread that owns the cache.
class CacheImmagini : public QObject {
    Q_OBJECT
public:
    // Decoded pictures are kept up to `memoria` bytes, the least recently used going first.
    explicit CacheImmagini(qint64 memoria = 256LL * 1024 * 1024);
    ~CacheImmagini() override;

    // Already decoded (possibly null: a failed picture), or nothing yet.
    std::optional<QImage> Pronta(const QString& percorso, int larghezza) const;
    // Decoded now when not ready: for the moment a picture is needed and was not foreseen.
    QImage Immagine(const QString& percorso, int larghezza);
    void Prepara(const QString& percorso, int larghezza);
    // Forgets what is queued and not yet started: a new size or a new team.
    void Annulla();
    // Waits for the queued decodes and takes their results in.
    void Attendi();
    // Forgets every picture: the files may have changed.
    void Svuota();

signals:
    void ImmaginePronta(const QString& percorso, int larghezza);

private:
    void Conserva(const QString& chiave, const QImage& immagine);

    QThreadPool pool_;
    QCache<QString, QImage> pronte_;
    QSet<QString> fallite_;
    QSet<QString> inCorso_;
};
