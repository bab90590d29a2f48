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

QString Now(const QString& line) {
    static const QRegularExpression wallNow(QStringLiteral(R"((\d{1,2}:\d{2}))"));
    const auto m = wallNow.match(line);
    return m.hasMatch() ? m.captured(1) : QString();
}

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

std::vector<HistoryEvent> HistoryEvents(const QStringList& history) {
    std::vector<HistoryEvent> events;
    int set = 1;
    std::array<int, 2> score{0, 0};
    for (const QString& line : history) {
        const HistoryLine r = ReadLine(line);
        HistoryEvent e;
        e.Now = Now(line);
        if (r.Timeout) {
            e.Type = HistoryEvent::Kind::Time;
            e.Set = set;
            e.Home = score[0];
            e.Guests = score[1];
            e.Side = r.Side;
            events.push_back(e);
            continue;
        }
        e.Set = r.Set;
        e.Home = r.Home;
        e.Guests = r.Guests;
        if (!IsPointLine(line)) {
            e.Type = HistoryEvent::Kind::SetStart;
        } else {
            const QStringList event = line.section(QStringLiteral(" - "), -1).split(u'_');
            e.Side = event.value(0) == QStringLiteral("G") ? 1 : 0;
            e.Code = event.value(1);
            e.PointType = std::clamp(IntegerValue(event.value(2)), 0, 4);
            const bool sameSet = r.Set == set;
            e.Type = sameSet && r.Home + r.Guests < score[0] + score[1]
                         ? HistoryEvent::Kind::Cancellation
                         : HistoryEvent::Kind::Point;
        }
        set = r.Set;
        score = {r.Home, r.Guests};
        events.push_back(e);
    }
    return events;
}

Report BuildReport(const Match& p, const QDate& data, const LanguageTable& languages) {
    Report r;
    r.Data = data;
    r.SetsWon = p.SetsWon;
    r.Finished = p.FinishedMatch != 0;
    const std::vector<CreditedPoint> points = CreditedPoints(p.History);
    const std::vector<HistoryEvent> events = HistoryEvents(p.History);
    const int lastSet = std::max(1, std::min(p.CurrentSet, 5));
    for (int n = 1; n <= lastSet; ++n) {
        ReportSet s;
        s.Number = n;
        QString start;
        QString end;
        for (const HistoryEvent& e : events) {
            if (e.Set != n) {
                continue;
            }
            if (start.isEmpty()) {
                start = e.Now;
            }
            end = e.Now;
            if (e.Type == HistoryEvent::Kind::Time) {
                s.Times.push_back({static_cast<int>(s.Progression.size()), e.Side});
            } else if (e.Type != HistoryEvent::Kind::SetStart) {
                s.Progression.push_back({e.Home, e.Guests});
            }
        }
        if (s.Progression.empty() && n > 1 && n == lastSet) {
            continue; // the next set has not started: nothing to chart
        }
        if (!s.Progression.empty()) {
            s.Final = s.Progression.back();
        }
        const int goal = PointsToWin(p.TotalSets, n, p.SetPoints, p.TieBreakPoints);
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
        const Best best = BestScorers(StatisticsLines(points, n));
        for (int k = 0; k < 2; ++k) {
            s.Best[k] = Names(best, k, p.Rosters[k], languages);
        }
        r.Set.push_back(s);
    }
    const Best match = BestScorers(StatisticsLines(points, 0));
    for (int k = 0; k < 2; ++k) {
        ReportTeam& q = r.Teams[k];
        q.Name = p.Display.Name[k];
        q.AvailableRoster = !p.Rosters[k].empty();
        q.Athletes = Athletes(p.Rosters[k], k, points, languages);
        q.OpponentErrors =
            static_cast<int>(std::count_if(points.begin(), points.end(), [k](const auto& x) {
                return x.Side == k && x.Code == QStringLiteral("E");
            }));
        q.Best = Names(match, k, p.Rosters[k], languages);
    }
    return r;
}

QStringList PlayByPlayLines(const Match& p, const LanguageTable& languages) {
    const auto t = [&languages](const char* text) {
        return languages.Translate(QString::fromUtf8(text));
    };
    // Any ";" inside a name would split its column.
    const auto court = [](QString s) { return s.replace(u';', u','); };
    QStringList lines{QStringList{t("Set"), t("Punti locali"), t("Punti ospiti"), t("Squadra"),
                                  t("Numero"), t("Cognome"), t("Tipo di punto"), t("Ora"),
                                  t("Evento")}
                          .join(u';')};
    for (const HistoryEvent& e : HistoryEvents(p.History)) {
        QString kind;
        switch (e.Type) {
        case HistoryEvent::Kind::SetStart:
            kind = t("Inizio set");
            break;
        case HistoryEvent::Kind::Point:
            kind = t("Punto");
            break;
        case HistoryEvent::Kind::Cancellation:
            kind = t("Punto annullato");
            break;
        case HistoryEvent::Kind::Time:
            kind = t("Tempo");
            break;
        }
        const bool point =
            e.Type == HistoryEvent::Kind::Point || e.Type == HistoryEvent::Kind::Cancellation;
        const bool athlete = point && IntegerValue(e.Code) > 0;
        lines << QStringList{QString::number(e.Set),
                             QString::number(e.Home),
                             QString::number(e.Guests),
                             e.Side < 0 ? QString() : court(p.Display.Name[e.Side]),
                             point ? e.Code : QString(),
                             athlete ? court(AthleteSurname(p.Rosters[e.Side], e.Code, languages))
                                     : QString(),
                             point ? t(PointTypes[e.PointType]) : QString(),
                             e.Now,
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
