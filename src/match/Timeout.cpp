#include "match/Timeout.h"

#include "match/History.h"
#include "match/Match.h"
#include "shared/Language.h"

QString SideWord(int side, const LanguageTable& languages) {
    return languages.Translate(side == 0 ? QStringLiteral("Locali") : QStringLiteral("Ospiti"));
}

bool GrantTimeout(Match& match, int side, const QString& wallNow, const LanguageTable& languages) {
    if (match.TimeoutsCalled[side] >= TimeoutsPerSet) {
        return false;
    }
    match.CountdownCancelled = false;
    match.TimeoutsCalled[side] += 1;
    // The selection stays where it was: a timeout is not a score to roll back to.
    const QString line = TimeoutLine(match.TimeoutsCalled[side], side, SideWord(side, languages),
                                     HistoryTime(wallNow));
    match.History.append(ReadHistoryLine(line, match.History));
    return true;
}

QString TimeoutText(int side, int count, const LanguageTable& languages) {
    return QStringLiteral("Tempo ") + SideWord(side, languages) + QStringLiteral("\n") +
           QString::number(count) + languages.Translate(QStringLiteral("° Richiesta"));
}

bool TickTimeout(Match& match) {
    match.TickCount += 1;
    if (match.TickCount > TickCountdown || match.CountdownCancelled) {
        match.TickCount = 0;
        return false;
    }
    return true;
}
