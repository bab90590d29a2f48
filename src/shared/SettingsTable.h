#pragma once

#include <QString>
#include <array>
#include <optional>

class Settings;

// Every stored setting of the program; the action keys ("Key…") are the action table's.
enum class Setting {
    Language,
    ScoreBoardSpeed,
    PanelColours, // stored as "Serial"
    DisplayScreen,
    Top,
    Left,
    FullScreen,
    Sponsor,
    CheersEnabled,
    CheerDuration,
    CheerSound0,
    CheerSound1,
    CheerSound2,
    CheerSound3,
    CheerSound4,
    LivePort,
    LiveLan,
    RemoteSecret,
    MqttHost,
    MqttPort,
    MqttUser,
    MqttPassword,
    MqttTls,
    MqttCaFile,
    Venue,
    Court,
};

// How a value is stored: a 16-bit whole number, a port, "1"/"0", a decimal or free text.
enum class SettingKind { Int16, Port, Flag, Decimal, Text };

struct SettingDefinition {
    Setting setting;
    const char* key; // as users' files hold it: never renamed
    SettingKind kind;
    const char* byDefault; // what a missing or unreadable value reads as ("" = none)
    int min = 0;           // the range of the whole-number kinds; outside it reads the default
    int max = 0;
};

constexpr int SettingCount = static_cast<int>(Setting::Court) + 1;
const std::array<SettingDefinition, SettingCount>& SettingsTable();
const SettingDefinition& DefinitionOf(Setting s);
QString KeyOf(Setting s);
Setting CheerSoundSetting(int slot);

// Typed reads: what does not convert, or falls outside the range, reads as the default.
QString ReadText(const Settings& settings, Setting s);
int ReadNumber(const Settings& settings, Setting s);
bool ReadFlag(const Settings& settings, Setting s);
// A decimal has no default: nothing when missing or unreadable.
std::optional<double> ReadDecimal(const Settings& settings, Setting s);
// A whole number only when it is stored and readable (some values keep their previous
// state when missing).
std::optional<int> ReadStoredNumber(const Settings& settings, Setting s);

void WriteText(Settings& settings, Setting s, const QString& value);
void WriteNumber(Settings& settings, Setting s, int value);
void WriteFlag(Settings& settings, Setting s, bool value);
void WriteDecimal(Settings& settings, Setting s, double value);
