#include "display/TextFit.h"

#include <algorithm>

namespace {
// Each try is this much smaller than the last: fine enough that no visible room is wasted.
constexpr double Step = 0.96;
} // namespace

double FittingSize(const std::function<QSizeF(double)>& measure, const QSizeF& box, double largest,
                   double smallest) {
    smallest = std::min(smallest, largest);
    for (double size = largest; size > smallest; size *= Step) {
        const QSizeF extent = measure(size);
        if (extent.width() <= box.width() && extent.height() <= box.height()) {
            return size;
        }
    }
    return smallest;
}
