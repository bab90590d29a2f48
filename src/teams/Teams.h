#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class LanguageTable;

// One roster row, five text fields in the file's order.
struct Athlete {
    QString Number;
    QString Surname;
    QString Name;
    QString Role;
    QString CalledUp;
};

// A side's roster as the console holds it: rows in file order, at most 100.
using Roster = std::vector<Athlete>;

constexpr int ConsoleCapacity = 100;
constexpr int EditorCapacity = 27;

// The five roles by number, as labels "1-Alzatore" .. "5-Banda", translated.
QString RoleLabel(int number, const LanguageTable& languages);
// The leading number of a role field; 0 when it is not a role.
int RoleNumber(const QString& role);

// Team folders live under <data>/Teams. A name that could lead outside it gives no path.
QString TeamsFolder(const QString& dataFolder);
QString TeamFolder(const QString& dataFolder, const QString& name);
QString AthletePhoto(const QString& teamFolder, const QString& number);
// The .mp3 when it exists, otherwise the .wav whether or not it exists.
QString AthleteAudio(const QString& teamFolder, const QString& number);

// Every subfolder of Teams in listing order; nothing when there is no Teams folder.
std::optional<QStringList> ListTeams(const QString& dataFolder);

// Reads up to `capacity` rows; the console's reading also stops after a row with no number.
// A missing file is an empty roster.
std::vector<Athlete> ReadRoster(const QString& path, int capacity, bool console);
// The same reading on lines already decoded.
std::vector<Athlete> RosterFromLines(const QStringList& lines, int capacity, bool console);

// False when the file could not be written or a field holds a ";" the format cannot carry;
// nothing is written then.
bool WriteRoster(const QString& path, const std::vector<Athlete>& lines,
                 const LanguageTable& languages);

// Characters a team name cannot hold: it names a folder.
inline const QString ForbiddenCharacters = QStringLiteral("^~#%&*<>?/\\{|}:\"");

enum class NameOutcome { Accepted, Cancelled, NotValid, Duplicate };
NameOutcome ValidateTeamName(const QString& name, const QStringList& existing);
// Home and Guests can be neither deleted nor renamed.
bool ProtectedTeam(const QString& name);

bool CreateTeam(const QString& dataFolder, const QString& name);
bool RemoveTeam(const QString& dataFolder, const QString& name);
bool RenameTeam(const QString& dataFolder, const QString& old, const QString& fresh);
