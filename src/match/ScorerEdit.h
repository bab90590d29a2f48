#pragma once

#include "match/Match.h"

#include <optional>
#include <vector>

// Mending the athlete credited with a rally without replaying the rallies after it.

// Only a point line names a scorer to mend: a removal, a timeout or a set start does not.
bool ScorerEditable(const Match& match, int line);

// The athletes a side's point may be credited to: its roster's rows with a shirt number, no
// staff codes.
std::vector<Athlete> ScorerChoices(const Roster& roster);

// The match with history line `line` credited to the athlete numbered `number` of the point's
// side. Only the athlete field of the stored line changes; nothing when the line is not a
// point or the number is not one of ScorerChoices.
std::optional<Match> WithScorer(const Match& match, int line, const QString& number);
