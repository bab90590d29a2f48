#pragma once

#include <QString>

struct Match;
class LanguageTable;

// The display's lines once the match is over: "Aquile Volley vince 3–2", then each set's score
// from the winner's side, "25–20 23–25 …". Both empty while the match is under way.
struct WinnerText {
    QString Winner;
    QString Sets;
};

WinnerText WinnerScreenText(const Match& match, const LanguageTable& languages);
