#include "report/Report.h"

#include "match/History.h"
#include "match/Match.h"
#include "match/Rules.h"
#include "shared/Language.h"
#include "shared/Numbers.h"
#include "teams/Searches.h"

#include <QRegularExpression>
#include <QTime>
#include <algorithm>

namespace {

const char* const PointTypes[5] = {"Non specificato", "Ace", "Muro", "Schiacciata", "Pallonetto"};

// An athlete the roster does not know: "N° 6", in the report's language.
QString ByNumber(const QString& code, const LanguageTable& languages) {
    return languages.Translate(QStringLiteral("N°")) + u' ' + code.trimmed();
}

// "7 Rossi (5)", or "N° 6 (5)" off the roster, for each of the best scorers.
QStringList Names(const Best& best, int side, const Roster& roster,
                  const LanguageTable& languages) {
    QStringList names;
    for (qsizetype i = 0; i < best.Codes[side].size(); ++i) {
        const QString& code = best.Codes[side][i];
        const QString name = InRoster(roster, code)
                                 ? code + u' ' + AthleteSurname(roster, code, languages)
                                 : ByNumber(code, languages);
        names << name + QStringLiteral(" (") + best.Counts[side][i] + u')';
    }
    return names;
}

// The roster's rows, then a row for every other number that scored, by number: the match file
// alone knows who scored by number, and no point may go missing from the tables.
std::vector<SummaryLine> Athletes(const Roster& roster, int side,
                                  const std::vector<CreditedPoint>& points,
                                  const LanguageTable& languages) {
    std::vector<SummaryLine> lines = Summary(roster, side, points);
    std::vector<SummaryLine> others;
    for (const CreditedPoint& p : points) {
        const double number = NumericValue(p.Code);
        const auto same = [number](const SummaryLine& r) {
            return NumericValue(r.Number) == number;
        };
        if (p.Side != side || number <= 0 || std::any_of(lines.begin(), lines.end(), same)) {
            continue;
        }
        auto line = std::find_if(others.begin(), others.end(), same);
        if (line == others.end()) {
            others.push_back({p.Code.trimmed(), ByNumber(p.Code, languages)});
            line = others.end() - 1;
        }
        ++line->Total;
        if (p.Type >= 0 && p.Type <= 4) {
            ++line->ByType[p.Type];
        }
    }
    std::sort(others.begin(), others.end(), [](const SummaryLine& a, const SummaryLine& b) {
        return NumericValue(a.Number) < NumericValue(b.Number);
    });
    lines.insert(lines.end(), others.begin(), others.end());
    return lines;
}

std::optional<int> Minutes(const QString& start, const QString& end) {
    const QTime a = QTime::fromString(start, QStringLiteral("H:mm"));
    const QTime b = QTime::fromString(end, QStringLiteral("H:mm"));
    if (!a.isValid() || !b.isValid()) {
        return std::nullopt;
    }
    int minutes = a.secsTo(b) / 60;
    if (minutes < 0) {
        minutes += 24 * 60; // past midnight
    }
    return minutes;
}

} // namespace

