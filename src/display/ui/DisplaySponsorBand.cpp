// The sponsor band: header logo, five slots, rotation, and the layout without the band.
#include "display/LayoutWithoutSponsor.h"
#include "display/ui/DisplayWindow.h"
#include "shared/CommonSettings.h"

#include <QFileInfo>

int DisplayWindow::sponsorSlotWidth() const {
    return static_cast<int>(outerWidth() / 5.2);
}

void DisplayWindow::showSponsor(int k, const QString& file, const QImage& image) {
    QLabel* slot = sponsorSlots[k];
    screen_.Sponsor[k] = file;
    screen_.LastSlot = k;
    emit changed();
    if (image.isNull()) {
        return;
    }
    const int width = sponsorSlotWidth();
    slot->resize(width, width * image.height() / image.width());
    slot->setPixmap(QPixmap::fromImage(image));
}

bool DisplayWindow::ShowHeaderLogo(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const int width = static_cast<int>(outerWidth() / 3.7);
    const QImage logo = sponsor_.Image(path, width);
    if (logo.isNull()) {
        return false;
    }
    headerLogo->resize(width, width * logo.height() / logo.width());
    headerLogo->setPixmap(QPixmap::fromImage(logo));
    return true;
}

void DisplayWindow::setBand() {
    sponsor_.Empty();
    expectedSlots_ = {};
    const SponsorList list = ListSponsors(common_.DataFolder);
    if (list.Empty) {
        common_.SponsorBar = 0;
        return;
    }
    ShowHeaderLogo(list.Logo);
    const int last = StartBand(band_, list.File);
    if (common_.SponsorBar == 0) {
        return;
    }
    // The pictures arrive as they are decoded; a slot keeps what it showed until then.
    for (int k = 0; k <= last; ++k) {
        expectedSlots_[k] = band_.FileSponsor[k];
        sponsor_.Prepare(expectedSlots_[k], sponsorSlotWidth());
    }
    if (const auto step = NextStep(band_, common_.SponsorBar)) {
        sponsor_.Prepare(band_.FileSponsor[step->Index], sponsorSlotWidth());
    }
}

void DisplayWindow::ShowBand() {
    sponsorTimer.start();
    for (QLabel* slot : sponsorSlots) {
        slot->show();
    }
}

void DisplayWindow::sponsorTick() {
    const auto step = NextStep(band_, common_.SponsorBar);
    if (!step) {
        return;
    }
    const QString& file = band_.FileSponsor[step->Index];
    const QImage image =
        QFileInfo::exists(file) ? sponsor_.Image(file, sponsorSlotWidth()) : QImage();
    if (image.isNull()) {
        sponsorTimer.stop();
        return;
    }
    expectedSlots_[step->Slot].clear();
    showSponsor(step->Slot, file, image);
    AdvanceBand(band_);
    if (const auto next = NextStep(band_, common_.SponsorBar)) {
        sponsor_.Prepare(band_.FileSponsor[next->Index], sponsorSlotWidth());
    }
}

void DisplayWindow::LayoutWithoutSponsor() {
    if (common_.SponsorBar != 0) {
        return;
    }
    sponsorTimer.stop();
    for (QLabel* slot : sponsorSlots) {
        slot->hide();
    }
    // The layout reads home on the left; the swap comes back after it.
    if (sidesShownSwapped_) {
        swapControls();
    }
    ControlsWithoutSponsor c;
    for (int k = 0; k < 2; ++k) {
        c.scoreLabels[k] = ReadControl(scoreLabels[k], true);
        c.teamLogos[k] = ReadControl(teamLogos[k], false);
        c.setsWonLabels[k] = ReadControl(setsWonLabels[k], true);
        c.timeoutLabels[k] = ReadControl(timeoutLabels[k], true);
        c.scoreFrames[k] = ReadControl(scoreFrames[k], false);
    }
    c.homeNameLabel = ReadControl(homeNameLabel, true);
    c.guestsNameLabel = ReadControl(guestsNameLabel, true);
    ::LayoutWithoutSponsor(c, PixelInTwips(outerWidth()), PixelInTwips(outerHeight()));
    for (int k = 0; k < 2; ++k) {
        ApplyControl(scoreLabels[k], c.scoreLabels[k], true);
        ApplyControl(setsWonLabels[k], c.setsWonLabels[k], true);
        ApplyControl(timeoutLabels[k], c.timeoutLabels[k], true);
        ApplyControl(scoreFrames[k], c.scoreFrames[k], false);
    }
    ApplyControl(homeNameLabel, c.homeNameLabel, true);
    ApplyControl(guestsNameLabel, c.guestsNameLabel, true);
    afterLayout();
    showSides();
}
