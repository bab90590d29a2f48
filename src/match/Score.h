#pragma once

#include <QString>
#include <array>

struct Match;
struct CommonSettings;
class LanguageTable;
class MatchView;

// What the operator gave the score buttons.
struct PointRequest {
    int Button = 0;    // the score button: 0 home +1, 1 home -1, 2 guests -1, 3 guests +1
    QString Code;      // athlete code box of the side
    int PointType = 0; // underlined point type
    QString Now;       // time of day, hh:mm at least
    std::array<QString, 5> TypeCaptions; // the point-type captions as shown
};

// One click of a score button, every rule in order.
// False when the click was refused and changed no point.
bool ScorePoint(Match& match, const PointRequest& r, const CommonSettings& m, MatchView& v);

// The set point / match point banner from the score as it stands now. Whatever moves the score
// (a point, Undo, a rollback, a loaded file) decides it here, so the display, the live state
// and the report never keep one the score no longer has.
void DecideBanner(Match& match, const LanguageTable& languages);

// The banner is shown and blinks: it is up, in a match of a length the rules know.
bool BannerUp(const Match& match);

// The serving side from the history: the side of the last point won in the current set, none
// at a set's start. A removal leaves it where it was, as the click does. Undo, a rollback and a
// loaded file decide it here.
void DecideServe(Match& match);
