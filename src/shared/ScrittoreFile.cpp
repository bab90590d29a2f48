#include "shared/ScrittoreFile.h"

#include "platform/Disco.h"

#include <chrono>

ScrittoreFile::ScrittoreFile(Disco& disco, int ritentaMs)
    : disco_(disco), ritentaMs_(ritentaMs), lavoratore_([this] { Ciclo(); }) {}

ScrittoreFile::~ScrittoreFile() {
    Attendi(1000);
    {
        std::lock_guard blocco(mutex_);
        ferma_ = true;
    }
    cambiato_.notify_all();
    lavoratore_.join();
}

void ScrittoreFile::Consegna(const QString& percorso, const QByteArray& dati,
                             std::function<void()> dopo) {
    {
        std::lock_guard blocco(mutex_);
        const qint64 numero = ++consegnate_;
        bool sostituito = false;
        for (Lavoro& l : coda_) {
            if (l.percorso == percorso) {
                l.dati = dati;
                l.dopo = std::move(dopo);
                l.numero = numero;
                sostituito = true;
                break;
            }
        }
        if (!sostituito) {
            coda_.push_back({percorso, dati, std::move(dopo), numero});
        }
    }
    cambiato_.notify_all();
}

bool ScrittoreFile::Attendi(int ms) {
    std::unique_lock blocco(mutex_);
    return cambiato_.wait_for(blocco, std::chrono::milliseconds(ms),
                              [this] { return coda_.empty() && !inVolo_; });
}

qint64 ScrittoreFile::Consegnate() const {
    std::lock_guard blocco(mutex_);
    return consegnate_;
}

qint64 ScrittoreFile::Scritte() const {
    std::lock_guard blocco(mutex_);
    return scritte_;
}

void ScrittoreFile::Ciclo() {
    std::unique_lock blocco(mutex_);
    for (;;) {
        cambiato_.wait(blocco, [this] { return ferma_ || !coda_.empty(); });
        if (ferma_) {
            return;
        }
        Lavoro lavoro = coda_.front();
        coda_.pop_front();
        inVolo_ = true;
        blocco.unlock();
        QString motivo;
        const bool scritto = disco_.Scrivi(lavoro.percorso, lavoro.dati, motivo);
        if (scritto && lavoro.dopo) {
            lavoro.dopo();
        }
        blocco.lock();
        inVolo_ = false;
        if (scritto) {
            scritte_ = std::max(scritte_, lavoro.numero);
            emit Scritta();
            if (inErrore_) {
                inErrore_ = false;
                emit Ripresa();
            }
        } else {
            if (!inErrore_) {
                inErrore_ = true;
                emit Fallita(lavoro.percorso, motivo);
            }
            // Newer text for the same file, handed over meanwhile, takes its place.
            bool sostituito = false;
            for (const Lavoro& l : coda_) {
                sostituito = sostituito || l.percorso == lavoro.percorso;
            }
            if (!sostituito) {
                coda_.push_front(lavoro);
            }
            cambiato_.wait_for(blocco, std::chrono::milliseconds(ritentaMs_),
                               [this, &lavoro] {
                                   if (ferma_) {
                                       return true;
                                   }
                                   for (const Lavoro& l : coda_) {
                                       if (l.percorso == lavoro.percorso && l.numero != lavoro.numero) {
                                           return true;
                                       }
                                   }
                                   return false;
                               });
        }
        cambiato_.notify_all();
    }
}
