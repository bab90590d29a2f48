#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Every number read from text (codes, labels, file values, history positions)
// goes through here: the value of the leading number, 0 when there is none.
double NumericValue(QStringView text);
int IntegerValue(QStringView text);

// Right-aligned in two characters, as the history and the set results want.
QString Align2(int value);

// A whole setting value as a 16-bit integer (rounded half to even), or nothing
// when it is empty, not a number or out of range.
std::optional<int> Int16(const QString& text);

// A whole setting value as a decimal number, or nothing.
std::optional<double> Decimal(const QString& text);