Report BuildReport(const Match& match, const QDate& date, const LanguageTable& languages) {
    Report r;
    r.Date = date;
    r.SetsWon = match.SetsWon;
    r.Finished = match.MatchOver;
    const std::vector<CreditedPoint> points = CreditedPoints(match.History);
    const int lastSet = std::max(1, std::min(match.CurrentSet, 5));
    for (int n = 1; n <= lastSet; ++n) {
        ReportSet s;
        s.Number = n;
        QString start;
        QString end;
        for (const HistoryEvent& e : match.History) {
            if (e.Kind == HistoryKind::Unknown || e.Set != n) {
                continue;
            }
            if (start.isEmpty()) {
                start = e.Time;
            }
            end = e.Time;
            switch (e.Kind) {
            case HistoryKind::Timeout:
                s.Times.push_back({static_cast<int>(s.Progression.size()), e.Side});
                break;
            case HistoryKind::Point:
            case HistoryKind::Removal:
                s.Progression.push_back(e.Score);
                break;
            case HistoryKind::SetStart:
            case HistoryKind::Unknown:
                break;
            }
        }
        if (s.Progression.empty() && n > 1 && n == lastSet) {
            continue; // the next set has not started: nothing to chart
        }
        if (!s.Progression.empty()) {
            s.Final = s.Progression.back();
        }
        const int goal = PointsToWin(match.TotalSets, n, match.SetPoints, match.TieBreakPoints);
        if (SetConcluded(s.Final[0], s.Final[1], goal)) {
            s.Winner = s.Final[0] > s.Final[1] ? 0 : 1;
            s.Minutes = Minutes(start, end);
        }
        int side = -1;
        int series = 0;
        for (const CreditedPoint& point : points) {
            if (point.Set != n) {
                continue;
            }
            series = point.Side == side ? series + 1 : 1;
            side = point.Side;
            s.MaxSeries[side] = std::max(s.MaxSeries[side], series);
        }
        const Best best = BestScorers(ScorerCounts(points, n));
        for (int k = 0; k < 2; ++k) {
            s.Best[k] = Names(best, k, match.Rosters[k], languages);
        }
        r.Set.push_back(s);
    }
    const Best wholeMatch = BestScorers(ScorerCounts(points, 0));
    for (int k = 0; k < 2; ++k) {
        ReportTeam& q = r.Teams[k];
        q.Name = match.Display.Name[k];
        q.AvailableRoster = !match.Rosters[k].empty();
        q.Athletes = Athletes(match.Rosters[k], k, points, languages);
        q.OpponentErrors =
            static_cast<int>(std::count_if(points.begin(), points.end(), [k](const auto& x) {
                return x.Side == k && x.Code == QStringLiteral("E");
            }));
        q.Best = Names(wholeMatch, k, match.Rosters[k], languages);
    }
    return r;
}

QStringList PlayByPlayLines(const Match& match, const LanguageTable& languages) {
    const auto t = [&languages](const char* text) {
        return languages.Translate(QString::fromUtf8(text));
    };
    // Any ";" inside a name would split its column.
    const auto court = [](QString s) { return s.replace(u';', u','); };
    QStringList lines{QStringList{t("Set"), t("Punti locali"), t("Punti ospiti"), t("Squadra"),
                                  t("Numero"), t("Cognome"), t("Tipo di punto"), t("Ora"),
                                  t("Evento")}
                          .join(u';')};
    for (const HistoryEvent& e : match.History) {
        QString kind;
        switch (e.Kind) {
        case HistoryKind::SetStart:
            kind = t("Inizio set");
            break;
        case HistoryKind::Point:
            kind = t("Punto");
            break;
        case HistoryKind::Removal:
            kind = t("Punto annullato");
            break;
        case HistoryKind::Timeout:
            kind = t("Tempo");
            break;
        case HistoryKind::Unknown:
            continue;
        }
        const bool point = e.Kind == HistoryKind::Point || e.Kind == HistoryKind::Removal;
        const bool athlete = point && IntegerValue(e.Athlete) > 0;
        lines << QStringList{QString::number(e.Set),
                             QString::number(e.Score[0]),
                             QString::number(e.Score[1]),
                             e.Side < 0 ? QString() : court(match.Display.Name[e.Side]),
                             point ? e.Athlete : QString(),
                             athlete ? court(AthleteSurname(match.Rosters[e.Side], e.Athlete,
                                                            languages))
                                     : QString(),
                             point ? t(PointTypes[e.PointType]) : QString(),
                             e.Time,
                             kind}
                     .join(u';');
    }
    return lines;
}

QDate FileDate(const QStringList& lines) {
    static const QRegularExpression data(QStringLiteral(R"((\d{2}/\d{2}/\d{4}))"));
    if (lines.isEmpty()) {
        return {};
    }
    const auto m = data.match(lines.first());
    return m.hasMatch() ? QDate::fromString(m.captured(1), QStringLiteral("dd/MM/yyyy")) : QDate();
}
