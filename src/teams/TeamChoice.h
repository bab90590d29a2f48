#pragma once

#include "teams/Teams.h"

// What choosing a team folder gives a side: its roster, the lines of its roster list and
// its logo.
struct ChosenTeam {
    QString Name;
    QString Folder;
    QString Logo; // logo.jpg when the team has one
    Roster Athletes;
    // The roster list the points are credited from: the opponent's-error entry, then the
    // called-up athletes (staff are in Athletes only).
    QStringList Lines;
};

ChosenTeam ChooseTeam(const QString& dataFolder, const QString& name,
                      const LanguageTable& languages);

// " 7 Rossi Mario Centrale": number in two characters, names, role without its number.
QString RosterLine(const Athlete& a);

// The code a roster line gives the code box: its first two characters without blanks.
QString CodeFromLine(const QString& line);

// A coach's or manager's code ("A1", "D2"): a letter and digits. Staff never score.
bool StaffCode(const QString& number);

// The first word after the number, as the overlays name the scorer.
QString NameFromLine(const QString& line);
