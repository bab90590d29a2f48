#include "stats/Statistics.h"

#include "match/History.h"
#include "match/HistoryText.h"
#include "shared/Numbers.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

namespace {

constexpr int SlotsPerSide = 200;
constexpr qsizetype BestPerSide = 4;

} // namespace

std::vector<CreditedPoint> CreditedPoints(const MatchHistory& history) {
    std::vector<CreditedPoint> points;
    // The points still standing per set and side, newest last.
    std::map<std::pair<int, int>, std::vector<size_t>> standing;
    std::vector<bool> removed;
    for (int i = 0; i < static_cast<int>(history.size()); ++i) {
        const HistoryEvent& e = history[i];
        if (e.Kind == HistoryKind::Removal) {
            auto& stack = standing[{e.Set, e.Side}];
            if (!stack.empty()) {
                removed[stack.back()] = true;
                stack.pop_back();
            }
            continue;
        }
        if (e.Kind != HistoryKind::Point) {
            continue;
        }
        standing[{e.Set, e.Side}].push_back(points.size());
        points.push_back({i, e.Set, e.Side, e.Athlete, e.PointType, e.Score[0], e.Score[1]});
        removed.push_back(false);
    }
    std::vector<CreditedPoint> left;
    for (size_t i = 0; i < points.size(); ++i) {
        if (!removed[i]) {
            left.push_back(points[i]);
        }
    }
    return left;
}

std::vector<ScorerCount> ScorerCounts(const std::vector<CreditedPoint>& points, int set) {
    std::vector<ScorerCount> tables[2];
    for (const CreditedPoint& p : points) {
        if (set != 0 && p.Set != set) {
            continue;
        }
        auto& table = tables[p.Side];
        auto found = std::find_if(table.begin(), table.end(),
                                  [&](const ScorerCount& c) { return c.Code == p.Code; });
        if (found != table.end()) {
            ++found->Points;
        } else if (static_cast<int>(table.size()) < SlotsPerSide) {
            table.push_back({p.Side, p.Code, 1});
        }
    }
    std::vector<ScorerCount> counts = tables[0];
    std::copy_if(tables[1].begin(), tables[1].end(), std::back_inserter(counts),
                 [](const ScorerCount& c) { return NumericValue(c.Code) > 0; });
    // The exchange sort as the lists always had it: equal counts come out swapped.
    for (size_t i = 0; i < counts.size(); ++i) {
        for (size_t j = i + 1; j < counts.size(); ++j) {
            if (counts[j].Points >= counts[i].Points) {
                std::swap(counts[i], counts[j]);
            }
        }
    }
    return counts;
}

QStringList StatisticsLines(const std::vector<ScorerCount>& counts) {
    QStringList lines;
    for (const ScorerCount& c : counts) {
        lines << (c.Side == 0 ? QStringLiteral("Home  :") : QStringLiteral("Guests:")) +
                     (QStringLiteral("   ") + c.Code).right(4) + u' ' + QString::number(c.Points);
    }
    return lines;
}

QStringList ReadableStatisticsLines(const std::vector<ScorerCount>& counts,
                                    const std::array<QString, 2>& teams,
                                    const std::array<Roster, 2>& rosters,
                                    const LanguageTable& languages) {
    QStringList lines;
    for (const ScorerCount& c : counts) {
        lines << teams[c.Side] + QStringLiteral(" \u00b7 ") +
                     ScorerText(rosters[c.Side], c.Code, languages) + QStringLiteral(": ") +
                     QString::number(c.Points);
    }
    return lines;
}

Best BestScorers(const std::vector<ScorerCount>& counts) {
    Best m;
    for (const ScorerCount& c : counts) {
        if (c.Code == QStringLiteral("E") || c.Code == QStringLiteral("N") ||
            m.Codes[c.Side].size() >= BestPerSide) {
            continue;
        }
        m.Codes[c.Side] << c.Code;
        m.Counts[c.Side] << QString::number(c.Points);
    }
    return m;
}

std::vector<SummaryLine> Summary(const Roster& roster, int side,
                                 const std::vector<CreditedPoint>& points) {
    std::vector<SummaryLine> lines;
    for (const Athlete& a : roster) {
        const double number = NumericValue(a.Number);
        if (number <= 0 || lines.size() >= static_cast<size_t>(ConsoleCapacity)) {
            break;
        }
        SummaryLine r;
        r.Number = a.Number;
        r.Surname = a.Surname;
        for (const CreditedPoint& p : points) {
            if (p.Side == side && NumericValue(p.Code) == number) {
                ++r.Total;
                if (p.Type >= 0 && p.Type <= 4) {
                    ++r.ByType[p.Type];
                }
            }
        }
        lines.push_back(r);
    }
    return lines;
}

QStringList ExportLines(const std::vector<SummaryLine>& rows) {
    QStringList lines{
        QStringLiteral("N.;Cognome;Punti;N.Specific.;Aces;Muri;Schiacciate;Pallonetti")};
    for (const SummaryLine& r : rows) {
        QStringList fields{r.Number, r.Surname, QString::number(r.Total)};
        for (int t = 0; t < 5; ++t) {
            fields << QString::number(r.ByType[t]);
        }
        lines << fields.join(u';');
    }
    return lines;
}
