#pragma once

#include <QByteArray>
#include <QString>

// Writes whole files for the background writers: all or nothing (write, sync, then rename).
// Called from a worker thread.
class Disk {
  public:
    virtual ~Disk() = default;
    // False when the file could not be written whole; `reason` then says why.
    virtual bool Write(const QString& path, const QByteArray& data, QString& reason) = 0;
};
