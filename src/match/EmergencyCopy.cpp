#include "match/EmergencyCopy.h"

#include "match/MatchFile.h"
#include "shared/FileText.h"
#include "shared/FileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// A match of five long sets is a few kilobytes; a file this big is not a match file.
constexpr qint64 MaxSize = 64LL * 1024 * 1024;
} // namespace

EmergencyCopy::EmergencyCopy(Disk& disk, const QString& temporaryFolder, const QString& userFolder)
    : place_(temporaryFolder, userFolder), writer_(std::make_unique<FileWriter>(disk)) {
    connect(writer_.get(), &FileWriter::Failed, this, &EmergencyCopy::Failed);
    connect(writer_.get(), &FileWriter::Resumption, this, &EmergencyCopy::Resumed);
    connect(writer_.get(), &FileWriter::Written, this, &EmergencyCopy::Written);
    connect(writer_.get(), &FileWriter::NotWritten, this, &EmergencyCopy::NotWritten);
    connect(writer_.get(), &FileWriter::Moved, this,
            [this](const QString&, const QString& fallback, const QString& reason) {
                emit Moved(QFileInfo(fallback).absolutePath(), reason);
            });
}

EmergencyCopy::~EmergencyCopy() = default;

QString EmergencyCopy::Path() const {
    return writer_->WrittenPath(place_.copyPath());
}

QString EmergencyCopy::FallbackPath() const {
    for (const QString& folder : {place_.temporaryFolder(), place_.userFolder()}) {
        if (!folder.isEmpty() && folder != place_.folder()) {
            return QDir(folder).filePath(QFileInfo(place_.copyPath()).fileName());
        }
    }
    return {};
}

void EmergencyCopy::Save(const QByteArray& matchFile) {
    writer_->HandOver(place_.copyPath(), matchFile, {}, FallbackPath());
}

bool EmergencyCopy::Wait(int ms) {
    return writer_->Wait(ms);
}

qint64 EmergencyCopy::HandedOverCount() const {
    return writer_->HandedOverCount();
}

qint64 EmergencyCopy::WrittenCount() const {
    return writer_->WrittenCount();
}

qint64 EmergencyCopy::TriedCount() const {
    return writer_->TriedCount();
}

std::optional<EmergencyCopy::Interrupted>
EmergencyCopy::FindInterrupted(const LanguageTable& languages) const {
    bool interrupted = false;
    std::optional<Interrupted> newest;
    std::optional<std::array<QString, 2>> resumable;
    for (const QString& folder : place_.foldersToSearch()) {
        const QDir dir(folder);
        interrupted = interrupted ||
                      QFileInfo::exists(dir.filePath(QFileInfo(place_.markerPath()).fileName()));
        const QString path = dir.filePath(QFileInfo(place_.copyPath()).fileName());
        auto lines = ReadTextFile(path, MaxSize);
        const auto file = lines ? ReadMatchFile(*lines) : std::nullopt;
        const QDateTime written = QFileInfo(path).lastModified();
        if (file && (!newest || written > newest->written)) {
            newest = Interrupted{path, written, std::move(*lines), {}};
            resumable = MatchToResume(*file, languages);
        }
    }
    if (!interrupted || !resumable) {
        return std::nullopt;
    }
    newest->teams = *resumable;
    return newest;
}

void EmergencyCopy::Forget(const Interrupted& declined) {
    QFile::remove(declined.path);
}

void EmergencyCopy::MarkInUse() {
    QFile marker(place_.markerPath());
    if (marker.open(QIODevice::WriteOnly)) {
        marker.close();
    }
}

void EmergencyCopy::EndInUse(int waitMs) {
    writer_->Wait(waitMs);
    for (const QString& folder : place_.foldersToSearch()) {
        QFile::remove(QDir(folder).filePath(QFileInfo(place_.markerPath()).fileName()));
    }
}
