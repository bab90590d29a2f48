#include "control/Azioni.h"

#include "platform/Impostazioni.h"

namespace {

const std::array<DefinizioneAzione, NumeroAzioni> Tabella{{
    {Azione::CasaPiu, "HomePlus", "Assegna un punto ai locali", "F5", "home/plus"},
    {Azione::CasaMeno, "HomeMinus", "Toglie un punto ai locali", "F6", "home/minus"},
    {Azione::OspitiMeno, "GuestsMinus", "Toglie un punto agli ospiti", "F7", "guests/minus"},
    {Azione::OspitiPiu, "GuestsPlus", "Assegna un punto agli ospiti", "F8", "guests/plus"},
    {Azione::Undo, "Undo", "Annulla l'ultimo punto segnato", "F9", "undo"},
    {Azione::TimeoutCasa, "TimeoutHome", "Timeout locali", "F10", "timeout/home"},
    {Azione::TimeoutOspiti, "TimeoutGuests", "Timeout ospiti", "F11", "timeout/guests"},
    {Azione::Tipo0, "Type0", "Non specificato", "Ctrl+0", "type/0"},
    {Azione::Tipo1, "Type1", "Ace", "Ctrl+1", "type/1"},
    {Azione::Tipo2, "Type2", "Muro", "Ctrl+2", "type/2"},
    {Azione::Tipo3, "Type3", "Schiacciata", "Ctrl+3", "type/3"},
    {Azione::Tipo4, "Type4", "Pallonetto", "Ctrl+4", "type/4"},
    {Azione::CodiceE, "CodeE", "E - Errore dell'avversario", "Ctrl+E", nullptr},
    {Azione::PulisciCodici, "ClearCodes", "Cancella i codici", "Esc", "clear"},
    {Azione::Anteprima, "Preview", "Aggiorna il live del tabellone", "F12", "preview"},
    {Azione::Statistiche, "Statistics", "Statistiche", "F2", "overlay/stats"},
    {Azione::UltimiPunti, "LastPoints", "Ultimi 4 punti", "F3", "overlay/last4"},
    {Azione::SquadraInTesta, "Leading", "Squadra in testa", "F4", "overlay/leading"},
    {Azione::Presentazione, "Presentation", "Presentazione atleti", "Ctrl+P",
     "overlay/presentation"},
}};

QString Chiave(const DefinizioneAzione& d) {
    return QStringLiteral("Key") + QString::fromLatin1(d.nome);
}

} // namespace

const std::array<DefinizioneAzione, NumeroAzioni>& Azioni() {
    return Tabella;
}

const DefinizioneAzione& Definizione(Azione a) {
    return Tabella[static_cast<std::size_t>(a)];
}

MappaTasti::MappaTasti() {
    for (std::size_t i = 0; i < Tabella.size(); ++i) {
        tasti_[i] = QString::fromLatin1(Tabella[i].tasto);
    }
}

QString MappaTasti::Tasto(Azione a) const {
    return tasti_[static_cast<std::size_t>(a)];
}

std::optional<Azione> MappaTasti::AzioneDi(const QString& tasto) const {
    if (tasto.isEmpty()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < tasti_.size(); ++i) {
        if (tasti_[i].compare(tasto, Qt::CaseInsensitive) == 0) {
            return Tabella[i].azione;
        }
    }
    return std::nullopt;
}

std::optional<Azione> MappaTasti::Assegna(Azione a, const QString& tasto) {
    const auto altra = AzioneDi(tasto);
    if (altra && *altra != a) {
        return altra;
    }
    tasti_[static_cast<std::size_t>(a)] = tasto;
    return std::nullopt;
}

MappaTasti MappaTasti::Leggi(const Impostazioni& impostazioni) {
    MappaTasti mappa;
    std::array<bool, NumeroAzioni> salvato{};
    for (std::size_t i = 0; i < Tabella.size(); ++i) {
        const QString valore = impostazioni.Leggi(Chiave(Tabella[i]));
        // "-" keeps an action without a key; a missing key keeps the default.
        if (!valore.isEmpty()) {
            mappa.tasti_[i] = valore == QStringLiteral("-") ? QString() : valore;
            salvato[i] = true;
        }
    }
    // Defaults give way to stored keys; between two of a kind the first one read wins.
    for (std::size_t i = 0; i < Tabella.size(); ++i) {
        for (std::size_t j = i + 1; j < Tabella.size(); ++j) {
            if (mappa.tasti_[i].isEmpty() ||
                mappa.tasti_[i].compare(mappa.tasti_[j], Qt::CaseInsensitive) != 0) {
                continue;
            }
            mappa.tasti_[!salvato[i] && salvato[j] ? i : j].clear();
        }
    }
    return mappa;
}

void MappaTasti::Scrivi(Impostazioni& impostazioni) const {
    for (std::size_t i = 0; i < Tabella.size(); ++i) {
        impostazioni.Scrivi(Chiave(Tabella[i]),
                            tasti_[i].isEmpty() ? QStringLiteral("-") : tasti_[i]);
    }
}
