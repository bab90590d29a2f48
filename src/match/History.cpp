#include "match/History.h"

#include "shared/Numbers.h"

QString HistoryTime(const QString& fullTime) {
    return fullTime.left(5);
}

QString EventCode(int side, const QString& athleteCode, int pointType) {
    return (side == 0 ? QStringLiteral("H_") : QStringLiteral("G_")) + athleteCode +
           QStringLiteral("_") + QString::number(pointType);
}

QString PointLine(int set, int home, int guests, const QString& wallNow, const QString& eventCode) {
    return QStringLiteral("(") + QString::number(set) + QStringLiteral(")") + Align2(home) +
           QStringLiteral(" - ") + Align2(guests) + QStringLiteral(" - ") + wallNow +
           QStringLiteral(" - ") + eventCode;
}

QString SetStartLine(int set, const QString& wallNow) {
    return QStringLiteral("(") + QString::number(set) + QStringLiteral(") 0 -  0 - ") + wallNow +
           QStringLiteral(" - 0_0");
}

QString TimeoutLine(int count, int side, const QString& sideWord, const QString& wallNow) {
    return QString::number(count) + QStringLiteral("#") +
           (side == 0 ? QStringLiteral("H") : QStringLiteral("G")) + QStringLiteral(" Timeout ") +
           sideWord + QStringLiteral(" - ") + wallNow;
}

HistoryLine ReadLine(const QString& line) {
    HistoryLine r;
    const QStringView text(line);
    const int count = IntegerValue(text);
    if (count > 0) {
        r.Timeout = true;
        r.Count = count;
        r.Side = text.mid(2, 1) == u"G" ? 1 : 0;
        return r;
    }
    r.Set = IntegerValue(text.mid(1, 1));
    r.Home = IntegerValue(text.mid(3, 2));
    r.Guests = IntegerValue(text.mid(8, 2));
    return r;
}

bool IsPointLine(const QString& line) {
    return !ReadLine(line).Timeout &&
           (line.contains(QStringLiteral("H_")) || line.contains(QStringLiteral("G_")));
}
