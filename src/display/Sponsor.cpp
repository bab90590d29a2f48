#include "display/Sponsor.h"

#include <QDir>

namespace {
const QString LogoName = QStringLiteral("HEADER_LOGO.JPG");
} // namespace

bool AcceptedSponsorFile(const QString& name) {
    const QString upper = name.toUpper();
    if (upper == LogoName) {
        return false;
    }
    const QString extension = upper.right(4);
    return extension == QStringLiteral(".JPG") || extension == QStringLiteral(".GIF") ||
           extension == QStringLiteral(".BMP");
}

SponsorList ListSponsors(const QString& dataFolder) {
    SponsorList e;
    const QDir folder(QDir(dataFolder).filePath(QStringLiteral("Sponsors")));
    const QStringList all =
        folder.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    e.Empty = all.isEmpty();
    for (const QString& name : all) {
        if (name.toUpper() == LogoName && e.Logo.isEmpty()) {
            e.Logo = folder.filePath(name);
        } else if (AcceptedSponsorFile(name) && e.File.size() < MaxSponsors) {
            e.File.append(folder.filePath(name));
        }
    }
    return e;
}

int StartBand(BandState& b, const QStringList& file) {
    b.FileSponsor = file;
    b.SponsorNumber = static_cast<int>(file.size());
    b.SlotSponsor = 0;
    b.NextSponsor = 0;
    if (b.SponsorNumber == 0) {
        return -1;
    }
    if (b.SponsorNumber <= BandSlot) {
        return b.SponsorNumber - 1;
    }
    b.NextSponsor = BandSlot;
    return BandSlot - 1;
}

std::optional<BandStep> NextStep(const BandState& b, int sponsorBar) {
    if (sponsorBar == 0 || b.SponsorNumber <= BandSlot) {
        return std::nullopt;
    }
    return BandStep{b.SlotSponsor, b.NextSponsor};
}

void AdvanceBand(BandState& b) {
    b.NextSponsor += 1;
    if (b.NextSponsor > b.SponsorNumber - 1) {
        b.NextSponsor = 0;
    }
    b.SlotSponsor += 1;
    if (b.SlotSponsor > BandSlot - 1) {
        b.SlotSponsor = 0;
    }
}
