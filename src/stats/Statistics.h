#pragma once

#include "teams/Teams.h"

#include <QString>
#include <QStringList>
#include <vector>

class LanguageTable;

// A point the history credits to a side: removal lines are not points, and each one takes
// back the most recent point of its side in its set.
struct CreditedPoint {
    int Line = 0;
    int Set = 0;
    int Side = 0; // 0 home, 1 guests
    QString Code; // athlete code: a number, "E" or "N"
    int Type = 0; // point type 0..4
    int Home = 0; // score after the point
    int Guests = 0;
};

std::vector<CreditedPoint> CreditedPoints(const QStringList& history);

// The statistics list of one set (1..5) or of the match (0): "Home  :   7 5" lines, best first.
QStringList StatisticsLines(const std::vector<CreditedPoint>& points, int set);

// The four best scorers of each side from those lines, "E" and "N" left out.
struct Best {
    QStringList Codes[2];
    QStringList Counts[2];
};
Best BestScorers(const QStringList& lines);

// One row of a side's points summary.
struct SummaryLine {
    QString Number;
    QString Surname;
    int Total = 0;
    int ByType[5] = {0, 0, 0, 0, 0};
};

// Every roster row up to the first number that is not a positive number.
std::vector<SummaryLine> Summary(const Roster& roster, int side,
                                 const std::vector<CreditedPoint>& points);

// The export: the header line, then one line per row.
QStringList ExportLines(const std::vector<SummaryLine>& lines);
