// The presentation of both line-ups, one person at a time across the display.
#include "display/ui/DisplayWindow.h"
#include "match/Match.h"
#include "shared/CommonSettings.h"
#include "sound/Audio.h"
#include "teams/Searches.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
constexpr int EntryStep = 50; // twips a tick
constexpr int Parking = 300;  // twips beyond the right edge
constexpr double OutlineHeight = 1.24;
constexpr int ZoomSteps = 7;
} // namespace

void DisplayWindow::startOrStopPresentation() {
    presentation_.StopRequest = presentationTimer.isActive() ? 1 : 0;
    screen_.Presentation = true;
    presentationCard->show();
    presentationCard->raise();
    presentationTimer.start();
}

void DisplayWindow::presentationEnd() {
    presentation_ = PresentationState{};
    screen_.Presentation = false;
    emit eventLightChanged(false, {});
    emit changed();
    presentationTimer.stop();
    parkPresentation();
}

void DisplayWindow::parkPresentation() {
    presentationCard->move(outerWidth() + TwipsInPixel(Parking), presentationCard->y());
}

void DisplayWindow::presentationTick() {
    PresentationState& s = presentation_;
    if (s.StopRequest == 1) {
        photoZoomTimer.stop();
        presentationPhoto->setScaledContents(true);
        photoSteps_.reset();
        presentationEnd();
        if (photoGeometry_.isValid()) {
            presentationPhoto->setGeometry(photoGeometry_);
        }
        return;
    }
    emit eventLightChanged(true, common_.Translate(QStringLiteral("Presenta")) + u' ' +
                                     common_.Translate(QStringLiteral("Squadra")));
    if (s.PresentationStep == 0) {
        loadPerson();
        if (!presentationTimer.isActive()) {
            return;
        }
    }
    const int centre =
        static_cast<int>(PixelInTwips(outerWidth() / 2 - presentationCard->width() / 2));
    const PresentationMove move =
        MovePresentation(s, static_cast<int>(PixelInTwips(presentationCard->x())), centre);
    if (move.Hold && s.MissingPhoto == 0 && photoSteps_) {
        // The photo grows one prepared step a frame: the label scales nothing.
        photoStep_ = 0;
        presentationPhoto->setScaledContents(false);
        photoZoomTimer.start();
    }
    presentationTimer.setInterval(move.Interval);
    presentationCard->move(TwipsInPixel(move.Left), presentationCard->y());
    if (presentationCard->x() < -presentationCard->width()) {
        presentationCard->move(outerWidth(), presentationCard->y());
        s.PresentationPhase = 0;
        s.PresentationStep = 0;
        presentationPhoto->setGeometry(photoGeometry_);
        const int lines =
            static_cast<int>(CalledUpNumbers(match_.Rosters[s.PresentedTeam == 1 ? 1 : 0]).size());
        if (s.PresentedLine > lines) {
            emit eventLightChanged(false, {});
            presentationTimer.stop();
        }
    }
}

void DisplayWindow::zoomTick() {
    if (!photoSteps_ || photoStep_ >= photoSteps_->Images.size()) {
        photoZoomTimer.stop();
        presentationPhoto->setScaledContents(true);
        photoSteps_.reset();
        return;
    }
    presentationPhoto->setPixmap(QPixmap::fromImage(std::move(photoSteps_->Images[photoStep_])));
    presentationPhoto->setGeometry(photoSteps_->Rectangles[photoStep_]);
    ++photoStep_;
}

