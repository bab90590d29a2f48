#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The topics every court publishes under, version 1 of the contract (see the README):
//   brivanta/v1/<venue>/court/<court>/state          the court's state document, retained
//   brivanta/v1/<venue>/court/<court>/presence       "online", or "offline" as the last will
//   brivanta/v1/<venue>/court/<court>/result/<id>    a finished match's file, retained
namespace Topics {
inline const QString Root = QStringLiteral("brivanta/v1");
constexpr int MaxName = 64;

QString State(const QString& venue, const QString& court);
QString Presence(const QString& venue, const QString& court);
QString Result(const QString& venue, const QString& court, const QString& id);
// Every topic of a venue, for a subscription.
QString AllOf(const QString& venue);

struct Parsed {
    QString court;
    QString kind; // "state", "presence" or "result"
    QString id;   // of a result
};
// Nothing for a topic outside the venue's contract or a name that could not be ours.
std::optional<Parsed> Parse(const QString& venue, const QString& topic);

// A name that is safe in a topic, a file name and a page: 1 to 64 characters, no "/", no
// "..", no control characters, none of MQTT's wildcards.
bool ValidName(const QString& name);
// The nearest valid name: what cannot be is replaced by "-", cut at 64 characters.
QString SafeName(const QString& name);

// A finished match's stable id: its save date, the time of its first point and its teams
// ("2026-12-07_2033_Aquile-Volley_Lupi-Neri"). Nothing when the file holds no point.
std::optional<QString> ResultId(const QStringList& matchFileLines);
} // namespace Topics
