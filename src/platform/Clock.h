#pragma once

#include <QDateTime>

class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
};
