#include "sponsor/Galleria.h"

#include <QDir>
#include <algorithm>

namespace {
const QString NomeLogo = QStringLiteral("HEADER_LOGO.JPG");

QStringList Jpeg(const QString& cartellaDati) {
    return QDir(CartellaSponsor(cartellaDati))
        .entryList({QStringLiteral("*.jpg")}, QDir::Files,
                   QDir::Name | QDir::IgnoreCase);
}
} // namespace

QString CartellaSponsor(const QString& cartellaDati) {
    return QDir(cartellaDati).filePath(QStringLiteral("Sponsors"));
}

QString LogoTestataEsistente(const QString& cartellaDati) {
    for (const QString& nome : Jpeg(cartellaDati)) {
        if (nome.toUpper() == NomeLogo) {
            return QDir(CartellaSponsor(cartellaDati)).filePath(nome);
        }
    }
    return {};
}

QString DestinazioneLogoTestata(const QString& cartellaDati) {
    const QString esistente = LogoTestataEsistente(cartellaDati);
    return esistente.isEmpty()
               ? QDir(CartellaSponsor(cartellaDati)).filePath(QStringLiteral("HEADER_LOGO.jpg"))
               : esistente;
}

QString DestinazioneSponsor(const QString& cartellaDati, const QString& nomeScelto) {
    const QDir cartella(CartellaSponsor(cartellaDati));
    for (const QString& nome : cartella.entryList(QDir::Files)) {
        if (nome.compare(nomeScelto, Qt::CaseInsensitive) == 0) {
            return cartella.filePath(nome);
        }
    }
    return cartella.filePath(nomeScelto);
}

int Galleria::Massimo() const {
    return std::max(0, NumeroGalleria() - SlotGalleria);
}

QString Galleria::Voce(int k) const {
    const int i = Inizio + k;
    return i >= 0 && i < NumeroGalleria() ? Nomi[i] : QString();
}

void Galleria::Imposta(int valore) {
    Inizio = std::clamp(valore, 0, Massimo());
}

void Galleria::Sinistra() {
    Inizio = std::max(0, Inizio - 1);
}

bool Galleria::Destra() {
    if (Inizio + SlotGalleria >= NumeroGalleria()) {
        return false;
    }
    ++Inizio;
    return true;
}

Galleria ElencaGalleria(const QString& cartellaDati) {
    Galleria g;
    for (const QString& nome : Jpeg(cartellaDati)) {
        if (nome.toUpper() != NomeLogo && g.Nomi.size() < VociGalleria) {
            g.Nomi.append(nome);
        }
    }
    return g;
}
