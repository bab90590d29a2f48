#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <limits>
#include <optional>

// Rosters that come from spreadsheets: cells pasted from the clipboard (tab-separated), CSV
// files (";" or ",", UTF-8 or Windows-1252) and XLSX files (the first sheet).
namespace RosterImport {

using Table = QList<QStringList>;

// Nothing when the bytes are neither text nor a readable XLSX workbook.
std::optional<Table> ReadTable(const QByteArray& bytes);
Table ReadText(const QString& text);

// Which column holds what (-1: none). A "name" column alone is split into surname and first name.
struct Columns {
    int number = -1;
    int surname = -1;
    int firstName = -1;
    int role = -1;
    int fullName = -1;
    bool header = false; // the first row names the columns and is not an athlete
};
// By the headers, in the program's five languages, else by the content.
Columns Guess(const Table& table);

// What one column holds, as the operator sees and changes it.
enum class Field { None, Number, Surname, FirstName, Role, FullName };
Field FieldOf(const Columns& columns, int column);
// The column now holds `field` and nothing else; the column that held `field` before loses it.
void Assign(Columns& columns, int column, Field field);

struct Row {
    int line; // from 1, as the spreadsheet counts
    QString number;
    QString surname;
    QString firstName;
    QString role;
};
enum class Why { NoNumber, OutOfRange, UsedTwice, Semicolon, RosterFull };
struct Refused {
    int line; // from 1, as the spreadsheet counts
    Why why;
    QString number; // as written, when there is one
};
struct Result {
    QList<Row> rows;
    QList<Refused> refused;
};
// A role as spreadsheets write it ("Setter", "Libéro", "MB", "4-Opposto", "2"): 1..5 as the
// roster numbers roles, 0 when it is none of them.
int RoleOf(const QString& cell);

// Rows without a number, with a number used twice or out of range, or past `capacity` taken rows
// are refused with the reason.
Result Apply(const Table& table, const Columns& columns,
             int capacity = std::numeric_limits<int>::max());

// Pictures named by number ("7.jpg", "07.png", "7 Rossi.jpeg") matched to the roster's numbers.
struct PhotoMatch {
    QList<QPair<QString, QString>> matched; // number, file name
    QStringList numbersWithout;
    QStringList filesForNobody;
};
PhotoMatch MatchPhotos(const QStringList& fileNames, const QStringList& numbers);

// A zip of photos unpacked into `folder` by the files' own names (the zip's folders are
// flattened, the first of two equal names kept, hidden files and archivers' leftovers skipped),
// so it can be matched as a folder is. Returns the error in one English line, empty on success.
QString UnpackPhotos(const QString& zip, const QString& folder);

} // namespace RosterImport
