#pragma once

#include <QHash>
#include <QString>
#include <array>
#include <optional>

class Settings;

// Every match action the keyboard and the remote reach; each runs the console's own handler.
enum class Action {
    HomePlus,
    HomeMinus,
    MinusGuests,
    PlusGuests,
    Undo,
    HomeTimeout,
    GuestsTimeout,
    Type0,
    Type1,
    Type2,
    Type3,
    Type4,
    CodeE,
    ClearCodes,
    Preview,
    Statistics,
    LastPoints,
    LeadingTeam,
    Presentation,
};

struct ActionDefinition {
    Action action;
    const char* name;    // settings key suffix, stable across versions
    const char* caption; // Italian, through the language table
    const char* key;     // default key, in portable key-sequence text
    const char* path;    // remote path below /control/, or null
};

constexpr int ActionCount = 19;
const std::array<ActionDefinition, ActionCount>& Actions();
const ActionDefinition& Definition(Action a);

// The operator's keys: one per action, none used twice. Keys are portable key-sequence text
// ("F5", "Ctrl+1"); an empty key leaves the action to the mouse.
class KeysMap {
  public:
    KeysMap();
    static KeysMap Default() { return {}; }

    QString Key(Action a) const;
    std::optional<Action> ActionOf(const QString& key) const;
    // Gives the action its key; when another action has it, nothing changes and that action
    // is returned.
    std::optional<Action> Assign(Action a, const QString& key);

    // Stored as one key per action; a stored key that clashes with one read before it is
    // dropped, so a hand-edited file never gives one key two actions.
    static KeysMap Read(const Settings& settings);
    void Write(Settings& settings) const;

    bool operator==(const KeysMap&) const = default;

  private:
    std::array<QString, ActionCount> keys_;
};
