#pragma once

#include <QString>
#include <optional>

struct Match;
class LanguageTable;

// The score line a rollback from this line takes the match to; nothing for a timeout line,
// or for the last line unless Undo asks.
std::optional<int> RollbackDestination(const Match& match, int line, bool forUndo = false);

QString RollbackQuestion(const Match& match, int destination, const LanguageTable& languages);

// Rebuilds set, points, sets won, partials and timeouts from the history up to the line,
// then deletes every later line.
void RunRollback(Match& match, int destination, const LanguageTable& languages);

// The line Undo rolls back to, or nothing. Right after any set's end it is the score before
// the set-winning point.
std::optional<int> UndoLine(const Match& match);
