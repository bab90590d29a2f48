// A match file edited by hand: reading it must not crash, and what it yields must be
// written back as a file that reads again.
#include "match/FilePartita.h"
#include "match/Partita.h"
#include "match/Storico.h"
#include "shared/Lingua.h"
#include "shared/TestoFile.h"

#include <QDateTime>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    const QStringList righe =
        DecodificaRighe(QByteArray(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(n)));
    const auto file = LeggiFilePartita(righe);
    if (!file) {
        return 0;
    }
    static const TabellaLingue lingue;
    Partita p;
    RegolePredefinite(p);
    PulisciPartita(p, lingue);
    ApplicaFilePartita(p, *file, lingue);
    for (const QString& riga : p.Storico) {
        LeggiRiga(riga);
    }
    const QStringList scritte =
        RigheFilePartita(p, QDateTime(QDate(2026, 12, 10), QTime(20, 0)), lingue);
    if (!LeggiFilePartita(DecodificaRighe(CodificaRighe(scritte)))) {
        std::abort();
    }
    return 0;
}
