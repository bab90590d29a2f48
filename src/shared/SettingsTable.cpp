#include "shared/SettingsTable.h"

#include "platform/Settings.h"
#include "shared/Numbers.h"

namespace {

using K = SettingKind;

constexpr std::array<SettingDefinition, SettingCount> Table{{
    {Setting::Language, "Language", K::Text, "ITA"},
    // A preview interval outside the options' range would starve the display or stall it.
    {Setting::ScoreBoardSpeed, "ScoreBoardSpeed", K::Int16, "200", 50, 2000},
    {Setting::PanelColours, "Serial", K::Text, ""},
    {Setting::DisplayScreen, "DisplayScreen", K::Text, ""},
    {Setting::Top, "Top", K::Decimal, ""},
    {Setting::Left, "Left", K::Decimal, ""},
    {Setting::FullScreen, "FullScreen", K::Flag, "0"},
    {Setting::Sponsor, "Sponsor", K::Int16, "1", -32768, 32767},
    {Setting::CheersEnabled, "SndExultationEnabled", K::Int16, "0", -32768, 32767},
    // Beyond 32 s the timer's interval no longer fits 16 bits.
    {Setting::CheerDuration, "SndExultationDuration", K::Int16, "0", -32768, 32767},
    {Setting::CheerSound0, "SndExultation0", K::Text, ""},
    {Setting::CheerSound1, "SndExultation1", K::Text, ""},
    {Setting::CheerSound2, "SndExultation2", K::Text, ""},
    {Setting::CheerSound3, "SndExultation3", K::Text, ""},
    {Setting::CheerSound4, "SndExultation4", K::Text, ""},
    // 0 stored means off.
    {Setting::LivePort, "HubPort", K::Port, "8765", 0, 65535},
    {Setting::LiveLan, "HubLan", K::Flag, "0"},
    {Setting::RemoteSecret, "HubToken", K::Text, ""},
    // The venue's broker; no host means the court publishes nothing.
    {Setting::MqttHost, "MqttHost", K::Text, ""},
    {Setting::MqttPort, "MqttPort", K::Port, "1883", 1, 65535},
    {Setting::MqttUser, "MqttUser", K::Text, ""},
    {Setting::MqttPassword, "MqttPassword", K::Text, ""},
    {Setting::MqttTls, "MqttTls", K::Flag, "0"},
    {Setting::MqttCaFile, "MqttCaFile", K::Text, ""},
    {Setting::Venue, "Venue", K::Text, "venue"},
    // Empty: the machine's host name.
    {Setting::Court, "Court", K::Text, ""},
}};

std::optional<int> Whole(const SettingDefinition& d, const QString& text) {
    std::optional<int> value;
    if (d.kind == K::Port) {
        bool ok = false;
        const int port = text.trimmed().toInt(&ok);
        value = ok ? std::optional<int>(port) : std::nullopt;
    } else {
        value = Int16(text);
    }
    if (value && (*value < d.min || *value > d.max)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

const std::array<SettingDefinition, SettingCount>& SettingsTable() {
    return Table;
}

const SettingDefinition& DefinitionOf(Setting s) {
    return Table[static_cast<std::size_t>(s)];
}

QString KeyOf(Setting s) {
    return QString::fromLatin1(DefinitionOf(s).key);
}

Setting CheerSoundSetting(int slot) {
    return static_cast<Setting>(static_cast<int>(Setting::CheerSound0) + slot);
}

QString ReadText(const Settings& settings, Setting s) {
    const QString value = settings.Read(KeyOf(s));
    return value.isEmpty() ? QString::fromLatin1(DefinitionOf(s).byDefault) : value;
}

std::optional<int> ReadStoredNumber(const Settings& settings, Setting s) {
    return Whole(DefinitionOf(s), settings.Read(KeyOf(s)));
}

int ReadNumber(const Settings& settings, Setting s) {
    const auto& d = DefinitionOf(s);
    return Whole(d, settings.Read(KeyOf(s))).value_or(QString::fromLatin1(d.byDefault).toInt());
}

bool ReadFlag(const Settings& settings, Setting s) {
    const QString value = settings.Read(KeyOf(s)).trimmed();
    return (value.isEmpty() ? QString::fromLatin1(DefinitionOf(s).byDefault) : value) ==
           QStringLiteral("1");
}

std::optional<double> ReadDecimal(const Settings& settings, Setting s) {
    return Decimal(settings.Read(KeyOf(s)));
}

void WriteText(Settings& settings, Setting s, const QString& value) {
    settings.Write(KeyOf(s), value);
}

void WriteNumber(Settings& settings, Setting s, int value) {
    settings.Write(KeyOf(s), QString::number(value));
}

void WriteFlag(Settings& settings, Setting s, bool value) {
    settings.Write(KeyOf(s), value ? QStringLiteral("1") : QStringLiteral("0"));
}

void WriteDecimal(Settings& settings, Setting s, double value) {
    settings.Write(KeyOf(s), QString::number(static_cast<float>(value)));
}
