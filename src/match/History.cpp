#include "match/History.h"

#include "shared/Numbers.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace {

constexpr int PointTypes = 5;

// "(1) 3 -  2 - 15:42 - H_7_2": the set in one digit, the points at fixed positions.
bool ReadScoreLine(const QString& line, HistoryEvent& e) {
    if (line.size() < 10 || line[0] != u'(' || !line[1].isDigit() || line[2] != u')') {
        return false;
    }
    const QStringView text(line);
    e.Set = line[1].digitValue();
    e.Score = {IntegerValue(text.mid(3, 2)), IntegerValue(text.mid(8, 2))};
    const QString event = line.section(QStringLiteral(" - "), -1);
    if (!event.startsWith(QStringLiteral("H_")) && !event.startsWith(QStringLiteral("G_"))) {
        e.Kind = HistoryKind::SetStart;
        return true;
    }
    const QStringList parts = event.split(u'_');
    e.Side = parts[0] == QStringLiteral("G") ? 1 : 0;
    e.Athlete = parts.value(1).isEmpty() ? QStringLiteral("N") : parts.value(1);
    const int type = IntegerValue(parts.value(2));
    e.PointType = type >= 0 && type < PointTypes ? type : 0;
    e.Kind = HistoryKind::Point; // until the score before it says otherwise
    return true;
}

// "1#H Timeout Locali - 15:42"
bool ReadTimeoutLine(const QString& line, HistoryEvent& e) {
    static const QRegularExpression timeout(QStringLiteral(R"(^(\d+)#([HG]) )"));
    const auto m = timeout.match(line);
    if (!m.hasMatch() || IntegerValue(m.captured(1)) <= 0) {
        return false;
    }
    e.Kind = HistoryKind::Timeout;
    e.TimeoutCount = IntegerValue(m.captured(1));
    e.Side = m.captured(2) == QStringLiteral("G") ? 1 : 0;
    return true;
}

QString TimeOfDay(const QString& line) {
    static const QRegularExpression wallNow(QStringLiteral(R"((\d{1,2}:\d{2}))"));
    const auto m = wallNow.match(line);
    return m.hasMatch() ? m.captured(1) : QString();
}

// What a line is read against: the set and score of the newest score line, and each set's
// newest score.
struct ReadContext {
    int LastSet = 1;
    std::array<int, 2> LastScore{0, 0};
    std::array<std::optional<std::array<int, 2>>, 10> SetScore{}; // sets are one digit

    void Advance(const HistoryEvent& e) {
        if (e.HasScore()) {
            LastSet = e.Set;
            LastScore = e.Score;
            SetScore[e.Set] = e.Score;
        }
    }
};

// The line alone: its kind as far as the text tells (a score line reads as a point).
HistoryEvent ReadText(const QString& line) {
    HistoryEvent e;
    e.Text = line;
    e.Time = TimeOfDay(line);
    if (!ReadTimeoutLine(line, e) && !ReadScoreLine(line, e)) {
        e = HistoryEvent{};
        e.Text = line;
    }
    return e;
}

// A timeout is called in the set, and at the score, of the line before it; a score line that
// did not raise its side's score in its set removed a point.
void Complete(HistoryEvent& e, const ReadContext& context) {
    if (e.Kind == HistoryKind::Timeout) {
        e.Set = context.LastSet;
        e.Score = context.LastScore;
    } else if (e.Kind == HistoryKind::Point &&
               e.Score[e.Side] <=
                   context.SetScore[e.Set].value_or(std::array<int, 2>{0, 0})[e.Side]) {
        e.Kind = HistoryKind::Removal;
    }
}

} // namespace

bool HistoryEvent::HasScore() const {
    return Kind == HistoryKind::SetStart || Kind == HistoryKind::Point ||
           Kind == HistoryKind::Removal;
}

QString HistoryTime(const QString& fullTime) {
    return fullTime.left(5);
}

QString EventCode(int side, const QString& athleteCode, int pointType) {
    return (side == 0 ? QStringLiteral("H_") : QStringLiteral("G_")) + athleteCode +
           QStringLiteral("_") + QString::number(pointType);
}

QString PointLine(int set, int home, int guests, const QString& wallNow, const QString& eventCode) {
    return QStringLiteral("(") + QString::number(set) + QStringLiteral(")") + Align2(home) +
           QStringLiteral(" - ") + Align2(guests) + QStringLiteral(" - ") + wallNow +
           QStringLiteral(" - ") + eventCode;
}

QString SetStartLine(int set, const QString& wallNow) {
    return QStringLiteral("(") + QString::number(set) + QStringLiteral(") 0 -  0 - ") + wallNow +
           QStringLiteral(" - 0_0");
}

QString TimeoutLine(int count, int side, const QString& sideWord, const QString& wallNow) {
    return QString::number(count) + QStringLiteral("#") +
           (side == 0 ? QStringLiteral("H") : QStringLiteral("G")) + QStringLiteral(" Timeout ") +
           sideWord + QStringLiteral(" - ") + wallNow;
}

HistoryEvent ReadHistoryLine(const QString& line, const MatchHistory& before) {
    HistoryEvent e = ReadText(line);
    ReadContext context;
    // Back only as far as the line needs: the newest score line, and its own set's newest.
    bool lastFound = false;
    for (auto earlier = before.rbegin(); earlier != before.rend(); ++earlier) {
        if (!earlier->HasScore()) {
            continue;
        }
        if (!lastFound) {
            lastFound = true;
            context.LastSet = earlier->Set;
            context.LastScore = earlier->Score;
        }
        if (earlier->Set == e.Set) {
            context.SetScore[e.Set] = earlier->Score;
            break;
        }
        if (e.Kind != HistoryKind::Point) {
            break;
        }
    }
    Complete(e, context);
    return e;
}

MatchHistory ReadHistory(const QStringList& lines) {
    MatchHistory history;
    history.reserve(lines.size());
    ReadContext context;
    for (const QString& line : lines) {
        HistoryEvent e = ReadText(line);
        Complete(e, context);
        context.Advance(e);
        history.append(std::move(e));
    }
    return history;
}

QStringList HistoryLines(const MatchHistory& history) {
    QStringList lines;
    lines.reserve(history.size());
    for (const HistoryEvent& e : history) {
        lines.append(e.Text);
    }
    return lines;
}

bool HasScoreChanges(const MatchHistory& history) {
    return std::any_of(history.begin(), history.end(), [](const HistoryEvent& e) {
        return e.Kind == HistoryKind::Point || e.Kind == HistoryKind::Removal;
    });
}
