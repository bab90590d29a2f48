#pragma once

#include <QByteArray>
#include <QStringList>

class Settings;

// Every setting in one text file, to carry to a new laptop: "Brivanta settings 1" and then one
// "Key=Value" line per stored setting (the settings table and the action keys).
namespace SettingsFile {
inline const QByteArray Header = "Brivanta settings 1";

// The remote's secret only when asked: whoever holds it can score.
QByteArray Export(const Settings& settings, bool withSecret);

struct Imported {
    bool ok = false;     // false: a file that is not a settings file; nothing written
    QStringList ignored; // keys the program does not know, and values that do not check
};
// Every value checked as at start; what does not check keeps the current setting.
Imported Import(const QByteArray& file, Settings& settings);
} // namespace SettingsFile
