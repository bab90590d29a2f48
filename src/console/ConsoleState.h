#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// One row of a side's roster list, with what the console reads from it kept as data.
struct RosterRow {
    QString Line; // as the list shows it: " 7 Rossi Mario Centrale"
    QString Code; // what the code box receives for this row ("7", "E")
};

// What the console holds beside the match record. Its widgets are drawn from it and never read
// back as data.
struct ConsoleState {
    // The point type the next point gets: 0 unspecified, 1 ace, 2 block, 3 spike, 4 tip.
    int PointType = 0;
    // The five point types' captions in the console's language (the history lines carry them).
    std::array<QString, 5> PointTypeCaptions;
    // Each side's roster list, row by row; row 0 is the opponent's error.
    std::array<std::vector<RosterRow>, 2> Rosters;
    // The reason the countdown window shows while it is open.
    QString CountdownText;
    // "Venue <court>: connected", "…: refused: <reason>"; empty without a broker.
    QString VenueLink;
};

// The rows a roster list shows, with each row's code.
std::vector<RosterRow> RosterRows(const QStringList& lines);

// The row of a side's roster whose code is `code` (any case), or -1.
int RosterRowOf(const ConsoleState& state, int side, const QString& code);
