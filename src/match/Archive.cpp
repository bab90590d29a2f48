#include "match/Archive.h"

#include "shared/FileWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString Clean(const QString& name) {
    static const QRegularExpression forbidden(QStringLiteral(R"re([\\/:*?"<>|\x00-\x1f])re"));
    QString clean = name.trimmed();
    clean.replace(forbidden, QStringLiteral("_"));
    return clean.left(40);
}

// "yyyy-MM-dd HH-mm-ss *.txt"; spelled out so no "??-" reads as a trigraph.
const QString Filter = QStringLiteral("[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] *.txt");

} // namespace

QString CopyName(const QDateTime& when, const QString& home, const QString& guests) {
    return when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")) + u' ' + Clean(home) +
           QStringLiteral(" - ") + Clean(guests) + QStringLiteral(".txt");
}

void PruneCopies(const QString& folder, int kept) {
    QDir dir(folder);
    const QStringList copies = dir.entryList({Filter}, QDir::Files, QDir::Name | QDir::Reversed);
    for (qsizetype i = kept; i < copies.size(); ++i) {
        dir.remove(copies[i]);
    }
}

Archive::Archive(Disk& disk, QString folder)
    : folder_(std::move(folder)), writer_(std::make_unique<FileWriter>(disk)) {
    connect(writer_.get(), &FileWriter::Failed, this,
            [this](const QString&, const QString& reason) { emit Failed(folder_, reason); });
}

Archive::~Archive() = default;

void Archive::Keep(const QByteArray& data, const QDateTime& when, const QString& home,
                   const QString& guests) {
    if (folder_.isEmpty()) {
        return;
    }
    QString name = CopyName(when, home, guests);
    // Two copies in the same second (a save, then a new match) keep both; "_" sorts the
    // second after the first.
    for (int n = 2; names_.contains(name) || QFileInfo::exists(QDir(folder_).filePath(name)); ++n) {
        name = CopyName(when, home, guests).chopped(4) + QStringLiteral("_%1.txt").arg(n);
    }
    names_.insert(name);
    const QString folder = folder_;
    QDir().mkpath(folder);
    writer_->HandOver(QDir(folder).filePath(name), data, [folder] { PruneCopies(folder, Kept); });
}

bool Archive::Wait(int ms) {
    return writer_->Wait(ms);
}
