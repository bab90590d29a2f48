#pragma once

#include <QString>
#include <ostream>

// Readable QString in test failures.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
