// A Languages.csv edited by a translator: load it, switch to every language, translate.
#include "shared/Lingua.h"
#include "shared/TestoFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    const QStringList righe =
        DecodificaRighe(QByteArray(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(n)));
    TabellaLingue lingue;
    lingue.Carica(righe);
    const auto codici = lingue.CodiciLingua();
    const QString chiave = righe.size() > 2 ? righe[2].section(u';', 0, 0) : QString();
    for (int i = 1; i < static_cast<int>(codici.size()); ++i) {
        if (codici[static_cast<size_t>(i)].isEmpty()) {
            continue;
        }
        lingue.LinguaCorrente = codici[static_cast<size_t>(i)];
        lingue.ColonnaLingua = i - 1;
        lingue.Traduci(chiave);
    }
    return 0;
}
