#include "venue/VenueBoard.h"

#include "shared/FileText.h"
#include "venue/Topics.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

VenueBoard::VenueBoard(QString venue) : venue_(std::move(venue)) {}

bool VenueBoard::Ignore() {
    ++ignored_;
    return false;
}

bool VenueBoard::Accept(const QString& topic, const QByteArray& payload, const QDateTime& now) {
    const auto t = Topics::Parse(venue_, topic);
    if (!t || (!courts_.contains(t->court) && courts_.size() >= MaxCourts)) {
        return Ignore();
    }
    if (t->kind == QStringLiteral("presence")) {
        if (payload != "online" && payload != "offline") {
            return Ignore();
        }
        Court& c = courts_[t->court];
        c.online = payload == "online";
        c.lastSeen = now;
        return true;
    }
    if (t->kind == QStringLiteral("state")) {
        return AcceptState(t->court, payload, now);
    }
    return AcceptResult(t->court, t->id, payload, now);
}

bool VenueBoard::AcceptState(const QString& court, const QByteArray& payload,
                             const QDateTime& now) {
    if (payload.size() > MaxState) {
        return Ignore();
    }
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject() ||
        !doc.object().value(QStringLiteral("home")).isObject() ||
        !doc.object().value(QStringLiteral("guests")).isObject()) {
        return Ignore();
    }
    Court& c = courts_[court];
    c.state = doc.object();
    // The page shows the topic's name, never one the payload claims.
    c.state.insert(QStringLiteral("court"), court);
    c.lastSeen = now;
    return true;
}

std::optional<VenueBoard::Result> ReadResult(const QByteArray& file) {
    const QStringList lines = DecodeLines(file);
    VenueBoard::Result r;
    bool match = false;
    for (const QString& line : lines) {
        const QString value = line.mid(8).trimmed();
        if (line.startsWith(QStringLiteral("#HOME  :"))) {
            r.home = value;
        } else if (line.startsWith(QStringLiteral("#GUESTS:"))) {
            r.guests = value;
        } else if (line.startsWith(QStringLiteral("#HSCORE:"))) {
            r.homeSets = value.toInt();
        } else if (line.startsWith(QStringLiteral("#GSCORE:"))) {
            r.guestsSets = value.toInt();
        } else if (line.startsWith(QStringLiteral("#SET ")) && !value.isEmpty()) {
            r.partials << value;
        } else if (line.startsWith(QStringLiteral("#CURSET:"))) {
            match = true;
        }
    }
    if (!match || r.home.isEmpty() || r.guests.isEmpty()) {
        return std::nullopt;
    }
    return r;
}

bool VenueBoard::AcceptResult(const QString& court, const QString& id, const QByteArray& payload,
                              const QDateTime& now) {
    if (payload.size() > MaxResult) {
        return Ignore();
    }
    if (results_.contains(id)) {
        return false;
    }
    auto r = ReadResult(payload);
    if (!r || Topics::ResultId(DecodeLines(payload)) != id) {
        return Ignore();
    }
    r->id = id;
    r->court = court;
    r->received = now;
    r->file = payload;
    results_.insert(id, *r);
    new_ << id;
    courts_[court].lastSeen = now;
    return true;
}

QList<VenueBoard::Result> VenueBoard::Results() const {
    QList<Result> list = results_.values();
    std::sort(list.begin(), list.end(),
              [](const Result& a, const Result& b) { return a.id > b.id; });
    return list;
}

QList<VenueBoard::Result> VenueBoard::TakeNew() {
    QList<Result> list;
    for (const QString& id : std::exchange(new_, {})) {
        list << results_.value(id);
    }
    return list;
}

QByteArray VenueBoard::Json(const QDateTime& now) const {
    QJsonArray courts;
    for (auto it = courts_.cbegin(); it != courts_.cend(); ++it) {
        QJsonObject c{
            {QStringLiteral("name"), it.key()},
            {QStringLiteral("online"), it->online},
            {QStringLiteral("last_seen"),
             it->lastSeen.isValid() ? it->lastSeen.toUTC().toString(Qt::ISODate) : QString()},
            {QStringLiteral("seconds_since_seen"),
             it->lastSeen.isValid() ? static_cast<double>(it->lastSeen.secsTo(now)) : -1.0},
            {QStringLiteral("state"), it->state}};
        courts.append(c);
    }
    QJsonArray results;
    for (const Result& r : Results()) {
        results.append(
            QJsonObject{{QStringLiteral("id"), r.id},
                        {QStringLiteral("court"), r.court},
                        {QStringLiteral("home"), r.home},
                        {QStringLiteral("guests"), r.guests},
                        {QStringLiteral("home_sets"), r.homeSets},
                        {QStringLiteral("guests_sets"), r.guestsSets},
                        {QStringLiteral("partials"), QJsonArray::fromStringList(r.partials)}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("venue"), venue_},
                                     {QStringLiteral("courts"), courts},
                                     {QStringLiteral("results"), results},
                                     {QStringLiteral("ignored"), ignored_}})
        .toJson(QJsonDocument::Compact);
}

QByteArray VenueBoard::ResultsCsv() const {
    // A spreadsheet must not run a cell that starts like a formula.
    auto cell = [](QString v) {
        if (!v.isEmpty() && QStringLiteral("=+-@").contains(v[0])) {
            v.prepend(u'\'');
        }
        return v.replace(u';', u',');
    };
    QStringList lines{QStringLiteral("id;court;home;guests;home_sets;guests_sets;partials")};
    for (const Result& r : Results()) {
        lines << QStringList{cell(r.id),
                             cell(r.court),
                             cell(r.home),
                             cell(r.guests),
                             QString::number(r.homeSets),
                             QString::number(r.guestsSets),
                             cell(r.partials.join(u' '))}
                     .join(u';');
    }
    return lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}
