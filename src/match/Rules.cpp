#include "match/Rules.h"

#include <QStringList>
#include <cmath>
#include <cstdlib>

int PointsToWin(int totalSets, int currentSet, int setPoints, int pointsTieBreak) {
    return totalSets > 1 && currentSet == totalSets ? pointsTieBreak : setPoints;
}

int ComputeCourtChangePoints(int pointsTieBreak) {
    return static_cast<int>(std::nearbyint(pointsTieBreak / 2.0));
}

bool NearSetEnd(int home, int guests, int pointsForWin) {
    return home > pointsForWin - 2 || guests > pointsForWin - 2;
}

bool SetConcluded(int home, int guests, int pointsForWin) {
    return (home > pointsForWin - 1 || guests > pointsForWin - 1) && std::abs(home - guests) > 1;
}

QString SetCode(int homeSets, int guestSets) {
    return QString::number(homeSets) + QString::number(guestSets);
}

bool MatchPoint(int totalSets, int leadingSide, const QString& code) {
    static const QStringList home5{"20", "21", "22"};
    static const QStringList guests5{"02", "12", "22"};
    static const QStringList home3{"10", "11"};
    static const QStringList guests3{"01", "11"};
    switch (totalSets) {
    case 5:
        return (leadingSide == 0 ? home5 : guests5).contains(code);
    case 3:
        return (leadingSide == 0 ? home3 : guests3).contains(code);
    case 1:
        return true;
    default:
        return false;
    }
}

bool ConcludedMatch(int totalSets, const QString& code) {
    static const QStringList setEndsOfFive{"30", "31", "32", "03", "13", "23"};
    static const QStringList setEndsOfThree{"20", "21", "02", "12"};
    switch (totalSets) {
    case 5:
        return setEndsOfFive.contains(code);
    case 3:
        return setEndsOfThree.contains(code);
    case 1:
        return true;
    default:
        return false;
    }
}

bool ValidTotalSets(int totalSets) {
    return totalSets == 5 || totalSets == 3 || totalSets == 1;
}

bool CourtChange(int totalSets, int currentSet, int activeCourtChange, int sidePoints,
                 int otherSidePoints) {
    return totalSets > 1 && currentSet == totalSets && activeCourtChange == 1 &&
           sidePoints == ChangePoints && otherSidePoints < ChangePoints;
}
