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
    // The team names as the display shows them.
    std::array<QString, 2> Name{QStringLiteral("Locali"), QStringLiteral("Ospiti")};
    // Keeps a finished set's score until the next change, and the sets won once the match is over.
    std::array<QString, 2> Points{QStringLiteral("0"), QStringLiteral("0")};
    // The serve marker: the side that won the last rally of the set serves.
    std::array<bool, 2> Serving{false, false};
    // The set point / match point banner, its text, and whether it says match point.
    bool Banner = false;
    QString BannerText;
    bool BannerMatchPoint = false;
    ScorerPanel Panel;
};

// The one match the console owns.
struct Match {
    // Rules: 0 until the start-up sequence gives their defaults. Sets of the match (5, 3 or
    // 1), points to win a set and the deciding set, the deciding set's court change, and
    // whether that change is announced (1) or not (0).
    int TotalSets = 0;
    int SetPoints = 0;
    int TieBreakPoints = 0;
    int CourtChangePoints = 0;
    int ActiveCourtChange = 0;

    // The set in play (the last one once the match is over) and its caption ("2° SET", "2nd SET",
    // …).
    int CurrentSet = 1;
    QString SetLabel;
    // Per side, home first: points of the set in play, sets won, timeouts of this set.
    std::array<int, 2> Points{0, 0};
    std::array<int, 2> SetsWon{0, 0};
    std::array<int, 2> TimeoutsCalled{0, 0};
    // The chosen teams' folder names.
    std::array<QString, 2> TeamName{QStringLiteral("Home"), QStringLiteral("Guests")};
    // The chosen teams' rosters; a reset keeps them.
    std::array<Roster, 2> Rosters;
    // Each finished set's score, "25/23".
    std::array<QString, 5> Partials;
    MatchHistory History;
    // The history line the console's list has selected, -1 for none.
    int SelectedLine = -1;

    // The score the last click left, kept through a set's end until the next click: the
    // totals of the last points panel. 0-0 once the match is over.
    std::array<int, 2> LastClickScore{0, 0};
    bool MatchOver = false;
    // The display name of the side that won the last set.
    QString LastSetWinner;
    // The code the last point went to: a shirt number, "E" or "N". A removal line repeats it.
    QString LastPointCode;
    // The shirt number picked in a roster: the scorer panel shows its surname and photo.
    QString PickedAthlete;
    // The picked athlete's photo file, empty when the last point showed nobody.
    QString ScorerPhoto;
    // Which panel slides in: 0 the statistics panel, 1 the scorer and leading-team panel.
    int AnimatedPanel = 0;
    // A click or a loaded file closes the countdown at its next tick.
    bool CountdownCancelled = false;
    // Seconds the countdown has run.
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
