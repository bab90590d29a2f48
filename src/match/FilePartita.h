#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

struct Partita;
class TabellaLingue;

// The match file: tagged lines with the state of the match, a separator, then the history.

// Lines of the file: the state tags, then the whole history, so the two always agree.
QStringList RigheFilePartita(const Partita& p, const QDateTime& adesso,
                             const TabellaLingue& lingue);

// One line of a match file as the reader acts on it, in file order.
struct VoceFile {
    QString Tag;    // first 7 characters upper-cased; empty for a history line
    QString Valore; // from the 9th character on, trimmed; the whole line for a history line
};

struct ContenutoFile {
    std::vector<VoceFile> Voci;
};

// A checked match file, or nothing when the text is not one: a match file sets a set
// number before its first history line.
std::optional<ContenutoFile> LeggiFilePartita(const QStringList& righe);

// The match of the file replaces the record. Returns the home and guest team names the file
// gives, for the windows to choose.
std::array<QString, 2> ApplicaFilePartita(Partita& p, const ContenutoFile& file,
                                          const TabellaLingue& lingue);

// The teams of a file that holds a match under way (points played, not over), or nothing.
std::optional<std::array<QString, 2>> PartitaDaRiprendere(const ContenutoFile& file,
                                                          const TabellaLingue& lingue);
