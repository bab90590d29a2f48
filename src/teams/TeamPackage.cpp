#include "teams/TeamPackage.h"

#include "shared/FileText.h"
#include "teams/Teams.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <quazip/quazipnewinfo.h>

namespace TeamPackage {

namespace {

const QString Manifest = QStringLiteral("manifest.json");

Outcome Failure(const QString& error) {
    Outcome o;
    o.error = error;
    return o;
}

// A name that stays inside the team's folder: no parent steps, no root, no drive, no backslash.
bool SafeEntry(const QString& name) {
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\') || name.contains(u':') ||
        name.contains(QChar(0))) {
        return false;
    }
    for (const QString& part : name.split(u'/')) {
        if (part == QStringLiteral("..") || part == QStringLiteral(".")) {
            return false;
        }
    }
    return true;
}

bool IsLink(const QuaZipFileInfo64& info) {
    constexpr quint32 TypeMask = 0170000;
    constexpr quint32 Link = 0120000;
    return ((info.externalAttr >> 16) & TypeMask) == Link;
}

// A picture's first bytes say what it is; a renamed document is not a photo.
bool LooksLikeItsPicture(const QString& name, const QByteArray& start) {
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == QStringLiteral("jpg") || suffix == QStringLiteral("jpeg")) {
        return start.startsWith("\xFF\xD8\xFF");
    }
    if (suffix == QStringLiteral("png")) {
        return start.startsWith("\x89PNG\r\n\x1A\n");
    }
    if (suffix == QStringLiteral("gif")) {
        return start.startsWith("GIF87a") || start.startsWith("GIF89a");
    }
    if (suffix == QStringLiteral("bmp")) {
        return start.startsWith("BM");
    }
    return true;
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
    const QByteArray manifest = QJsonDocument(QJsonObject{{QStringLiteral("format"), FormatVersion},
                                                          {QStringLiteral("program"), QStringLiteral("Brivanta")},
                                                          {QStringLiteral("team"), team},
                                                          {QStringLiteral("files"), list}})
                                    .toJson();
    // Written aside and moved: a package is whole or not there.
    const QString partial = file + QStringLiteral(".part");
    {
        QuaZip zip(partial);
        if (!zip.open(QuaZip::mdCreate)) {
            return Failure(QStringLiteral("cannot write ") + file);
        }
        auto add = [&zip](const QString& name, const QByteArray& data) {
            QuaZipFile out(&zip);
            return out.open(QIODevice::WriteOnly, QuaZipNewInfo(name)) && out.write(data) == data.size() &&
                   (out.close(), out.getZipError() == 0);
        };
        bool written = add(Manifest, manifest);
        for (const QString& name : names) {
            QFile in(folder.filePath(name));
            written = written && in.open(QIODevice::ReadOnly) && add(name, in.readAll());
        }
        zip.close();
        if (!written || zip.getZipError() != 0) {
            QFile::remove(partial);
            return Failure(QStringLiteral("cannot write ") + file);
        }
    }
    QFile::remove(file);
    if (!QFile::rename(partial, file)) {
        QFile::remove(partial);
        return Failure(QStringLiteral("cannot write ") + file);
    }
    Outcome o;
    o.ok = true;
    o.team = team;
    return o;
}

Outcome Import(const QString& dataFolder, const QString& file, Existing existing) {
    QuaZip zip(file);
    if (!zip.open(QuaZip::mdUnzip)) {
        return Failure(QStringLiteral("not a team package: ") + file);
    }
    if (zip.getEntriesCount() > MaxEntries + 1) {
        return Failure(QStringLiteral("too many files in the package"));
    }
    const QString teams = TeamsFolder(dataFolder);
    if (!QDir().mkpath(teams)) {
        return Failure(QStringLiteral("the Teams folder cannot be written"));
    }
    // Aside on the same disk, so the final move is one rename.
    QTemporaryDir aside(QDir(teams).filePath(QStringLiteral(".import-XXXXXX")));
    if (!aside.isValid()) {
        return Failure(QStringLiteral("the Teams folder cannot be written"));
    }
    QString team;
    qint64 total = 0;
    QStringList keptOut;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info)) {
            return Failure(QStringLiteral("a damaged package"));
        }
        if (!SafeEntry(info.name) || IsLink(info)) {
            return Failure(QStringLiteral("an entry that would leave the team's folder: ") + info.name);
        }
        if (info.name.endsWith(u'/')) {
            continue;
        }
        if (info.uncompressedSize > static_cast<quint64>(MaxEntry)) {
            return Failure(QStringLiteral("an entry over 20 MB: ") + info.name);
        }
        if (info.compressedSize > 0 && info.uncompressedSize / info.compressedSize > static_cast<quint64>(MaxRatio) &&
            info.uncompressedSize > 1024 * 1024) {
            return Failure(QStringLiteral("a compression ratio no team file has: ") + info.name);
        }
        QuaZipFile in(&zip);
        if (!in.open(QIODevice::ReadOnly)) {
            return Failure(QStringLiteral("a damaged package"));
        }
        // Sizes are counted as the bytes come: a header may lie.
        QByteArray data;
        while (!in.atEnd()) {
            const QByteArray piece = in.read(64 * 1024);
            if (piece.isEmpty()) {
                break;
            }
            data += piece;
            if (data.size() > MaxEntry || data.size() > static_cast<qint64>(info.uncompressedSize)) {
                return Failure(QStringLiteral("an entry bigger than it says: ") + info.name);
            }
        }
        in.close();
        if (in.getZipError() != 0) {
            return Failure(QStringLiteral("a damaged package"));
        }
        total += data.size();
        if (total > MaxTotal) {
            return Failure(QStringLiteral("a package over 200 MB once unpacked"));
        }
        if (info.name == Manifest) {
            const QJsonObject m = QJsonDocument::fromJson(data).object();
            if (m.value(QStringLiteral("format")).toInt(0) > FormatVersion) {
                return Failure(QStringLiteral("a package from a newer Brivanta"));
            }
            team = m.value(QStringLiteral("team")).toString();
            continue;
        }
        if (!LooksLikeItsPicture(info.name, data.left(16))) {
            keptOut << info.name + QStringLiteral(": not a picture");
            continue;
        }
        const QString target = QDir(aside.path()).filePath(info.name);
        if (!QDir().mkpath(QFileInfo(target).path()) || !WriteWholeFile(target, data)) {
            return Failure(QStringLiteral("the Teams folder cannot be written"));
        }
    }
    if (team.isEmpty() || ValidateTeamName(team, {}) != NameOutcome::Accepted) {
        return Failure(QStringLiteral("a package without a valid team name"));
    }
    const auto roster = ReadTextFile(QDir(aside.path()).filePath(QStringLiteral("team.csv")), 1 << 20);
    if (!roster || roster->join(QString()).contains(QChar(0))) {
        return Failure(QStringLiteral("the package's team.csv does not read"));
    }
    QString name = team;
    const QString place = TeamFolder(dataFolder, team);
    QString previous;
    if (QFileInfo::exists(place)) {
        if (existing == Existing::Refuse) {
            return Failure(QStringLiteral("a team called \"") + team + QStringLiteral("\" is already there"));
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
    Outcome o;
    o.ok = true;
    o.team = name;
    o.keptOut = keptOut;
    return o;
}

} // namespace TeamPackage
