#include "teams/RosterEditing.h"

#include "platform/FileSync.h"
#include "shared/FileText.h"
#include "shared/Numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace {

// Enough for any hand-made roster; the editor shows 27 and keeps the rest aside.
constexpr int ReadCapacity = 10000;

double Key(const QString& number, double empty, double zero) {
    if (number.isEmpty()) {
        return empty;
    }
    const double value = NumericValue(number);
    return value == 0 ? zero : value;
}

} // namespace

int RoleIndex(const QString& court) {
    const int value = IntegerValue(court);
    if (value == 0) {
        return EmptyRoleItem;
    }
    return value >= 1 && value <= 5 ? value - 1 : -1;
}

EditorRoster ReadEditorRoster(const QString& path) {
    EditorRoster roster;
    const std::vector<Athlete> all = ReadRoster(path, ReadCapacity, false);
    for (size_t r = 0; r < all.size(); ++r) {
        const Athlete& a = all[r];
        if (r >= roster.Lines.size()) {
            roster.Beyond.push_back(a);
            continue;
        }
        EditorLine& line = roster.Lines[r];
        line.Number = a.Number;
        line.Surname = a.Surname;
        line.Name = a.Name;
        line.Role = RoleIndex(a.Role);
        line.CalledUp = a.CalledUp.trimmed().compare(QStringLiteral("C"), Qt::CaseInsensitive) == 0;
    }
    return roster;
}

void SortLines(EditorLines& lines) {
    const int n = static_cast<int>(lines.size());
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            // Different keys on each side, so an empty row never swaps with an empty row.
            if (Key(lines[i].Number, 9997, 997) >= Key(lines[j].Number, 9999, 999)) {
                std::swap(lines[i], lines[j]);
            }
        }
    }
}

std::optional<int> LineWithSemicolon(const EditorLines& lines) {
    for (int r = 0; r < static_cast<int>(lines.size()); ++r) {
        for (const QString* court : {&lines[r].Number, &lines[r].Surname, &lines[r].Name}) {
            if (court->contains(u';')) {
                return r;
            }
        }
    }
    return std::nullopt;
}

std::vector<Athlete> LinesToSave(const EditorRoster& roster, const LanguageTable& languages) {
    std::vector<Athlete> lines;
    for (const EditorLine& r : roster.Lines) {
        if (r.Number.isEmpty()) {
            continue;
        }
        const QString role =
            r.Role >= 0 && r.Role < EmptyRoleItem ? RoleLabel(r.Role + 1, languages) : QString();
        lines.push_back({r.Number, r.Surname, r.Name, role,
                         r.CalledUp ? QStringLiteral("C") : QStringLiteral("N")});
    }
    lines.insert(lines.end(), roster.Beyond.begin(), roster.Beyond.end());
    return lines;
}

QString AudioDestination(const QString& teamFolder, const QString& number, const QString& chosen) {
    const QString photo = AthletePhoto(teamFolder, number);
    if (photo.isEmpty()) {
        return {};
    }
    QString name = QFileInfo(chosen).fileName();
    while (name.endsWith(QChar(u'\0'))) {
        name.chop(1);
    }
    const QString queue = name.right(4).toLower();
    if (queue.contains(u'/') || queue.contains(u'\\')) {
        return {};
    }
    return QDir(teamFolder).filePath(number.trimmed() + queue);
}

bool ImportAudio(const QString& teamFolder, const QString& number, const QString& chosen) {
    const QString destination = AudioDestination(teamFolder, number, chosen);
    if (destination.isEmpty() || !QFileInfo(chosen).isFile()) {
        return false;
    }
    // Copied aside first: the old announcement goes only once the new one is safely there,
    // even when the user chose the very file it replaces.
    const QString provisional = destination + QStringLiteral(".nuovo");
    QFile::remove(provisional);
    if (!CopyWholeFile(chosen, provisional)) {
        return false;
    }
    // The other format's announcement goes; the same format's is replaced in one step.
    QDir folder(teamFolder);
    for (const char* extension : {".wav", ".mp3"}) {
        const QString other = folder.filePath(number.trimmed() + QString::fromLatin1(extension));
        if (other != destination) {
            QFile::remove(other);
        }
    }
    if (!RenameOver(provisional, destination).isEmpty()) {
        QFile::remove(provisional);
        return false;
    }
    return SyncFolder(QFileInfo(destination).absolutePath()).isEmpty();
}
