#pragma once

#include "match/History.h"
#include "teams/Teams.h"

#include <QString>
#include <QStringList>
#include <array>

class LanguageTable;

// The scorer panel of the display, as the last point filled it.
struct ScorerPanel {
    int Side = 0;
    QString Title;        // team and point type
    QString Surname;      // name line, padded for the panel
    QString Number;       // shirt number
    bool Scrolls = false; // a scorer was shown: the panel slides in
};

// What the display shows where it is not simply the console's value.
struct DisplayState {
    std::array<QString, 2> Name{QStringLiteral("Locali"), QStringLiteral("Ospiti")};
    // Keeps a finished set's score until the next change, and the sets won once the match is over.
    std::array<QString, 2> Points{QStringLiteral("0"), QStringLiteral("0")};
    std::array<bool, 2> Scorer{false, false};
    bool Banner = false;
    QString BannerText;
    bool BannerMatchPoint = false;
    ScorerPanel Panel;
};

// The one match the console owns.
struct Match {
    // Rules: 0 until the start-up sequence gives their defaults.
    int TotalSets = 0;
    int SetPoints = 0;
    int TieBreakPoints = 0;
    int CourtChangePoints = 0;
    int ActiveCourtChange = 0;

    int CurrentSet = 1;
    QString SetLabel;
    std::array<int, 2> Points{0, 0};
    std::array<int, 2> SetsWon{0, 0};
    std::array<int, 2> TimeoutsCalled{0, 0};
    std::array<QString, 2> TeamName{QStringLiteral("Home"), QStringLiteral("Guests")};
    // The chosen teams' rosters; a reset keeps them.
    std::array<Roster, 2> Rosters;
    std::array<QString, 5> Partials;
    MatchHistory History;
    int SelectedLine = -1;

    std::array<int, 2> CurrentScore{0, 0};
    std::array<int, 3> LastScore{0, 0, 0};
    int SetPointState = 0;
    int FinishedMatch = 0;
    QString LastSetWinner;
    QString AthleteCode;
    QString ScorerNumber;
    QString ScorerName;
    QString ScorerPhoto;
    int AnimatedPanel = 0;
    int CountMode = 0;
    int TickCount = 0;

    // Console controls whose enabled state is match state.
    bool Locked = false;
    bool ActiveScore = true; // the four score buttons and both rosters
    bool UndoActive = false;
    bool ActiveTimeouts = true;
    bool FinalStatisticsActive = false;
    bool ActivePresentation = true;

    DisplayState Display;
};

QString SetLabelFor(int set, const LanguageTable& languages);

// Start-up defaults of the rules; a rule already set is kept.
void DefaultRules(Match& match);

void ClearMatch(Match& match, const LanguageTable& languages);

// The match is over: the record's part. The caller stops the timers that animate it.
void EndMatch(Match& match, const LanguageTable& languages);

void AppendHistory(Match& match, const QString& line);

// Points were played: the console stays locked as after a first point.
bool MatchInProgress(const Match& match);
