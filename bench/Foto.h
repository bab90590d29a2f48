#pragma once

#include <QString>

// A photo-like 4000 x 3000 JPEG (gradient and grain), as a phone camera would leave it.
void ScriviFotoGrande(const QString& percorso, unsigned seme);
