#include "options/SettingsFile.h"

#include "control/Actions.h"
#include "platform/Settings.h"
#include "shared/FileText.h"
#include "shared/Numbers.h"
#include "shared/SettingsTable.h"

namespace SettingsFile {

namespace {

QString ActionKey(const ActionDefinition& d) {
    return QStringLiteral("Key") + QString::fromLatin1(d.name);
}

bool Checks(const SettingDefinition& d, const QString& value) {
    switch (d.kind) {
    case SettingKind::Int16: {
        const auto v = Int16(value);
        return v && *v >= d.min && *v <= d.max;
    }
    case SettingKind::Port: {
        bool ok = false;
        const int v = value.toInt(&ok);
        return ok && v >= d.min && v <= d.max;
    }
    case SettingKind::Flag:
        return value == QStringLiteral("0") || value == QStringLiteral("1");
    case SettingKind::Decimal:
        return Decimal(value).has_value();
    case SettingKind::Text:
        return value.size() <= 1000;
    }
    return false;
}

} // namespace

QByteArray Export(const Settings& settings, bool withSecret) {
    QStringList lines{QString::fromLatin1(Header)};
    for (const SettingDefinition& d : SettingsTable()) {
        if ((d.setting == Setting::RemoteSecret || d.setting == Setting::MqttPassword) &&
            !withSecret) {
            continue;
        }
        const QString value = settings.Read(QString::fromLatin1(d.key));
        if (!value.isEmpty()) {
            lines << QString::fromLatin1(d.key) + u'=' + value;
        }
    }
    for (const ActionDefinition& d : Actions()) {
        const QString value = settings.Read(ActionKey(d));
        if (!value.isEmpty()) {
            lines << ActionKey(d) + u'=' + value;
        }
    }
    return EncodeLines(lines);
}

Imported Import(const QByteArray& file, Settings& settings) {
    Imported result;
    const QStringList lines = DecodeLines(file);
    if (lines.isEmpty() || lines.first().trimmed() != QString::fromLatin1(Header)) {
        return result;
    }
    QStringList actionKeys;
    for (const ActionDefinition& d : Actions()) {
        actionKeys << ActionKey(d);
    }
    // Checked first, written after: a file with a broken line still writes nothing half.
    QList<QPair<QString, QString>> accepted;
    for (const QString& line : lines.mid(1)) {
        if (line.trimmed().isEmpty()) {
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const QString key = equals < 0 ? line.trimmed() : line.left(equals).trimmed();
        const QString value = equals < 0 ? QString() : line.mid(equals + 1);
        const auto* d = [&]() -> const SettingDefinition* {
            for (const SettingDefinition& s : SettingsTable()) {
                if (key == QString::fromLatin1(s.key)) {
                    return &s;
                }
            }
            return nullptr;
        }();
        const bool known = d != nullptr || actionKeys.contains(key);
        const bool fits = d != nullptr ? Checks(*d, value) : value.size() <= 100;
        if (equals < 0 || !known || !fits) {
            result.ignored << key;
            continue;
        }
        accepted.append({key, value});
    }
    for (const auto& [key, value] : accepted) {
        settings.Write(key, value);
    }
    result.ok = true;
    return result;
}

} // namespace SettingsFile
