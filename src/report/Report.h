#pragma once

#include "stats/Statistics.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

struct Match;
class LanguageTable;

struct TimeoutCall {
    int RalliesBefore = 0; // rallies played when it was called
    int Side = 0;
};

struct ReportSet {
    int Number = 0;
    std::vector<std::array<int, 2>> Progression; // score after each rally
    std::vector<TimeoutCall> Times;
    std::array<int, 2> Final{0, 0};
    int Winner = -1;                    // -1 while the set is not won
    std::array<int, 2> MaxSeries{0, 0}; // longest scoring run of each side
    std::optional<int> Minutes;         // when the history's times allow
    std::array<QStringList, 2> Best;    // "7 Rossi (5)", best first
};

struct ReportTeam {
    QString Name;
    // False when the team's roster was not at hand (a match file reported on another
    // machine): athletes are then named by their number.
    bool AvailableRoster = true;
    // The roster's rows, then every other number that scored.
    std::vector<SummaryLine> Athletes;
    int OpponentErrors = 0;
    QStringList Best; // of the match, best first
};

// The numbers of a post-match report, from the match record alone.
struct Report {
    QDate Date;
    std::array<int, 2> SetsWon{0, 0};
    bool Finished = false;
    std::vector<ReportSet> Set;
    std::array<ReportTeam, 2> Teams;
};

Report BuildReport(const Match& match, const QDate& date, const LanguageTable& languages);

// play-by-play.csv: a header, then one row per history line, ";" separated.
QStringList PlayByPlayLines(const Match& match, const LanguageTable& languages);

// The date a match file was saved on, from its first comment line.
QDate FileDate(const QStringList& lines);
