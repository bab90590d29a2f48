#pragma once

#include <QDateTime>

class Orologio {
public:
    virtual ~Orologio() = default;
    virtual QDateTime Adesso() const = 0;
};
