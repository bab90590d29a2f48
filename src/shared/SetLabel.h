#pragma once

#include <QString>

// A set's caption as the language writes its ordinal: "1° SET", "1st SET", "1er SET",
// "1. SATZ", "1.er SET". A language the program has no ordinal for gets "SET 1".
QString OrdinalSetLabel(const QString& language, int set);
