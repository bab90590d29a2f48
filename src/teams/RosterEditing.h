#pragma once

#include "teams/Teams.h"

#include <array>
#include <optional>

// The team editor's rows and the rules it applies to them, apart from its window.

// The role box lists the five roles, then an empty entry.
constexpr int EmptyRoleItem = 5;

struct EditorLine {
    QString Number;
    QString Surname;
    QString Name;
    int Role = -1; // entry of the role box; -1 none selected
    bool CalledUp = false;
    bool operator==(const EditorLine&) const = default;
};
using EditorLines = std::array<EditorLine, EditorCapacity>;

// The role box entry for a file's role field: its leading number picks the role, 0 the empty
// entry, any other number nothing.
int RoleIndex(const QString& court);

struct EditorRoster {
    EditorLines Lines;
    // Rows past the editor's 27, kept as read so saving never loses them.
    std::vector<Athlete> Beyond;
};

EditorRoster ReadEditorRoster(const QString& path);

// Players by ascending number, then staff codes and zeros, then empty rows.
void SortLines(EditorLines& lines);

// The first row with a ";" in a text field: the file format cannot carry it.
std::optional<int> LineWithSemicolon(const EditorLines& lines);

// What the file gets: the numbered rows in screen order, then the rows the editor did not show.
std::vector<Athlete> LinesToSave(const EditorRoster& roster, const LanguageTable& languages);

// The announcement copied as <number> + the chosen file's last four characters, lower case,
// after both old announcements of that number are removed.
QString AudioDestination(const QString& teamFolder, const QString& number, const QString& chosen);
bool ImportAudio(const QString& teamFolder, const QString& number, const QString& chosen);
