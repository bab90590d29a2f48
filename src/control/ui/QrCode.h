#pragma once

#include <QImage>
#include <QString>

// The text as a QR code, black on white with the four-module quiet zone, each module
// `side` pixels wide; a null image when the text does not fit a QR code.
QImage QrCode(const QString& text, int side);
