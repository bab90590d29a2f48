#include "shared/ScreenFit.h"

#include <algorithm>

QPoint ConsolePosition(QSize frame, const QRect& available) {
    return {std::max(available.left(), available.right() + 1 - frame.width()), available.top()};
}

QRect DisplayOnSharedScreen(const QRect& available) {
    const QSize size = available.size() * 2 / 3;
    return {available.topLeft() + QPoint((available.width() - size.width()) / 2,
                                         (available.height() - size.height()) / 2),
            size};
}

QRect FullHeight(const QRect& available, const QMargins& frame, int left, int width) {
    const int height = available.height() - frame.top() - frame.bottom();
    return {left, available.top() + frame.top(), width, std::max(1, height)};
}
