#include "match/ScorerEdit.h"

#include "shared/Numbers.h"

#include <algorithm>
#include <iterator>

bool ScorerEditable(const Match& match, int line) {
    return line >= 0 && line < match.History.size() &&
           match.History[line].Kind == HistoryKind::Point;
}

std::vector<Athlete> ScorerChoices(const Roster& roster) {
    std::vector<Athlete> athletes;
    std::copy_if(roster.begin(), roster.end(), std::back_inserter(athletes),
                 [](const Athlete& a) { return NumericValue(a.Number) > 0; });
    return athletes;
}

std::optional<Match> WithScorer(const Match& match, int line, const QString& number) {
    if (!ScorerEditable(match, line)) {
        return std::nullopt;
    }
    const HistoryEvent& point = match.History[line];
    const std::vector<Athlete> choices = ScorerChoices(match.Rosters[point.Side]);
    const auto chosen = std::find_if(choices.begin(), choices.end(), [&](const Athlete& a) {
        return a.Number.trimmed().compare(number.trimmed(), Qt::CaseInsensitive) == 0;
    });
    if (chosen == choices.end()) {
        return std::nullopt;
    }
    const QString code = chosen->Number.trimmed();
    Match edited = match;
    HistoryEvent& e = edited.History[line];
    e.Athlete = code;
    // The event code is the line's last field; the set, score and time before it stay as stored.
    e.Text = e.Text.section(QStringLiteral(" - "), 0, -2) + QStringLiteral(" - ") +
             EventCode(e.Side, code, e.PointType);
    // The newest point's code is the one the live last point and the leading team go by.
    const auto newest =
        std::find_if(edited.History.rbegin(), edited.History.rend(), [](const HistoryEvent& h) {
            return h.Kind == HistoryKind::Point || h.Kind == HistoryKind::Removal;
        });
    if (newest != edited.History.rend() && &*newest == &e) {
        edited.LastPointCode = code;
    }
    return edited;
}
