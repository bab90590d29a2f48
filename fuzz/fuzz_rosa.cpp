// A team.csv typed by somebody else: both readings, then the lookups of every row.
#include "shared/Lingua.h"
#include "shared/TestoFile.h"
#include "teams/Ricerche.h"
#include "teams/Squadre.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    const QStringList righe =
        DecodificaRighe(QByteArray(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(n)));
    static const TabellaLingue lingue;
    for (const bool console : {true, false}) {
        const Rosa rosa = RosaDaRighe(righe, console ? CapacitaConsole : CapacitaEditor, console);
        if (rosa.size() > static_cast<size_t>(console ? CapacitaConsole : CapacitaEditor)) {
            std::abort();
        }
        // A few rows exercise the lookups; all of them would only slow the search down.
        for (size_t r = 0; r < std::min<size_t>(rosa.size(), 4); ++r) {
            const Atleta& a = rosa[r];
            CognomeAtleta(rosa, a.Numero, lingue);
            NomeAtleta(rosa, a.Numero);
            RuoloAtleta(rosa, a.Numero, lingue);
            FotoAtleta(QStringLiteral("/squadra"), a.Numero);
        }
    }
    return 0;
}
