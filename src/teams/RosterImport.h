#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
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

struct Row {
    QString number;
    QString surname;
    QString firstName;
    QString role;
};
struct Refused {
    int line; // from 1, as the spreadsheet counts
    QString reason;
};
struct Result {
    QList<Row> rows;
    QList<Refused> refused;
};
// Rows without a number, with a number used twice or out of range are refused with the reason.
Result Apply(const Table& table, const Columns& columns);

// Pictures named by number ("7.jpg", "07.png", "7 Rossi.jpeg") matched to the roster's numbers.
struct PhotoMatch {
    QList<QPair<QString, QString>> matched; // number, file name
    QStringList numbersWithout;
    QStringList filesForNobody;
};
PhotoMatch MatchPhotos(const QStringList& fileNames, const QStringList& numbers);

} // namespace RosterImport
