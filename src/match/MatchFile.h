#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

struct Match;
class LanguageTable;

// The match file: tagged lines with the state of the match, a separator, then the history.

// Lines of the file: the state tags, then the whole history, so the two always agree.
QStringList MatchFileLines(const Match& match, const QDateTime& now,
                           const LanguageTable& languages);

// One line of a match file as the reader acts on it, in file order.
struct FileItem {
    QString Tag;   // first 7 characters upper-cased; empty for a history line
    QString Value; // from the 9th character on, trimmed; the whole line for a history line
};

struct FileContent {
    std::vector<FileItem> Items;
};

// A checked match file, or nothing when the text is not one: a match file sets a set
// number before its first history line.
std::optional<FileContent> ReadMatchFile(const QStringList& lines);

// The match of the file replaces the record. Returns the home and guest team names the file
// gives, for the windows to choose.
std::array<QString, 2> ApplyMatchFile(Match& match, const FileContent& file,
                                      const LanguageTable& languages);

// The teams of a file that holds a match under way (points played, not over), or nothing.
std::optional<std::array<QString, 2>> MatchToResume(const FileContent& file,
                                                    const LanguageTable& languages);
