#include "display/ScoreBand.h"

#include <algorithm>

namespace {
// Of the banner's height.
constexpr double StripeShare = 0.06;
constexpr double BallShare = 0.76;
constexpr double MarginShare = 0.1;
} // namespace

QRectF ServeMarkerPlace(const QRectF& name, bool scoreOnRight, double side) {
    side = std::min(side, std::min(name.height(), name.width()) * 0.8);
    const double margin = side / 6;
    const double left = scoreOnRight ? name.right() - margin - side : name.left() + margin;
    return {left, name.bottom() - margin - side, side, side};
}

int ServeFrameWidth(int windowWidth) {
    return std::max(3, windowWidth / 240);
}

BannerParts BannerLayout(const QSizeF& size) {
    const double h = size.height();
    const double stripe = h * StripeShare;
    const double margin = h * MarginShare;
    const double ball = h * BallShare;
    BannerParts parts;
    parts.TopStripe = {0, 0, size.width(), stripe};
    parts.BottomStripe = {0, h - stripe, size.width(), stripe};
    parts.Ball = {margin, (h - ball) / 2, ball, ball};
    const double left = parts.Ball.right() + margin;
    parts.Text = {left, stripe + margin / 2, std::max(0.0, size.width() - left - margin),
                  std::max(0.0, h - 2 * stripe - margin)};
    return parts;
}

QString PartialCaption(const QString& pattern, int set, const QString& partial) {
    const QStringList points = partial.split(u'/');
    const QString score =
        points.size() == 2 ? points[0].trimmed() + u'-' + points[1].trimmed() : partial.trimmed();
    return pattern.arg(set).arg(score);
}
