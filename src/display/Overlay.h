#pragma once

#include <QRect>
#include <QSize>
#include <algorithm>

// The card the display lays over its score band for a countdown or the match's result: large
// enough to read across a hall, it follows the display's size.
QRect CardRect(QSize display);

// The largest pixel size, at most `preferred`, at which text `measure` reports fits in `room`;
// `measure` gives the text's size at a pixel size. Never below one pixel.
template <typename Measure> int FittingPixelSize(int preferred, QSize room, Measure measure) {
    int size = preferred;
    while (size > 1) {
        const QSize text = measure(size);
        if (text.width() <= room.width() && text.height() <= room.height()) {
            break;
        }
        // Shrinking by a tenth at a time stays quick for any name and close to the best fit.
        size = std::min(size - 1, size * 9 / 10);
    }
    return std::max(size, 1);
}
