#include "shared/Numbers.h"

#include <cmath>
#include <limits>

double NumericValue(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t')) {
        ++i;
    }
    double sign = 1.0;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        sign = text[i] == u'-' ? -1.0 : 1.0;
        ++i;
    }
    double value = 0.0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        value = value * 10.0 + (text[i].unicode() - u'0');
        ++i;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        double weight = 0.1;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            value += weight * (text[i].unicode() - u'0');
            weight /= 10.0;
            ++i;
        }
    }
    return std::isfinite(value) ? sign * value : 0.0;
}

int IntegerValue(QStringView text) {
    const double v = std::trunc(NumericValue(text));
    constexpr double max = std::numeric_limits<int>::max();
    if (v > max) {
        return std::numeric_limits<int>::max();
    }
    if (v < -max) {
        return -std::numeric_limits<int>::max();
    }
    return static_cast<int>(v);
}

QString Align2(int value) {
    return QString::number(value).rightJustified(2, u' ');
}

std::optional<double> Decimal(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

std::optional<int> Int16(const QString& text) {
    const auto v = Decimal(text);
    if (!v) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(*v);
    if (rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<int>(rounded);
}
