#include "display/Overlay.h"

QRect CardRect(QSize display) {
    const int width = display.width() * 88 / 100;
    const int height = display.height() * 56 / 100;
    return {(display.width() - width) / 2, display.height() * 30 / 100, width, height};
}
