#include "control/Actions.h"

#include "platform/Settings.h"

namespace {

const std::array<ActionDefinition, ActionCount> Table{{
    {Action::HomePlus, "HomePlus", "Assegna un punto ai locali", "F5", "home/plus"},
    {Action::HomeMinus, "HomeMinus", "Toglie un punto ai locali", "F6", "home/minus"},
    {Action::MinusGuests, "GuestsMinus", "Toglie un punto agli ospiti", "F7", "guests/minus"},
    {Action::PlusGuests, "GuestsPlus", "Assegna un punto agli ospiti", "F8", "guests/plus"},
    {Action::Undo, "Undo", "Annulla l'ultimo punto segnato", "F9", "undo"},
    {Action::HomeTimeout, "TimeoutHome", "Timeout locali", "F10", "timeout/home"},
    {Action::GuestsTimeout, "TimeoutGuests", "Timeout ospiti", "F11", "timeout/guests"},
    {Action::Type0, "Type0", "Non specificato", "Ctrl+0", "type/0"},
    {Action::Type1, "Type1", "Ace", "Ctrl+1", "type/1"},
    {Action::Type2, "Type2", "Muro", "Ctrl+2", "type/2"},
    {Action::Type3, "Type3", "Schiacciata", "Ctrl+3", "type/3"},
    {Action::Type4, "Type4", "Pallonetto", "Ctrl+4", "type/4"},
    {Action::CodeE, "CodeE", "E - Errore dell'avversario", "Ctrl+E", nullptr},
    {Action::ClearCodes, "ClearCodes", "Cancella i codici", "Esc", "clear"},
    {Action::Preview, "Preview", "Aggiorna il live del tabellone", "F12", "preview"},
    {Action::Statistics, "Statistics", "Statistiche", "F2", "overlay/stats"},
    {Action::LastPoints, "LastPoints", "Ultimi 4 punti", "F3", "overlay/last4"},
    {Action::LeadingTeam, "Leading", "Squadra in testa", "F4", "overlay/leading"},
    {Action::Presentation, "Presentation", "Presentazione atleti", "Ctrl+P",
     "overlay/presentation"},
}};

QString SettingsKey(const ActionDefinition& d) {
    return QStringLiteral("Key") + QString::fromLatin1(d.name);
}

} // namespace

const std::array<ActionDefinition, ActionCount>& Actions() {
    return Table;
}

const ActionDefinition& Definition(Action a) {
    return Table[static_cast<std::size_t>(a)];
}

KeysMap::KeysMap() {
    for (std::size_t i = 0; i < Table.size(); ++i) {
        keys_[i] = QString::fromLatin1(Table[i].key);
    }
}

QString KeysMap::Key(Action a) const {
    return keys_[static_cast<std::size_t>(a)];
}

std::optional<Action> KeysMap::ActionOf(const QString& key) const {
    if (key.isEmpty()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        if (keys_[i].compare(key, Qt::CaseInsensitive) == 0) {
            return Table[i].action;
        }
    }
    return std::nullopt;
}

std::optional<Action> KeysMap::Assign(Action a, const QString& key) {
    const auto other = ActionOf(key);
    if (other && *other != a) {
        return other;
    }
    keys_[static_cast<std::size_t>(a)] = key;
    return std::nullopt;
}

KeysMap KeysMap::Read(const Settings& settings) {
    KeysMap map;
    std::array<bool, ActionCount> saved{};
    for (std::size_t i = 0; i < Table.size(); ++i) {
        const QString value = settings.Read(SettingsKey(Table[i]));
        // "-" keeps an action without a key; a missing key keeps the default.
        if (!value.isEmpty()) {
            map.keys_[i] = value == QStringLiteral("-") ? QString() : value;
            saved[i] = true;
        }
    }
    // Defaults give way to stored keys; between two of a kind the first one read wins.
    for (std::size_t i = 0; i < Table.size(); ++i) {
        for (std::size_t j = i + 1; j < Table.size(); ++j) {
            if (map.keys_[i].isEmpty() ||
                map.keys_[i].compare(map.keys_[j], Qt::CaseInsensitive) != 0) {
                continue;
            }
            map.keys_[!saved[i] && saved[j] ? i : j].clear();
        }
    }
    return map;
}

void KeysMap::Write(Settings& settings) const {
    for (std::size_t i = 0; i < Table.size(); ++i) {
        settings.Write(SettingsKey(Table[i]), keys_[i].isEmpty() ? QStringLiteral("-") : keys_[i]);
    }
}
