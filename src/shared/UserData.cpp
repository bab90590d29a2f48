#include "shared/UserData.h"

#include "platform/Folders.h"
#include "shared/FileText.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const QString Table = QStringLiteral("Languages.csv");
// The shipped files already given to this user, one relative path a line.
const QString Received = QStringLiteral(".brivanta_ricevuti");
constexpr qint64 MaxTable = 4LL * 1024 * 1024;

QString Key(const QString& line) {
    return line.section(u';', 0, 0).trimmed().toUpper();
}

bool JoinTable(const QString& sent, const QString& own) {
    if (!QFileInfo::exists(own)) {
        return CopyWholeFile(sent, own);
    }
    const auto fresh = ReadTextFile(sent, MaxTable);
    auto lines = ReadTextFile(own, MaxTable);
    if (!fresh || !lines) {
        return false;
    }
    QSet<QString> keys;
    for (const QString& r : *lines) {
        keys.insert(Key(r));
    }
    while (!lines->isEmpty() && lines->last().trimmed().isEmpty()) {
        lines->removeLast();
    }
    const qsizetype before = lines->size();
    for (const QString& r : *fresh) {
        if (!r.trimmed().isEmpty() && !keys.contains(Key(r))) {
            lines->append(r);
            keys.insert(Key(r));
        }
    }
    return lines->size() == before || WriteTextFile(own, *lines);
}

} // namespace

QString DecideDataFolder(const Folders& folders, const QString& programFolder) {
    const QString documents = folders.Documents();
    if (!documents.isEmpty()) {
        const QString data = QDir(documents).filePath(QStringLiteral("Brivanta"));
        const QDir home(QDir(data).filePath(QStringLiteral("Teams/Home")));
        if (!home.entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty()) {
            return data;
        }
    }
    return programFolder;
}

QString SentFolder(const QString& program) {
    if (QFileInfo::exists(QDir(program).filePath(Table))) {
        return QDir::cleanPath(program);
    }
    return QDir::cleanPath(QDir(program).filePath(QStringLiteral("../share/brivanta")));
}

QString ProgramFolder(const Folders& folders) {
    const QString program = QDir::cleanPath(folders.Program());
    const QString user = folders.User();
    const QString sent = SentFolder(program);
    // Installed: the data lives elsewhere, whether or not the user (root) could write here.
    const bool installed = sent != program && QFileInfo::exists(QDir(sent).filePath(Table));
    if (user.isEmpty() || (!installed && folders.WritableProgramFolder())) {
        return program;
    }
    SeedUserData(sent, user);
    return QDir::cleanPath(user);
}

bool SeedUserData(const QString& sent, const QString& user) {
    if (!QDir().mkpath(user)) {
        return false;
    }
    const QDir from(sent);
    const QDir a(user);
    const QString list = a.filePath(Received);
    QStringList received;
    if (const auto lines = ReadTextFile(list, MaxTable)) {
        received = *lines;
    }
    const QSet<QString> already(received.begin(), received.end());
    bool succeeded = true;
    QDirIterator file(sent, QDir::Files, QDirIterator::Subdirectories);
    while (file.hasNext()) {
        const QString relative = from.relativeFilePath(file.next());
        if (relative == Table) {
            succeeded = JoinTable(file.filePath(), a.filePath(relative)) && succeeded;
            continue;
        }
        if (already.contains(relative)) {
            continue;
        }
        const QString destination = a.filePath(relative);
        if (!QFileInfo::exists(destination)) {
            const bool copied = QDir().mkpath(QFileInfo(destination).path()) &&
                                CopyWholeFile(file.filePath(), destination);
            // An installed file is read-only; the user's copy is theirs to change.
            QFile::setPermissions(destination,
                                  QFile::permissions(destination) | QFileDevice::WriteOwner);
            if (!copied) {
                succeeded = false;
                continue;
            }
        }
        received.append(relative);
    }
    if (received.size() != already.size()) {
        succeeded = WriteTextFile(list, received) && succeeded;
    }
    return succeeded;
}
