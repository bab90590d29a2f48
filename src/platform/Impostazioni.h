#pragma once

#include <QString>

// Per-user strings of application "Brivanta", section "Startup"; a missing key reads "".
class Impostazioni {
public:
    virtual ~Impostazioni() = default;
    virtual QString Leggi(const QString& chiave) const = 0;
    virtual void Scrivi(const QString& chiave, const QString& valore) = 0;
};
