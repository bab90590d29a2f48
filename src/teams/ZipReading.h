#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Zip files from elsewhere (team packages, folders of photos) read with the same guards: every
// entry stays inside its folder, no links, bounded counts and sizes, sizes counted as the bytes
// come because a header may lie.
namespace ZipReading {
constexpr int MaxEntries = 500;
constexpr qint64 MaxEntry = 20LL * 1024 * 1024;
constexpr qint64 MaxTotal = 200LL * 1024 * 1024;
// Pictures and sounds hardly compress; a ratio beyond this is a zip bomb.
constexpr qint64 MaxRatio = 100;
inline const QString NotAZip = QStringLiteral("not a zip file");

// Hands every file entry to `take`, in the zip's order; an error from `take` or from the guards
// ends the walk. Returns the error in one English line, empty when every entry was taken.
using Take = std::function<QString(const QString& name, const QByteArray& data)>;
QString Walk(const QString& file, const Take& take);

// A picture's first bytes say what it is; a renamed document is not a photo. Names that are not
// pictures pass.
bool LooksLikeItsPicture(const QString& name, const QByteArray& start);
} // namespace ZipReading
