#include "venue/Topics.h"

#include <QRegularExpression>

namespace Topics {

namespace {
QString Court(const QString& venue, const QString& court) {
    return Root + u'/' + venue + QStringLiteral("/court/") + court;
}
} // namespace

QString State(const QString& venue, const QString& court) {
    return Court(venue, court) + QStringLiteral("/state");
}

QString Presence(const QString& venue, const QString& court) {
    return Court(venue, court) + QStringLiteral("/presence");
}

QString Result(const QString& venue, const QString& court, const QString& id) {
    return Court(venue, court) + QStringLiteral("/result/") + id;
}

QString AllOf(const QString& venue) {
    return Root + u'/' + venue + QStringLiteral("/court/#");
}

bool ValidName(const QString& name) {
    if (name.isEmpty() || name.size() > MaxName || name.contains(QStringLiteral(".."))) {
        return false;
    }
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || c == u'/' || c == u'\\' || c == u'+' ||
            c == u'#' || c == QChar(0)) {
            return false;
        }
    }
    return name.trimmed() == name;
}

QString SafeName(const QString& name) {
    QString safe;
    for (const QChar c : name.trimmed().left(MaxName)) {
        const bool bad = c.category() == QChar::Other_Control || c == u'/' || c == u'\\' ||
                         c == u'+' || c == u'#';
        safe += bad ? u'-' : c;
    }
    safe.replace(QStringLiteral(".."), QStringLiteral("-"));
    return ValidName(safe) ? safe : QStringLiteral("court");
}

std::optional<Parsed> Parse(const QString& venue, const QString& topic) {
    const QString prefix = Root + u'/' + venue + QStringLiteral("/court/");
    if (!topic.startsWith(prefix)) {
        return std::nullopt;
    }
    const QStringList parts = topic.mid(prefix.size()).split(u'/');
    if (parts.size() < 2 || !ValidName(parts[0])) {
        return std::nullopt;
    }
    if (parts.size() == 2 &&
        (parts[1] == QStringLiteral("state") || parts[1] == QStringLiteral("presence"))) {
        return Parsed{parts[0], parts[1], {}};
    }
    if (parts.size() == 3 && parts[1] == QStringLiteral("result") && ValidName(parts[2])) {
        return Parsed{parts[0], parts[1], parts[2]};
    }
    return std::nullopt;
}

std::optional<QString> ResultId(const QStringList& lines) {
    static const QRegularExpression saved(
        QStringLiteral(R"(^#Salvataggio\s+del\s*:\s*(\d\d)/(\d\d)/(\d{4}))"));
    static const QRegularExpression point(
        QStringLiteral(R"(^\(\d+\)\s*\d+\s*-\s*\d+\s*-\s*(\d{1,2}):(\d\d)\s*-)"));
    QString date, time, home, guests;
    for (const QString& line : lines) {
        if (const auto m = saved.match(line); m.hasMatch() && date.isEmpty()) {
            date = m.captured(3) + u'-' + m.captured(2) + u'-' + m.captured(1);
        } else if (line.startsWith(QStringLiteral("#HOME  :"))) {
            home = line.mid(8).trimmed();
        } else if (line.startsWith(QStringLiteral("#GUESTS:"))) {
            guests = line.mid(8).trimmed();
        } else if (const auto p = point.match(line); p.hasMatch() && time.isEmpty()) {
            time = p.captured(1).rightJustified(2, u'0') + p.captured(2);
        }
    }
    if (date.isEmpty() || time.isEmpty()) {
        return std::nullopt;
    }
    QString id = date + u'_' + time + u'_' + home + u'_' + guests;
    static const QRegularExpression unsafe(QStringLiteral(R"([^A-Za-z0-9_-]+)"));
    id.replace(u' ', u'-').replace(unsafe, QStringLiteral("-"));
    return id.left(MaxName);
}

} // namespace Topics
