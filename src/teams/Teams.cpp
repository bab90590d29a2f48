#include "teams/Teams.h"

#include "shared/FileText.h"
#include "shared/Language.h"
#include "shared/Numbers.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int MinLineLength = 9;
constexpr int MinName = 3;
constexpr int MaxName = 35;
// A roster is a few kilobytes; a file past this is not one worth reading whole.
constexpr qint64 MaxRosterSize = 16LL * 1024 * 1024;

const char* const Roles[] = {"1-Alzatore", "2-Centrale", "3-Libero", "4-Opposto", "5-Banda"};

// The text before the first ";" (all of it when there is none), and what follows it.
QString Court(QString& rest) {
    const qsizetype end = rest.indexOf(u';');
    const QString court = (end < 0 ? rest : rest.left(end)).trimmed();
    rest = end < 0 ? QString() : rest.mid(end + 1).trimmed();
    return court;
}

bool NameForFolder(const QString& name) {
    const QString clean = name.trimmed();
    return !clean.isEmpty() && !clean.contains(u'/') && !clean.contains(u'\\') &&
           clean.count(u'.') != clean.size();
}

} // namespace

QString RoleLabel(int number, const LanguageTable& languages) {
    if (number < 1 || number > 5) {
        return {};
    }
    return languages.Translate(QString::fromUtf8(Roles[number - 1]));
}

int RoleNumber(const QString& role) {
    qsizetype i = 0;
    while (i < role.size() && role[i].isDigit() && role[i].unicode() < 128) {
        ++i;
    }
    const int number = IntegerValue(QStringView(role).left(i));
    return number >= 1 && number <= 5 ? number : 0;
}

QString TeamsFolder(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("Teams"));
}

QString TeamFolder(const QString& dataFolder, const QString& name) {
    if (!NameForFolder(name)) {
        return {};
    }
    return QDir(TeamsFolder(dataFolder)).filePath(name);
}

QString AthletePhoto(const QString& teamFolder, const QString& number) {
    const QString n = number.trimmed();
    if (teamFolder.isEmpty() || !NameForFolder(n)) {
        return {};
    }
    return QDir(teamFolder).filePath(n + QStringLiteral(".jpg"));
}

QString AthleteAudio(const QString& teamFolder, const QString& number) {
    const QString n = number.trimmed();
    if (teamFolder.isEmpty() || !NameForFolder(n)) {
        return {};
    }
    const QString mp3 = QDir(teamFolder).filePath(n + QStringLiteral(".mp3"));
    return QFileInfo::exists(mp3) ? mp3 : QDir(teamFolder).filePath(n + QStringLiteral(".wav"));
}

std::optional<QStringList> ListTeams(const QString& dataFolder) {
    const QDir teams(TeamsFolder(dataFolder));
    if (!teams.exists()) {
        return std::nullopt;
    }
    return teams.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                           QDir::Name | QDir::IgnoreCase);
}

std::vector<Athlete> RosterFromLines(const QStringList& text, int capacity, bool console) {
    std::vector<Athlete> lines;
    for (const QString& line : text) {
        if (static_cast<int>(lines.size()) >= capacity) {
            break;
        }
        if (line.size() < MinLineLength || line.startsWith(u'\'')) {
            continue;
        }
        QString rest = line.trimmed();
        Athlete a;
        a.Number = Court(rest);
        a.Surname = Court(rest);
        a.Name = Court(rest);
        a.Role = Court(rest);
        a.CalledUp = rest;
        lines.push_back(a);
        if (console && a.Number.isEmpty()) {
            break;
        }
    }
    return lines;
}

std::vector<Athlete> ReadRoster(const QString& path, int capacity, bool console) {
    const auto text = ReadTextFile(path, MaxRosterSize);
    return text ? RosterFromLines(*text, capacity, console) : std::vector<Athlete>{};
}

bool WriteRoster(const QString& path, const std::vector<Athlete>& athletes,
                 const LanguageTable& languages) {
    QStringList lines;
    for (const Athlete& a : athletes) {
        for (const QString* court : {&a.Number, &a.Surname, &a.Name}) {
            if (court->contains(u';')) {
                return false;
            }
        }
        const bool calledUp =
            a.CalledUp.trimmed().compare(QStringLiteral("C"), Qt::CaseInsensitive) == 0;
        lines << a.Number + u';' + a.Surname + u';' + a.Name + u';' +
                     RoleLabel(RoleNumber(a.Role), languages) + u';' +
                     (calledUp ? QStringLiteral("C") : QStringLiteral("N"));
    }
    return WriteTextFile(path, lines);
}

NameOutcome ValidateTeamName(const QString& name, const QStringList& existing) {
    const QString clean = name.trimmed();
    if (clean.isEmpty()) {
        return NameOutcome::Cancelled;
    }
    // Dots at either end do not survive every file system and ".." would leave Teams.
    if (clean.size() < MinName || clean.size() > MaxName || clean.startsWith(u'.') ||
        clean.endsWith(u'.')) {
        return NameOutcome::NotValid;
    }
    for (const QChar c : clean) {
        if (ForbiddenCharacters.contains(c) || c.unicode() < 32) {
            return NameOutcome::NotValid;
        }
    }
    for (const QString& existing : existing) {
        if (existing.trimmed().compare(clean, Qt::CaseInsensitive) == 0) {
            return NameOutcome::Duplicate;
        }
    }
    return NameOutcome::Accepted;
}

bool ProtectedTeam(const QString& name) {
    const QString clean = name.trimmed().toUpper();
    return clean == QStringLiteral("HOME") || clean == QStringLiteral("GUESTS");
}

bool CreateTeam(const QString& dataFolder, const QString& name) {
    const QString folder = TeamFolder(dataFolder, name.trimmed());
    return !folder.isEmpty() && QDir().mkpath(folder);
}

bool RemoveTeam(const QString& dataFolder, const QString& name) {
    const QString folder = TeamFolder(dataFolder, name);
    if (folder.isEmpty() || ProtectedTeam(name)) {
        return false;
    }
    QDir dir(folder);
    for (const QString& file : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        dir.remove(file);
    }
    return QDir(TeamsFolder(dataFolder)).rmdir(name);
}

bool RenameTeam(const QString& dataFolder, const QString& old, const QString& fresh) {
    const QString from = TeamFolder(dataFolder, old);
    const QString a = TeamFolder(dataFolder, fresh.trimmed());
    if (from.isEmpty() || a.isEmpty() || ProtectedTeam(old)) {
        return false;
    }
    return QDir().rename(from, a);
}
