#pragma once

#include <QString>
#include <functional>

// Per-user strings of application "Brivanta", section "Startup"; a missing key reads "".
class Settings {
  public:
    // The settings file and the system's reason, when a change could not be stored.
    using NotStored = std::function<void(const QString& file, const QString& reason)>;

    virtual ~Settings() = default;
    virtual QString Read(const QString& key) const = 0;
    virtual void Write(const QString& key, const QString& value) = 0;
    // Who hears of the first failed write of a run of failures; empty to stop telling.
    virtual void WhenNotStored(NotStored tell) { (void)tell; }
};
