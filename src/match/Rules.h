#pragma once

#include <QString>

// The volleyball rules of the scoreboard, in one place.

// Points needed to win the set being played.
int PointsToWin(int totalSets, int currentSet, int setPoints, int pointsTieBreak);

// Half the tie-break target, rounded half to even (15 gives 8, 13 gives 6).
int ComputeCourtChangePoints(int pointsTieBreak);

// A side is at most one point from the target.
bool NearSetEnd(int home, int guests, int pointsForWin);

// A side has reached the target with two points of margin; there is no upper limit.
bool SetConcluded(int home, int guests, int pointsForWin);

// Sets won as the two-character code the tables use: home then guests.
QString SetCode(int homeSets, int guestSets);

// For the side leading the set (0 home, 1 guests).
bool MatchPoint(int totalSets, int leadingSide, const QString& code);

bool ConcludedMatch(int totalSets, const QString& code);

bool ValidTotalSets(int totalSets);

// The deciding-set court change: the scorer has just reached 8, the other side has not.
bool CourtChange(int totalSets, int currentSet, int activeCourtChange, int sidePoints,
                 int otherSidePoints);

constexpr int MaxPoints = 200;
constexpr int ChangePoints = 8;
