#include "display/Sponsor.h"

#include <QDir>

namespace {
const QString NomeLogo = QStringLiteral("HEADER_LOGO.JPG");
} // namespace

bool FileSponsorAccettato(const QString& nome) {
    const QString maiuscolo = nome.toUpper();
    if (maiuscolo == NomeLogo) {
        return false;
    }
    const QString estensione = maiuscolo.right(4);
    return estensione == QStringLiteral(".JPG") || estensione == QStringLiteral(".GIF") ||
           estensione == QStringLiteral(".BMP");
}

ElencoSponsor ElencaSponsor(const QString& cartellaDati) {
    ElencoSponsor e;
    const QDir cartella(QDir(cartellaDati).filePath(QStringLiteral("Sponsors")));
    const QStringList tutti =
        cartella.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    e.Vuota = tutti.isEmpty();
    for (const QString& nome : tutti) {
        if (nome.toUpper() == NomeLogo && e.Logo.isEmpty()) {
            e.Logo = cartella.filePath(nome);
        } else if (FileSponsorAccettato(nome) && e.File.size() < MassimoSponsor) {
            e.File.append(cartella.filePath(nome));
        }
    }
    return e;
}

int AvviaBanda(StatoBanda& b, const QStringList& file) {
    b.FileSponsor = file;
    b.NumeroSponsor = static_cast<int>(file.size());
    b.SlotSponsor = 0;
    b.ProssimoSponsor = 0;
    if (b.NumeroSponsor == 0) {
        return -1;
    }
    if (b.NumeroSponsor <= SlotBanda) {
        return b.NumeroSponsor - 1;
    }
    b.ProssimoSponsor = SlotBanda;
    return SlotBanda - 1;
}

std::optional<PassoBanda> ProssimoPasso(const StatoBanda& b, int barraSponsor) {
    if (barraSponsor == 0 || b.NumeroSponsor <= SlotBanda) {
        return std::nullopt;
    }
    return PassoBanda{b.SlotSponsor, b.ProssimoSponsor};
}

void AvanzaBanda(StatoBanda& b) {
    b.ProssimoSponsor += 1;
    if (b.ProssimoSponsor > b.NumeroSponsor - 1) {
        b.ProssimoSponsor = 0;
    }
    b.SlotSponsor += 1;
    if (b.SlotSponsor > SlotBanda - 1) {
        b.SlotSponsor = 0;
    }
}
