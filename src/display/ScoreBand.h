#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

// The score band as the hall reads it: where the serve marker and the banner's parts go, and
// the texts the band's small labels carry.

// The serve marker: a square ball of `side` in the serving team's name panel, in its bottom
// corner beside the score, where no name or digit is drawn; at most 4/5 of a low panel.
QRectF ServeMarkerPlace(const QRectF& name, bool scoreOnRight, double side);

// The serving score's frame, thick enough to be seen from the stands: a share of the width.
int ServeFrameWidth(int windowWidth);

// The set point / match point banner, drawn in a box of `size`: a stripe along each long
// edge, the ball on the left, the text in the rest.
struct BannerParts {
    QRectF TopStripe;
    QRectF BottomStripe;
    QRectF Ball;
    QRectF Text;
};
BannerParts BannerLayout(const QSizeF& size);

// A finished set's score as the clock shows it between the times of day: "Set 2: 15-0" from
// the partial " 15/ 0" and the translated pattern ("Set %1: %2").
QString PartialCaption(const QString& pattern, int set, const QString& partial);
