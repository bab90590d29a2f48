#pragma once

#include <QString>

struct Match;
class LanguageTable;

constexpr int TimeoutsPerSet = 2;
constexpr int TickCountdown = 30;

QString SideWord(int side, const LanguageTable& languages);

// Counts a confirmed timeout and logs it; false when the side has none left in this set.
bool GrantTimeout(Match& match, int side, const QString& wallNow, const LanguageTable& languages);

// The countdown's request text for the team as the display names it, e.g.
// "Tempo Aquile Volley\n1° Richiesta".
QString TimeoutText(const QString& team, int count, const LanguageTable& languages);

// One countdown tick; true while the countdown stays on the display.
bool TickTimeout(Match& match);