void DisplayWindow::loadPerson() {
    PresentationState& s = presentation_;
    s.PresentationStep = EntryStep;
    photoGeometry_ = presentationPhoto->geometry();
    presentationRole->raise();
    presentationPhoto->lower();
    s.PresentedLine += 1;
    emit changed();
    const int side = s.PresentedTeam == 1 ? 1 : 0;
    const Roster& roster = match_.Rosters[side];
    const QStringList numbers = CalledUpNumbers(roster);
    const QString number =
        s.PresentedLine <= numbers.size() ? numbers[s.PresentedLine - 1] : QString();
    presentationNumber->setText(number);
    presentationHeading->setText(AthleteSurname(roster, number, common_.Languages) + u' ' +
                                 AthleteName(roster, number));
    presentationRole->setText(AthleteRole(roster, number, common_.Languages));
    presentationSide->setText(side == 1 ? QStringLiteral("G U E S T S")
                                        : QStringLiteral("H O M E"));
    const QString style = sideStyle(side);
    for (QLabel* e :
         {presentationHeading, presentationRole, presentationNumber, presentationSide}) {
        e->setStyleSheet(style);
    }
    presentationCard->setStyleSheet(QStringLiteral("QFrame{") + style + u'}');
    const QString folder = TeamFolder(common_.DataFolder, match_.TeamName[side]);
    showPresentationPhoto(number.isEmpty() ? QString() : AthletePhoto(folder, number));
    if (number.isEmpty()) {
        if (side == 0) {
            s.PresentedTeam = 1;
            s.PresentationStep = 0;
            s.PresentedLine = 0;
        } else {
            presentationEnd();
        }
        return;
    }
    const QString audio = AthleteAudio(folder, number);
    if (!audio.isEmpty() && QFileInfo::exists(audio)) {
        player_.StopAudio();
        player_.PlayAudio(audio);
    }
}

// The photo at display width / 3.4; the default silhouette a little taller, never enlarged.
// The silhouette stands in while the photo is decoded: the panel is still entering.
void DisplayWindow::showPresentationPhoto(const QString& photo) {
    const int width = static_cast<int>(outerWidth() / 3.4);
    const quint64 person = ++presentedPerson_;
    photoSteps_.reset();
    const QPixmap outline = builtInPictures[0]->pixmap();
    const double outlineProportion =
        outline.width() > 0 ? static_cast<double>(outline.height()) / outline.width() : 1.0;
    presentationPhoto->setPixmap(outline);
    presentationPhoto->resize(width, static_cast<int>(OutlineHeight * width * outlineProportion));
    const bool withPhoto = !photo.isEmpty() && QFileInfo::exists(photo);
    presentation_.MissingPhoto = withPhoto ? 0 : 1;
    if (!withPhoto) {
        return;
    }
    const QPoint corner = presentationPhoto->pos();
    const int photoWidth = scorerPhotoWidth();
    presentationJob_.start([this, person, photo, width, photoWidth, corner] {
        const QImage image = DecodeImage(photo, photoWidth);
        PhotoSteps steps;
        QSize initial;
        if (!image.isNull()) {
            const double proportion = static_cast<double>(image.height()) / image.width();
            initial = QSize(width, static_cast<int>(width * proportion));
            PhotoRectangle r{static_cast<double>(corner.x()), static_cast<double>(corner.y()),
                             static_cast<double>(initial.width()),
                             static_cast<double>(initial.height())};
            // Only the last step is scaled smoothly: the ones before are on screen a moment.
            for (int i = 0; i < ZoomSteps; ++i) {
                r = EnlargePhoto(r);
                const QSize size(static_cast<int>(r.Width), static_cast<int>(r.Height));
                steps.Images.push_back(image.scaled(size, Qt::IgnoreAspectRatio,
                                                    i + 1 < ZoomSteps ? Qt::FastTransformation
                                                                      : Qt::SmoothTransformation));
                steps.Rectangles.emplace_back(
                    QPoint(static_cast<int>(r.Left), static_cast<int>(r.Top)), size);
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, person, image, initial, steps = std::move(steps)]() mutable {
                if (person != presentedPerson_) {
                    return;
                }
                if (image.isNull()) {
                    presentation_.MissingPhoto = 1;
                    return;
                }
                presentationPhoto->setPixmap(QPixmap::fromImage(image));
                presentationPhoto->resize(initial);
                photoSteps_ = std::move(steps);
            },
            Qt::QueuedConnection);
    });
}

void DisplayWindow::waitForPresentationPhoto() {
    presentationJob_.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}
