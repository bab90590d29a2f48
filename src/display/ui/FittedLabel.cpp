#include "display/ui/FittedLabel.h"
#include "display/TextFit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {
// The caption is this much smaller than the text it names.
constexpr double CaptionShare = 0.6;

QFont Sized(const QFont& font, double points) {
    QFont sized = font;
    sized.setPointSizeF(std::max(1.0, points));
    return sized;
}
} // namespace

void FittedLabel::setCaption(const QString& caption) {
    if (caption != caption_) {
        caption_ = caption;
        update();
    }
}

const FittedLabel::Drawing& FittedLabel::drawing() const {
    const QRect box = contentsRect();
    const QString key = text() + u'\x1f' + caption_ + u'\x1f' + font().toString() + u'\x1f' +
                        QString::number(box.width()) + u'x' + QString::number(box.height()) +
                        u'\x1f' + QString::number(alignment());
    if (key != drawingKey_) {
        drawingKey_ = key;
        drawing_ = measure();
    }
    return drawing_;
}

FittedLabel::Drawing FittedLabel::measure() const {
    const QRect box = contentsRect();
    const double largest = font().pointSizeF() > 0 ? font().pointSizeF() : 12;
    const QString captionText = caption_.isEmpty() ? QString() : caption_ + u' ';
    const auto measure = [&](double points) {
        const QFontMetricsF metrics(Sized(font(), points));
        const QFontMetricsF captionMetrics(Sized(font(), points * CaptionShare));
        return QSizeF(captionMetrics.horizontalAdvance(captionText) +
                          metrics.horizontalAdvance(text()),
                      metrics.height());
    };
    const double points = FittingSize(measure, box.size(), largest, largest * SmallestFittedShare);
    Drawing d;
    d.Font = Sized(font(), points);
    d.CaptionFont = Sized(font(), points * CaptionShare);
    const QFontMetrics metrics(d.Font);
    d.CaptionWidth =
        static_cast<int>(std::ceil(QFontMetricsF(d.CaptionFont).horizontalAdvance(captionText)));
    d.Text = metrics.elidedText(text(), Qt::ElideRight, std::max(0, box.width() - d.CaptionWidth));
    const int width = std::min(box.width(), d.CaptionWidth + metrics.horizontalAdvance(d.Text));
    d.Whole = QStyle::alignedRect(layoutDirection(), alignment(),
                                  QSize(width, std::min(box.height(), metrics.height())), box);
    d.Baseline = d.Whole.top() + metrics.ascent();
    return d;
}

QFont FittedLabel::fittedFont() const {
    return drawing().Font;
}

QString FittedLabel::drawnText() const {
    return drawing().Text;
}

QRect FittedLabel::drawnRectangle() const {
    return drawing().Whole;
}

void FittedLabel::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    const Drawing& d = drawing();
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    if (!caption_.isEmpty()) {
        painter.setFont(d.CaptionFont);
        painter.drawText(QPoint(d.Whole.left(), d.Baseline), caption_);
    }
    painter.setFont(d.Font);
    painter.drawText(QPoint(d.Whole.left() + d.CaptionWidth, d.Baseline), d.Text);
}
