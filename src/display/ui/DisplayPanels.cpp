// What the lower panels carry: the scorer (name, number, photo in the side's colours), the
// statistics or the last points, and the leading team.
#include "display/ui/DisplayWindow.h"
#include "match/Match.h"

#include <QFileInfo>

int DisplayWindow::scorerPhotoWidth() const {
    return static_cast<int>(outerWidth() / 1.6);
}

// The photo comes from the few recently decoded, else it is decoded now on a worker while
// the panel rises (it slides for longer than a phone photo takes); the default picture when
// there is none or it is not a picture.
void DisplayWindow::showScorerPhoto() {
    shownPhoto_ = match_.ScorerPhoto;
    std::optional<QImage> photo = QImage();
    if (QFileInfo::exists(shownPhoto_)) {
        photo = photo_.Ready(shownPhoto_, scorerPhotoWidth());
        if (!photo) {
            scorerPhoto->clear();
            photo_.Prepare(shownPhoto_, scorerPhotoWidth());
            return;
        }
    }
    const QPixmap image = photo->isNull() ? scorerBall->pixmap() : QPixmap::fromImage(*photo);
    scorerPhoto->setPixmap(image);
    const int width = scorerPhotoWidth();
    const QSize natural = image.size().isEmpty() ? QSize(1, 1) : image.size();
    scorerPhoto->setGeometry(0, scorerPhoto->y(), width,
                             width * natural.height() / natural.width());
}

void DisplayWindow::prepareAthletePhoto(const QString& path) {
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        photo_.Prepare(path, scorerPhotoWidth());
    }
}

void DisplayWindow::showStatistics(const StatisticsPanel& data) {
    screen_.Statistics = data;
    overlayPanels[0]->setVisible(true);
    statisticsTitle->setText(data.Title);
    for (int i = 0; i < 2; ++i) {
        statisticsTotals[i]->setText(data.Totals[i]);
        statisticsTeamNames[i]->setText(data.Names[i]);
    }
    for (int r = 0; r < 4; ++r) {
        statisticsHomeNames[r]->setText(data.HomeNames[r]);
        statisticsHomePoints[r]->setText(data.HomePoints[r]);
        statisticsGuestsPoints[r]->setText(data.GuestsPoints[r]);
        statisticsGuestsNames[r]->setText(data.GuestsNames[r]);
    }
}

// The number on the panel is two labels: scorerNumber carries the text, scorerNumberBackdrop behind
// it the side's colour, so the pair reads as one number.
void DisplayWindow::panelStyle(int side) {
    const QString style = sideStyle(side);
    // Restyling is costly: only when the side's colours really change.
    if (style == panelStyle_) {
        return;
    }
    panelStyle_ = style;
    const QString background = CssColour(colours_[side == 0 ? HomePoints : GuestsPoints]);
    scorerName->setStyleSheet(style);
    scorerNumberBackdrop->setStyleSheet(
        QStringLiteral("background-color:%1;color:%1;").arg(background));
    scorerNumber->setStyleSheet(style + QStringLiteral("background:transparent;"));
}

void DisplayWindow::showLeadingTeam(int side, const QString& title, const QString& photo,
                                    const QString& set, const QString& score) {
    leadingTeamShown_ = true;
    screen_.Leading = {side, title, set, score};
    panelStyle(side);
    scorerTitle->setText(title);
    const int width = static_cast<int>(outerWidth() / 1.72);
    const QImage image = photo.isEmpty() ? QImage() : photo_.Image(photo, width);
    if (image.isNull()) {
        scorerPhoto->setPixmap(QPixmap(QStringLiteral(":/teams/team.png")));
    } else {
        scorerPhoto->setPixmap(QPixmap::fromImage(image));
        scorerPhoto->resize(width, width * image.height() / image.width());
    }
    shownPhoto_.clear();
    if (!set.isEmpty()) {
        scorerNumberBackdrop->setText(set);
        scorerNumber->setText(set);
        scorerName->setText(score);
    }
}
