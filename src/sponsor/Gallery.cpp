#include "sponsor/Gallery.h"

#include <QDir>
#include <algorithm>

namespace {
const QString LogoName = QStringLiteral("HEADER_LOGO.JPG");

QStringList Jpeg(const QString& dataFolder) {
    return QDir(SponsorFolder(dataFolder))
        .entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}
} // namespace

QString SponsorFolder(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("Sponsors"));
}

QString ExistingHeaderLogo(const QString& dataFolder) {
    for (const QString& name : Jpeg(dataFolder)) {
        if (name.toUpper() == LogoName) {
            return QDir(SponsorFolder(dataFolder)).filePath(name);
        }
    }
    return {};
}

QString HeaderLogoDestination(const QString& dataFolder) {
    const QString existing = ExistingHeaderLogo(dataFolder);
    return existing.isEmpty()
               ? QDir(SponsorFolder(dataFolder)).filePath(QStringLiteral("HEADER_LOGO.jpg"))
               : existing;
}

QString SponsorDestination(const QString& dataFolder, const QString& chosenName) {
    const QDir folder(SponsorFolder(dataFolder));
    for (const QString& name : folder.entryList(QDir::Files)) {
        if (name.compare(chosenName, Qt::CaseInsensitive) == 0) {
            return folder.filePath(name);
        }
    }
    return folder.filePath(chosenName);
}

int Gallery::Max() const {
    return std::max(0, GalleryNumber() - GallerySlot);
}

QString Gallery::Item(int k) const {
    const int i = Start + k;
    return i >= 0 && i < GalleryNumber() ? Names[i] : QString();
}

void Gallery::Set(int value) {
    Start = std::clamp(value, 0, Max());
}

void Gallery::Left() {
    Start = std::max(0, Start - 1);
}

bool Gallery::Right() {
    if (Start + GallerySlot >= GalleryNumber()) {
        return false;
    }
    ++Start;
    return true;
}

Gallery ListGallery(const QString& dataFolder) {
    Gallery g;
    for (const QString& name : Jpeg(dataFolder)) {
        if (name.toUpper() != LogoName && g.Names.size() < GalleryItems) {
            g.Names.append(name);
        }
    }
    return g;
}
