#pragma once

#include "match/History.h"
#include "teams/Teams.h"

#include <QString>
#include <QStringList>
#include <array>
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

std::vector<CreditedPoint> CreditedPoints(const MatchHistory& history);

// The points of one code on one side.
struct ScorerCount {
    int Side = 0;
    QString Code;
    int Points = 0;
};

// The counts of one set (1..5) or of the match (0), best first; the guests' "E" and "N" left out.
std::vector<ScorerCount> ScorerCounts(const std::vector<CreditedPoint>& points, int set);

// The statistics list: "Home  :   7 5" lines.
QStringList StatisticsLines(const std::vector<ScorerCount>& counts);
// The same lines in words: "Aquile Volley · #7 Rossi: 5".
QStringList ReadableStatisticsLines(const std::vector<ScorerCount>& counts,
                                    const std::array<QString, 2>& teams,
                                    const std::array<Roster, 2>& rosters,
                                    const LanguageTable& languages);

// The four best scorers of each side, "E" and "N" left out.
struct Best {
    QStringList Codes[2];
    QStringList Counts[2];
};
Best BestScorers(const std::vector<ScorerCount>& counts);

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
