#include "teams/TeamPackage.h"

#include "platform/FileSync.h"
#include "shared/FileText.h"
#include "teams/Teams.h"
#include "teams/ZipReading.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

namespace TeamPackage {

namespace {

const QString Manifest = QStringLiteral("manifest.json");

Outcome Failure(const QString& error) {
    Outcome o;
    o.error = error;
    return o;
}

QString FreeName(const QString& dataFolder, const QString& team) {
    for (int n = 2;; ++n) {
        const QString candidate = team + QStringLiteral(" (%1)").arg(n);
        if (!QFileInfo::exists(TeamFolder(dataFolder, candidate))) {
            return candidate;
        }
    }
}

} // namespace

Outcome Export(const QString& dataFolder, const QString& team, const QString& file) {
    const QDir folder(TeamFolder(dataFolder, team));
    if (team.isEmpty() || !folder.exists()) {
        return Failure(QStringLiteral("no team called \"") + team + QStringLiteral("\""));
    }
    QStringList names;
    QJsonArray list;
    QDirIterator it(folder.path(), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        names << folder.relativeFilePath(path);
    }
    names.sort();
    for (const QString& name : names) {
        list.append(QJsonObject{{QStringLiteral("name"), name},
                                {QStringLiteral("size"), QFileInfo(folder.filePath(name)).size()}});
    }
    const QByteArray manifest =
        QJsonDocument(QJsonObject{{QStringLiteral("format"), FormatVersion},
                                  {QStringLiteral("program"), QStringLiteral("Brivanta")},
                                  {QStringLiteral("team"), team},
                                  {QStringLiteral("files"), list}})
            .toJson();
    // Made in memory and written whole: a package is whole or not there.
    QBuffer package;
    {
        QuaZip zip(&package);
        if (!zip.open(QuaZip::mdCreate)) {
            return Failure(QStringLiteral("cannot write ") + file);
        }
        auto add = [&zip](const QString& name, const QByteArray& data) {
            QuaZipFile out(&zip);
            return out.open(QIODevice::WriteOnly, QuaZipNewInfo(name)) &&
                   out.write(data) == data.size() && (out.close(), out.getZipError() == 0);
        };
        bool written = add(Manifest, manifest);
        for (const QString& name : names) {
            QFile in(folder.filePath(name));
            written = written && in.open(QIODevice::ReadOnly) && add(name, in.readAll());
        }
        zip.close();
        if (!written || zip.getZipError() != 0) {
            return Failure(QStringLiteral("cannot write ") + file);
        }
    }
    if (QString reason; !WriteWholeFile(file, package.data(), &reason)) {
        return Failure(QStringLiteral("cannot write ") + file + QStringLiteral(": ") + reason);
    }
    Outcome o;
    o.ok = true;
    o.team = team;
    return o;
}

Outcome Import(const QString& dataFolder, const QString& file, Existing existing) {
    const QString teams = TeamsFolder(dataFolder);
    if (!QDir().mkpath(teams)) {
        return Failure(QStringLiteral("the Teams folder cannot be written"));
    }
    // Aside on the same disk, so the final move is one rename.
    QTemporaryDir aside(QDir(teams).filePath(QStringLiteral(".import-XXXXXX")));
    if (!aside.isValid()) {
        return Failure(QStringLiteral("the Teams folder cannot be written: ") +
                       aside.errorString());
    }
    QString team;
    QStringList keptOut;
    const QString error =
        ZipReading::Walk(file, [&](const QString& name, const QByteArray& data) -> QString {
            if (name == Manifest) {
                const QJsonObject m = QJsonDocument::fromJson(data).object();
                if (m.value(QStringLiteral("format")).toInt(0) > FormatVersion) {
                    return QStringLiteral("a package from a newer Brivanta");
                }
                team = m.value(QStringLiteral("team")).toString();
                return {};
            }
            if (!ZipReading::LooksLikeItsPicture(name, data.left(16))) {
                keptOut << name + QStringLiteral(": not a picture");
                return {};
            }
            const QString target = QDir(aside.path()).filePath(name);
            QString reason = QStringLiteral("a folder cannot be made");
            if (!QDir().mkpath(QFileInfo(target).path()) ||
                !WriteWholeFile(target, data, &reason)) {
                return QStringLiteral("the Teams folder cannot be written: ") + reason;
            }
            return {};
        });
    if (error == ZipReading::NotAZip) {
        return Failure(QStringLiteral("not a team package: ") + file);
    }
    if (!error.isEmpty()) {
        return Failure(error);
    }
    if (team.isEmpty() || ValidateTeamName(team, {}) != NameOutcome::Accepted) {
        return Failure(QStringLiteral("a package without a valid team name"));
    }
    const auto roster =
        ReadTextFile(QDir(aside.path()).filePath(QStringLiteral("team.csv")), 1 << 20);
    if (!roster || roster->join(QString()).contains(QChar(0))) {
        return Failure(QStringLiteral("the package's team.csv does not read"));
    }
    QString name = team;
    const QString place = TeamFolder(dataFolder, team);
    QString previous;
    if (QFileInfo::exists(place)) {
        if (existing == Existing::Refuse) {
            return Failure(QStringLiteral("a team called \"") + team +
                           QStringLiteral("\" is already there"));
        }
        if (existing == Existing::KeepBoth) {
            name = FreeName(dataFolder, team);
        } else {
            previous = place + QStringLiteral(".replaced");
            QDir(previous).removeRecursively();
            if (!QDir().rename(place, previous)) {
                return Failure(QStringLiteral("the team's folder is in use"));
            }
        }
    }
    if (!QDir().rename(aside.path(), TeamFolder(dataFolder, name))) {
        if (!previous.isEmpty()) {
            QDir().rename(previous, place);
        }
        return Failure(QStringLiteral("the Teams folder cannot be written"));
    }
    aside.setAutoRemove(false);
    if (!previous.isEmpty()) {
        QDir(previous).removeRecursively();
    }
    if (const QString reason = SyncFolder(teams); !reason.isEmpty()) {
        return Failure(QStringLiteral("the Teams folder cannot be written: ") + reason);
    }
    Outcome o;
    o.ok = true;
    o.team = name;
    o.keptOut = keptOut;
    return o;
}

} // namespace TeamPackage
