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

QString TimeoutText(const QString& team, int count, const LanguageTable& languages) {
    // Whole ordinals where the languages' words differ ("1st", "2nd"): one per timeout of a set.
    QString request;
    if (count == 1) {
        request = languages.Translate(QStringLiteral("1° Richiesta"));
    } else if (count == 2) {
        request = languages.Translate(QStringLiteral("2° Richiesta"));
    } else {
        request = QString::number(count) + languages.Translate(QStringLiteral("° Richiesta"));
    }
    return languages.Translate(QStringLiteral("Tempo")) + u' ' + team + u'\n' + request;
}

bool TickTimeout(Match& match) {
    match.TickCount += 1;
    if (match.TickCount > TickCountdown || match.CountdownCancelled) {
        match.TickCount = 0;
        return false;
    }
    return true;
}
