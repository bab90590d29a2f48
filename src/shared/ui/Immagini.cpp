#include "shared/ui/Immagini.h"

#include "shared/TestoFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QBuffer>

namespace {

// Any real photo or logo fits; a 30000 x 30000 "picture" would freeze the display.
constexpr qint64 PixelMassimi = 64LL * 1000 * 1000;
constexpr int LatoMassimo = 16000;

// A picture replaced on disk (in the team editor, the sponsor manager) is another picture:
// its size and time are in the key, so it is decoded afresh at its next use.
QString Chiave(const QString& percorso, int larghezza) {
    const QFileInfo file(percorso);
    return QString::number(larghezza) + QLatin1Char('|') + QString::number(file.size()) +
           QLatin1Char('|') + QString::number(file.lastModified().toMSecsSinceEpoch()) +
           QLatin1Char('|') + percorso;
}

} // namespace

QImage DecodificaImmagine(const QString& percorso, int larghezza) {
    QImageReader lettore(percorso);
    lettore.setAutoTransform(true);
    const QSize sorgente = lettore.size();
    if (!sorgente.isValid() || sorgente.width() > LatoMassimo ||
        sorgente.height() > LatoMassimo ||
        static_cast<qint64>(sorgente.width()) * sorgente.height() > PixelMassimi) {
        return {};
    }
    if (larghezza > 0 && larghezza < sorgente.width()) {
        lettore.setScaledSize(
            QSize(larghezza, std::max(1, sorgente.height() * larghezza / sorgente.width())));
    }
    return lettore.read();
}

Conversione ConvertiImmagine(const QString& sorgente, const QString& destinazione) {
    QImage immagine = DecodificaImmagine(sorgente.trimmed(), 0);
    if (immagine.isNull()) {
        return Conversione::NonEImmagine;
    }
    if (immagine.hasAlphaChannel()) {
        // JPEG has no transparency: a logo's clear background becomes white, not black.
        QImage piena(immagine.size(), QImage::Format_RGB32);
        piena.fill(Qt::white);
        QPainter(&piena).drawImage(0, 0, immagine);
        immagine = piena;
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    const bool scritta = buffer.open(QIODevice::WriteOnly) && immagine.save(&buffer, "JPG", 90) &&
                         ScriviFileIntero(destinazione, jpeg);
    return scritta ? Conversione::Riuscita : Conversione::ScritturaFallita;
}

CacheImmagini::CacheImmagini(qint64 memoria) : pronte_(static_cast<int>(memoria / 1024)) {
    pool_.setMaxThreadCount(1);
}

CacheImmagini::~CacheImmagini() {
    pool_.clear();
    pool_.waitForDone();
}

std::optional<QImage> CacheImmagini::Pronta(const QString& percorso, int larghezza) const {
    const QString chiave = Chiave(percorso, larghezza);
    if (const QImage* immagine = pronte_.object(chiave)) {
        return *immagine;
    }
    if (fallite_.contains(chiave)) {
        return QImage();
    }
    return std::nullopt;
}

QImage CacheImmagini::Immagine(const QString& percorso, int larghezza) {
    if (auto pronta = Pronta(percorso, larghezza)) {
        return *pronta;
    }
    const QImage immagine = DecodificaImmagine(percorso, larghezza);
    Conserva(Chiave(percorso, larghezza), immagine);
    return immagine;
}

void CacheImmagini::Prepara(const QString& percorso, int larghezza) {
    const QString chiave = Chiave(percorso, larghezza);
    if (inCorso_.contains(chiave) || Pronta(percorso, larghezza)) {
        return;
    }
    inCorso_.insert(chiave);
    pool_.start([this, percorso, larghezza, chiave] {
        const QImage immagine = DecodificaImmagine(percorso, larghezza);
        QMetaObject::invokeMethod(
            this,
            [this, percorso, larghezza, chiave, immagine] {
                if (inCorso_.remove(chiave)) {
                    Conserva(chiave, immagine);
                    emit ImmaginePronta(percorso, larghezza);
                }
            },
            Qt::QueuedConnection);
    });
}

void CacheImmagini::Annulla() {
    pool_.clear();
    inCorso_.clear();
}

void CacheImmagini::Attendi() {
    pool_.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void CacheImmagini::Svuota() {
    Annulla();
    pronte_.clear();
    fallite_.clear();
}

void CacheImmagini::Conserva(const QString& chiave, const QImage& immagine) {
    if (immagine.isNull()) {
        fallite_.insert(chiave);
        return;
    }
    fallite_.remove(chiave);
    // Cost in kilobytes, so a screen of photos fits the int the cache counts in.
    pronte_.insert(chiave, new QImage(immagine), static_cast<int>(immagine.sizeInBytes() / 1024) + 1);
}
