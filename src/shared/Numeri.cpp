#include "shared/Numeri.h"

#include <cmath>
#include <limits>

double ValoreNumerico(QStringView testo) {
    qsizetype i = 0;
    const qsizetype n = testo.size();
    while (i < n && (testo[i] == u' ' || testo[i] == u'\t')) {
        ++i;
    }
    double segno = 1.0;
    if (i < n && (testo[i] == u'-' || testo[i] == u'+')) {
        segno = testo[i] == u'-' ? -1.0 : 1.0;
        ++i;
    }
    double valore = 0.0;
    while (i < n && testo[i].isDigit() && testo[i].unicode() < 128) {
        valore = valore * 10.0 + (testo[i].unicode() - u'0');
        ++i;
    }
    if (i < n && testo[i] == u'.') {
        ++i;
        double peso = 0.1;
        while (i < n && testo[i].isDigit() && testo[i].unicode() < 128) {
            valore += peso * (testo[i].unicode() - u'0');
            peso /= 10.0;
            ++i;
        }
    }
    return std::isfinite(valore) ? segno * valore : 0.0;
}

int ValoreIntero(QStringView testo) {
    const double v = std::trunc(ValoreNumerico(testo));
    constexpr double massimo = std::numeric_limits<int>::max();
    if (v > massimo) {
        return std::numeric_limits<int>::max();
    }
    if (v < -massimo) {
        return -std::numeric_limits<int>::max();
    }
    return static_cast<int>(v);
}

QString Allinea2(int valore) {
    return QString::number(valore).rightJustified(2, u' ');
}

std::optional<double> Decimale(const QString& testo) {
    bool ok = false;
    const double v = testo.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

std::optional<int> Intero16(const QString& testo) {
    const auto v = Decimale(testo);
    if (!v) {
        return std::nullopt;
    }
    const double arrotondato = std::nearbyint(*v);
    if (arrotondato < -32768.0 || arrotondato > 32767.0) {
        return std::nullopt;
    }
    return static_cast<int>(arrotondato);
}
