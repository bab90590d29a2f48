#pragma once

#include <QSize>
#include <QString>

// A photo-like JPEG (gradient and grain), 4000 x 3000 unless told, as a phone camera would
// leave it.
void WriteLargePhoto(const QString& path, unsigned seed, QSize size = {4000, 3000});
