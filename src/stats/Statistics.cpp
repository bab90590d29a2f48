#include "stats/Statistics.h"

#include "match/History.h"
#include "shared/Numbers.h"

#include <map>
#include <utility>

namespace {

constexpr int SlotsPerSide = 200;
constexpr qsizetype SidePosition = 21; // the side letter, 22nd character

} // namespace

std::vector<CreditedPoint> CreditedPoints(const QStringList& history) {
    std::vector<CreditedPoint> points;
    // The last score of each set, and the points still standing per set and side.
    std::map<int, std::pair<int, int>> last;
    std::map<std::pair<int, int>, std::vector<size_t>> open;
    std::vector<bool> deleted;
    for (int i = 0; i < static_cast<int>(history.size()); ++i) {
        const QString& line = history[i];
        const HistoryLine r = ReadLine(line);
        if (r.Timeout || !line.startsWith(u'(')) {
            continue;
        }
        const auto previous = last.find(r.Set);
        const std::pair<int, int> before =
            previous != last.end() ? previous->second : std::pair<int, int>{0, 0};
        last[r.Set] = {r.Home, r.Guests};
        const QChar letter = line.size() > SidePosition ? line[SidePosition] : QChar();
        if (letter != u'H' && letter != u'G') {
            continue;
        }
        const int side = letter == u'H' ? 0 : 1;
        const int sideNow = side == 0 ? r.Home : r.Guests;
        const int firstSide = side == 0 ? before.first : before.second;
        auto& stack = open[{r.Set, side}];
        if (sideNow < firstSide) {
            if (!stack.empty()) {
                deleted[stack.back()] = true;
                stack.pop_back();
            }
            continue;
        }
        if (sideNow == firstSide) {
            continue;
        }
        const QString event = line.mid(SidePosition + 2);
        CreditedPoint p;
        p.Line = i;
        p.Set = r.Set;
        p.Side = side;
        p.Code = event.section(u'_', 0, 0);
        if (p.Code.isEmpty()) {
            p.Code = QStringLiteral("N");
        }
        p.Type = IntegerValue(event.section(u'_', 1, 1));
        p.Home = r.Home;
        p.Guests = r.Guests;
        stack.push_back(points.size());
        points.push_back(p);
        deleted.push_back(false);
    }
    std::vector<CreditedPoint> left;
    for (size_t i = 0; i < points.size(); ++i) {
        if (!deleted[i]) {
            left.push_back(points[i]);
        }
    }
    return left;
}

QStringList StatisticsLines(const std::vector<CreditedPoint>& points, int set) {
    std::vector<std::pair<QString, int>> tables[2];
    for (const CreditedPoint& p : points) {
        if (set != 0 && p.Set != set) {
            continue;
        }
        auto& table = tables[p.Side];
        auto found = std::find_if(table.begin(), table.end(),
                                  [&](const auto& item) { return item.first == p.Code; });
        if (found != table.end()) {
            ++found->second;
        } else if (static_cast<int>(table.size()) < SlotsPerSide) {
            table.emplace_back(p.Code, 1);
        }
    }
    QStringList lines;
    for (int side = 0; side < 2; ++side) {
        for (const auto& [code, count] : tables[side]) {
            if (side == 1 && NumericValue(code) <= 0) {
                continue;
            }
            lines << (side == 0 ? QStringLiteral("Home  :") : QStringLiteral("Guests:")) +
                         (QStringLiteral("   ") + code).right(4) + u' ' + QString::number(count);
        }
    }
    // The exchange sort as the lists always had it: equal counts come out swapped.
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (qsizetype j = i + 1; j < lines.size(); ++j) {
            if (NumericValue(QStringView(lines[j]).mid(12)) >=
                NumericValue(QStringView(lines[i]).mid(12))) {
                lines.swapItemsAt(i, j);
            }
        }
    }
    return lines;
}

Best BestScorers(const QStringList& lines) {
    Best m;
    for (const QString& line : lines) {
        const QString code = line.mid(9, 2).trimmed();
        const QString count = line.mid(12).trimmed();
        if (code == QStringLiteral("E") || code == QStringLiteral("N")) {
            continue;
        }
        if (m.Codes[0].size() > 3 && m.Codes[1].size() > 3) {
            break;
        }
        const int side = line.startsWith(u'H') ? 0 : 1;
        if (m.Codes[side].size() < 4) {
            m.Codes[side] << code;
            m.Counts[side] << count;
        }
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
