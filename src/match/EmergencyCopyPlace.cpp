#include "match/EmergencyCopyPlace.h"

#include "shared/FileText.h"

#include <QDir>
#include <QFile>

namespace {

const QString CopyName = QStringLiteral("match.txt");
const QString MarkerName = QStringLiteral("brivanta.in_uso");

// Tried with real bytes: a full disk still lets an empty file be made.
QString WriteRefusal(const QString& folder) {
    if (folder.isEmpty()) {
        return QStringLiteral("no folder");
    }
    if (!QDir().mkpath(folder)) {
        return QStringLiteral("cannot be made");
    }
    const QString probe = QDir(folder).filePath(QStringLiteral(".brivanta_prova"));
    QString reason;
    const bool written = WriteWholeFile(probe, QByteArray(4096, '\n'), &reason);
    QFile::remove(probe);
    return written ? QString() : reason;
}

} // namespace

EmergencyCopyPlace::EmergencyCopyPlace(const QString& temporaryFolder, const QString& userFolder)
    : temporaryFolder_(temporaryFolder), userFolder_(userFolder), folder_(temporaryFolder) {
    temporaryRefusal_ = WriteRefusal(temporaryFolder);
    if (temporaryRefusal_.isEmpty()) {
        return;
    }
    userRefusal_ = WriteRefusal(userFolder);
    if (userRefusal_.isEmpty()) {
        folder_ = userFolder;
    }
}

QString EmergencyCopyPlace::copyPath() const {
    return QDir(folder_).filePath(CopyName);
}

QString EmergencyCopyPlace::markerPath() const {
    return QDir(folder_).filePath(MarkerName);
}

QStringList EmergencyCopyPlace::foldersToSearch() const {
    QStringList folders{folder_};
    for (const QString& other : {temporaryFolder_, userFolder_}) {
        if (!other.isEmpty() && !folders.contains(other)) {
            folders << other;
        }
    }
    return folders;
}
