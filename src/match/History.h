#pragma once

#include <QString>

// The history line formats. Points sit right-aligned in two characters so the
// set number, home and guest points stand at fixed positions.

QString HistoryTime(const QString& fullTime);
QString EventCode(int side, const QString& athleteCode, int pointType);
QString PointLine(int set, int home, int guests, const QString& wallNow, const QString& eventCode);
QString SetStartLine(int set, const QString& wallNow);

QString TimeoutLine(int count, int side, const QString& sideWord, const QString& wallNow);

// A history line read back by its fixed positions.
struct HistoryLine {
    bool Timeout = false;
    int Set = 0;
    int Home = 0;
    int Guests = 0;
    int Count = 0; // timeout lines: the side's count
    int Side = 0;  // timeout lines: 0 home, 1 guests
};

HistoryLine ReadLine(const QString& line);

// A line that scored or removed a point: neither a set start nor a timeout.
bool IsPointLine(const QString& line);
