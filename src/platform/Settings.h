#pragma once

#include <QString>

// Per-user strings of application "Brivanta", section "Startup"; a missing key reads "".
class Settings {
  public:
    virtual ~Settings() = default;
    virtual QString Read(const QString& key) const = 0;
    virtual void Write(const QString& key, const QString& value) = 0;
};
