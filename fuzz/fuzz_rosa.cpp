// A team.csv typed by somebody else: both readings, then the lookups of every row.
#include "shared/Lingua.h"
#include "shared/TestoFile.h"
#include "teams/Ricerche.h"
#include "teams/Squadre.h"

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
        for (const Atleta& a : rosa) {
            CognomeAtleta(rosa, a.Numero, lingue);
            NomeAtleta(rosa, a.Numero);
            RuoloAtleta(rosa, a.Numero, lingue);
            FotoAtleta(QStringLiteral("/squadra"), a.Numero);
        }
    }
    return 0;
}
