#include "match/Timeout.h"

#include "match/History.h"
#include "match/Match.h"
#include "shared/Language.h"

QString SideWord(int side, const LanguageTable& languages) {
    return languages.Translate(side == 0 ? QStringLiteral("Locali") : QStringLiteral("Ospiti"));
}

bool GrantTimeout(Match& p, int side, const QString& wallNow, const LanguageTable& languages) {
    if (p.TimeoutsCalled[side] >= TimeoutsPerSet) {
        return false;
    }
    p.CountMode = 0;
    p.TimeoutsCalled[side] += 1;
    // The selection stays where it was: a timeout is not a score to roll back to.
    const QString line =
        TimeoutLine(p.TimeoutsCalled[side], side, SideWord(side, languages), HistoryTime(wallNow));
    p.History.append(ReadHistoryLine(line, p.History));
    return true;
}

QString TimeoutText(int side, int count, const LanguageTable& languages) {
    return QStringLiteral("Tempo ") + SideWord(side, languages) + QStringLiteral("\n") +
           QString::number(count) + languages.Translate(QStringLiteral("° Richiesta"));
}

bool TickTimeout(Match& p) {
    p.TickCount += 1;
    if (p.TickCount > TickCountdown || p.CountMode == -1) {
        p.TickCount = 0;
        return false;
    }
    return true;
}
