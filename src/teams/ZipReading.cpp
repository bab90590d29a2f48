#include "teams/ZipReading.h"

#include <QFileInfo>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

namespace ZipReading {

namespace {

// A name that stays inside its folder: no parent steps, no root, no drive, no backslash.
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

} // namespace

QString Walk(const QString& file, const Take& take) {
    QuaZip zip(file);
    if (!zip.open(QuaZip::mdUnzip)) {
        return NotAZip;
    }
    if (zip.getEntriesCount() > MaxEntries + 1) {
        return QStringLiteral("too many files in the zip");
    }
    qint64 total = 0;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info)) {
            return QStringLiteral("a damaged zip");
        }
        if (!SafeEntry(info.name) || IsLink(info)) {
            return QStringLiteral("an entry that would leave its folder: ") + info.name;
        }
        if (info.name.endsWith(u'/')) {
            continue;
        }
        if (info.uncompressedSize > static_cast<quint64>(MaxEntry)) {
            return QStringLiteral("an entry over 20 MB: ") + info.name;
        }
        if (info.compressedSize > 0 &&
            info.uncompressedSize / info.compressedSize > static_cast<quint64>(MaxRatio) &&
            info.uncompressedSize > 1024 * 1024) {
            return QStringLiteral("a compression ratio no team file has: ") + info.name;
        }
        QuaZipFile in(&zip);
        if (!in.open(QIODevice::ReadOnly)) {
            return QStringLiteral("a damaged zip");
        }
        QByteArray data;
        while (!in.atEnd()) {
            const QByteArray piece = in.read(64 * 1024);
            if (piece.isEmpty()) {
                break;
            }
            data += piece;
            if (data.size() > MaxEntry ||
                data.size() > static_cast<qint64>(info.uncompressedSize)) {
                return QStringLiteral("an entry bigger than it says: ") + info.name;
            }
        }
        in.close();
        if (in.getZipError() != 0) {
            return QStringLiteral("a damaged zip");
        }
        total += data.size();
        if (total > MaxTotal) {
            return QStringLiteral("over 200 MB once unpacked");
        }
        if (QString error = take(info.name, data); !error.isEmpty()) {
            return error;
        }
    }
    return {};
}

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

} // namespace ZipReading
