#pragma once

#include <QString>
#include <QStringList>

// A team as one file to carry to another machine: a zip of the team's folder as it is, with a
// small manifest. Importing is all or nothing: unpacked aside, checked, then moved into place.
namespace TeamPackage {
constexpr int FormatVersion = 1;
inline const QString Extension = QStringLiteral(".brivanta-team");

enum class Existing { Refuse, Replace, KeepBoth };

struct Outcome {
    bool ok = false;
    QString error;       // one line, English, for the command line and the log
    QString team;        // the team as imported (may be "Name (2)")
    QStringList keptOut; // files left out, with their reason
};

Outcome Export(const QString& dataFolder, const QString& team, const QString& file);
Outcome Import(const QString& dataFolder, const QString& file, Existing existing);
} // namespace TeamPackage
