#include "match/HistoryText.h"

#include "match/Match.h"
#include "shared/Language.h"
#include "shared/Numbers.h"
#include "teams/Searches.h"

namespace {

const QString Dot = QStringLiteral(" \u00b7 ");
const QString Dash = QStringLiteral("\u2013");

QString PointTypeText(int type, const LanguageTable& languages) {
    static const char* const types[] = {"", "Ace", "Muro", "Schiacciata", "Pallonetto"};
    return type > 0 && type < 5 ? languages.Translate(QString::fromLatin1(types[type])) : QString();
}

QString ScoreText(int home, int guests) {
    return QString::number(home) + Dash + QString::number(guests);
}

} // namespace

QString ScorerText(const Roster& roster, const QString& code, const LanguageTable& languages) {
    if (code == QStringLiteral("E")) {
        return languages.Translate(QStringLiteral("errore avversario"));
    }
    if (code.isEmpty() || code == QStringLiteral("N")) {
        return languages.Translate(QStringLiteral("non assegnato"));
    }
    const QString number = u'#' + code;
    return InRoster(roster, code) ? number + u' ' + AthleteSurname(roster, code, languages)
                                  : number;
}

QString ReadableHistoryLine(const HistoryEvent& event, const std::array<QString, 2>& teams,
                            const std::array<Roster, 2>& rosters, const LanguageTable& languages) {
    if (event.Kind == HistoryKind::Unknown) {
        return event.Text;
    }
    QStringList parts{languages.Translate(QStringLiteral("Set")) + u' ' +
                          QString::number(event.Set),
                      ScoreText(event.Score[0], event.Score[1])};
    switch (event.Kind) {
    case HistoryKind::SetStart:
        parts << languages.Translate(QStringLiteral("Inizio set"));
        break;
    case HistoryKind::Point:
        parts << teams[event.Side] << ScorerText(rosters[event.Side], event.Athlete, languages);
        if (const QString type = PointTypeText(event.PointType, languages); !type.isEmpty()) {
            parts << type;
        }
        break;
    case HistoryKind::Removal:
        parts << teams[event.Side] << languages.Translate(QStringLiteral("punto tolto"));
        break;
    case HistoryKind::Timeout:
        parts << teams[event.Side]
              << languages.Translate(QStringLiteral("Tempo")) + u' ' +
                     QString::number(event.TimeoutCount);
        break;
    case HistoryKind::Unknown:
        break;
    }
    return parts.join(Dot);
}

QString SetEndNote(const Match& match, int set, const LanguageTable& languages) {
    if (set < 1 || set > static_cast<int>(match.Partials.size())) {
        return {};
    }
    const QString& partial = match.Partials[set - 1];
    if (!partial.contains(u'/')) {
        return {};
    }
    const int home = IntegerValue(partial.section(u'/', 0, 0).trimmed());
    const int guests = IntegerValue(partial.section(u'/', 1, 1).trimmed());
    const int winner = home > guests ? 0 : 1;
    return languages.Translate(QStringLiteral("Set vinto da")) + u' ' + match.TeamName[winner] +
           u' ' + ScoreText(home, guests) + QStringLiteral(" \u2014 ") +
           languages.Translate(QStringLiteral("cambio campo?"));
}
