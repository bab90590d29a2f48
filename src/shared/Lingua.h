#pragma once

#include <QString>

// The language table. Until a table is loaded every text stays Italian.
class TabellaLingue {
public:
    QString Traduci(const QString& testo) const { return testo; }
};
