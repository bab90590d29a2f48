#include "display/Winner.h"

#include "match/Match.h"
#include "shared/Language.h"
#include "shared/Numbers.h"

#include <QStringList>
#include <array>

namespace {
const QChar Dash(0x2013);

QString Score(int winner, int loser) {
    return QString::number(winner) + Dash + QString::number(loser);
}
} // namespace

WinnerText WinnerScreenText(const Match& match, const LanguageTable& languages) {
    if (!match.MatchOver) {
        return {};
    }
    const int winner = match.SetsWon[1] > match.SetsWon[0] ? 1 : 0;
    const int loser = 1 - winner;
    QStringList sets;
    for (const QString& partial : match.Partials) {
        const QStringList points = partial.split(u'/');
        if (points.size() == 2) {
            const std::array<int, 2> set{IntegerValue(points[0].trimmed()),
                                         IntegerValue(points[1].trimmed())};
            sets << Score(set[winner], set[loser]);
        }
    }
    return {
        languages.Translate(QStringLiteral("%1 vince %2"))
            .arg(match.Display.Name[winner], Score(match.SetsWon[winner], match.SetsWon[loser])),
        sets.join(u"   ")};
}
