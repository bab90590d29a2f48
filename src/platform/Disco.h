#pragma once

#include <QByteArray>
#include <QString>

// Writes whole files for the background writers: all or nothing (write, sync, then rename).
// Called from a worker thread.
class Disco {
public:
    virtual ~Disco() = default;
    // False when the file could not be written whole; `motivo` then says why.
    virtual bool Scrivi(const QString& percorso, const QByteArray& dati, QString& motivo) = 0;
};
