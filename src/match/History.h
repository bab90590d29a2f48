#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// The history of a match, one event per stored line. The lines are only the match file's
// storage: they are read here once, and everything else reads the typed events.

enum class HistoryKind {
    SetStart, // "(2) 0 -  0 - 15:42 - 0_0"
    Point,    // "(1) 3 -  2 - 15:42 - H_7_2": the side's score rose, a rally won
    Removal,  // the same shape, the side's score did not rise: a "- 1" click
    Timeout,  // "1#H Timeout Locali - 15:42"
    Unknown,  // anything else a file may hold: kept and written back, skipped by every reader
};

struct HistoryEvent {
    HistoryKind Kind = HistoryKind::Unknown;
    // The set of the line; for a timeout, the set it was called in.
    int Set = 0;
    // Home and guests after the line; for a timeout, the score it was called at.
    std::array<int, 2> Score{0, 0};
    // 0 home, 1 guests; -1 for a set start and an unknown line.
    int Side = -1;
    // Points and removals: the athlete's code, "E" (the opponent's error) or "N" (not given).
    QString Athlete;
    // Points and removals: 0 unspecified, 1 ace, 2 block, 3 spike, 4 tip.
    int PointType = 0;
    // Timeouts: the side's timeouts in the set, this one included.
    int TimeoutCount = 0;
    // "hh:mm" as the line has it; empty when it has none.
    QString Time;
    // The stored line, written back unchanged.
    QString Text;

    bool operator==(const HistoryEvent&) const = default;
    bool HasScore() const;
};

using MatchHistory = QList<HistoryEvent>;

// Writers of the stored lines. Points sit right-aligned in two characters so the set number,
// home and guest points stand at fixed positions.
QString HistoryTime(const QString& fullTime);
QString EventCode(int side, const QString& athleteCode, int pointType);
QString PointLine(int set, int home, int guests, const QString& wallNow, const QString& eventCode);
QString SetStartLine(int set, const QString& wallNow);
QString TimeoutLine(int count, int side, const QString& sideWord, const QString& wallNow);

// Reads one stored line after the events before it: whether a score line added or removed a
// point, and where a timeout was called, depend on them.
HistoryEvent ReadHistoryLine(const QString& line, const MatchHistory& before);
MatchHistory ReadHistory(const QStringList& lines);
QStringList HistoryLines(const MatchHistory& history);

// Points or removals were recorded: a match is under way or was played.
bool HasScoreChanges(const MatchHistory& history);
