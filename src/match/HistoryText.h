#pragma once

#include "match/History.h"
#include "teams/Teams.h"

#include <QString>
#include <array>

class LanguageTable;
struct Match;

// The history and the set's end in words, for the operator: team names, athletes from the
// rosters, point types translated. The stored lines stay the match file's.

// "#7 Rossi"; "#7" for a number the roster lacks; the opponent's error and "not assigned" in
// words.
QString ScorerText(const Roster& roster, const QString& code, const LanguageTable& languages);

// "Set 1 · 12–10 · Aquile Volley · #7 Rossi · Spike"; an unknown line as stored.
QString ReadableHistoryLine(const HistoryEvent& event, const std::array<QString, 2>& teams,
                            const std::array<Roster, 2>& rosters, const LanguageTable& languages);

// "Set to Aquile Volley 25–20 — change sides?" for a finished set (1..5); empty when the set
// has no result.
QString SetEndNote(const Match& match, int set, const LanguageTable& languages);
