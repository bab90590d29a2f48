#include "teams/RosterImport.h"

#include "shared/FileText.h"
#include "teams/Teams.h"
#include "teams/ZipReading.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <array>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

namespace RosterImport {

namespace {

constexpr qint64 MaxPart = 16LL * 1024 * 1024;

QString Decode(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        return QString::fromUtf8(bytes.mid(3));
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    QStringDecoder windows("Windows-1252");
    return windows.isValid() ? QString(windows.decode(bytes)) : QString::fromLatin1(bytes);
}

std::optional<QByteArray> Part(QuaZip& zip, const QString& name) {
    if (!zip.setCurrentFile(name)) {
        return std::nullopt;
    }
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::ReadOnly) || file.usize() > MaxPart) {
        return std::nullopt;
    }
    return file.read(MaxPart);
}

int ColumnOf(const QString& reference) {
    int column = 0;
    for (const QChar c : reference) {
        if (!c.isLetter()) {
            break;
        }
        column = column * 26 + (c.toUpper().unicode() - u'A' + 1);
    }
    return column - 1;
}

// The first sheet as the workbook lists it: a workbook whose sheets were moved keeps the first
// one in another file. Without the workbook's index, sheet1 is the usual place.
QString FirstSheet(QuaZip& zip) {
    QString id;
    if (const auto workbook = Part(zip, QStringLiteral("xl/workbook.xml"))) {
        QXmlStreamReader xml(*workbook);
        while (!xml.atEnd() && id.isEmpty()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"sheet") {
                for (const QXmlStreamAttribute& a : xml.attributes()) {
                    if (a.name() == u"id") {
                        id = a.value().toString();
                    }
                }
            }
        }
    }
    if (const auto relations = Part(zip, QStringLiteral("xl/_rels/workbook.xml.rels"));
        relations && !id.isEmpty()) {
        QXmlStreamReader xml(*relations);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"Relationship" &&
                xml.attributes().value(QLatin1String("Id")) == id) {
                const QString target = xml.attributes().value(QLatin1String("Target")).toString();
                // Targets are relative to xl/, or absolute from the package's root.
                return target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
            }
        }
    }
    return QStringLiteral("xl/worksheets/sheet1.xml");
}

std::optional<Table> ReadXlsx(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip)) {
        return std::nullopt;
    }
    QStringList shared;
    if (const auto strings = Part(zip, QStringLiteral("xl/sharedStrings.xml"))) {
        QXmlStreamReader xml(*strings);
        QString current;
        bool inItem = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"si") {
                inItem = true;
                current.clear();
            } else if (xml.isStartElement() && xml.name() == u"t" && inItem) {
                current += xml.readElementText();
            } else if (xml.isEndElement() && xml.name() == u"si") {
                shared << current;
                inItem = false;
            }
        }
    }
    const auto sheet = Part(zip, FirstSheet(zip));
    if (!sheet) {
        return std::nullopt;
    }
    Table table;
    QXmlStreamReader xml(*sheet);
    QStringList row;
    int column = 0;
    QString type;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"row") {
            row.clear();
            column = 0;
        } else if (xml.isStartElement() && xml.name() == u"c") {
            const QString reference = xml.attributes().value(QLatin1String("r")).toString();
            column = reference.isEmpty() ? static_cast<int>(row.size()) : ColumnOf(reference);
            type = xml.attributes().value(QLatin1String("t")).toString();
        } else if (xml.isStartElement() && (xml.name() == u"v" || xml.name() == u"t")) {
            QString value = xml.readElementText();
            if (type == QStringLiteral("s")) {
                const int index = value.toInt();
                value = index >= 0 && index < shared.size() ? shared[index] : QString();
            } else if (type.isEmpty() || type == QStringLiteral("n")) {
                // A number stored as a number: 7 is written 7, never 7.0.
                bool ok = false;
                const double number = value.toDouble(&ok);
                if (ok && number == static_cast<qint64>(number)) {
                    value = QString::number(static_cast<qint64>(number));
                }
            }
            if (column >= 0 && column < 64) {
                while (row.size() <= column) {
                    row << QString();
                }
                row[column] += value;
            }
        } else if (xml.isEndElement() && xml.name() == u"row") {
            table << row;
        }
    }
    if (xml.hasError()) {
        return std::nullopt;
    }
    return table;
}

QString Folded(QString header) {
    header = header.trimmed().toLower();
    header.replace(QRegularExpression(QStringLiteral("[.:#°º]")), QString());
    const QString decomposed = header.normalized(QString::NormalizationForm_D);
    QString plain;
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing) {
            plain += c;
        }
    }
    return plain.simplified();
}

bool SmallInteger(const QString& cell) {
    bool ok = false;
    const int n = cell.trimmed().toInt(&ok);
    return ok && n >= 0 && n < 100;
}

} // namespace

Table ReadText(const QString& text) {
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) {
        lines.removeLast();
    }
    if (lines.isEmpty()) {
        return {};
    }
    const QString& first = lines.first();
    const QChar separator = first.contains(u'\t')                    ? u'\t'
                            : first.count(u';') >= first.count(u',') ? u';'
                                                                     : u',';
    Table table;
    for (const QString& line : lines) {
        QStringList cells;
        QString cell;
        bool quoted = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            if (c == u'"' && (cell.isEmpty() || quoted)) {
                if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
                    cell += u'"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
            } else if (c == separator && !quoted) {
                cells << cell.trimmed();
                cell.clear();
            } else {
                cell += c;
            }
        }
        cells << cell.trimmed();
        table << cells;
    }
    return table;
}

std::optional<Table> ReadTable(const QByteArray& bytes) {
    if (bytes.startsWith("PK\x03\x04")) {
        return ReadXlsx(bytes);
    }
    // Excel's "Unicode text" is UTF-16 with its byte-order mark, tab-separated.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(QStringDecoder::Utf16);
        const QString text = utf16.decode(bytes);
        return utf16.hasError() ? std::nullopt : std::optional<Table>(ReadText(text));
    }
    if (bytes.contains('\0')) {
        return std::nullopt;
    }
    return ReadText(Decode(bytes));
}

Columns Guess(const Table& table) {
    static const QMap<QString, int> headers{
        // 0 number, 1 surname, 2 first name, 3 role, 4 whole name
        {"n", 0},
        {"nr", 0},
        {"no", 0},
        {"num", 0},
        {"numero", 0},
        {"number", 0},
        {"nummer", 0},
        {"maglia", 0},
        {"shirt", 0},
        {"dossard", 0},
        {"trikot", 0},
        {"dorsal", 0},
        {"cognome", 1},
        {"surname", 1},
        {"last name", 1},
        {"lastname", 1},
        {"family name", 1},
        {"nom", 1},
        {"nom de famille", 1},
        {"nachname", 1},
        {"familienname", 1},
        {"apellido", 1},
        {"apellidos", 1},
        {"nome", 2},
        {"first name", 2},
        {"firstname", 2},
        {"given name", 2},
        {"prenom", 2},
        {"vorname", 2},
        {"nombre", 2},
        {"ruolo", 3},
        {"role", 3},
        {"position", 3},
        {"poste", 3},
        {"rolle", 3},
        {"posicion", 3},
        {"name", 4},
        {"athlete", 4},
        {"atleta", 4},
        {"player", 4},
        {"giocatore", 4},
        {"joueur", 4},
        {"spieler", 4},
        {"jugador", 4},
        {"cognome e nome", 4},
        {"nome e cognome", 4},
        {"nom et prenom", 4},
        {"nombre y apellidos", 4}};
    Columns c;
    if (table.isEmpty()) {
        return c;
    }
    int* fields[] = {&c.number, &c.surname, &c.firstName, &c.role, &c.fullName};
    const QStringList& first = table.first();
    for (int i = 0; i < first.size(); ++i) {
        const auto it = headers.find(Folded(first[i]));
        if (it != headers.end() && *fields[it.value()] < 0) {
            *fields[it.value()] = i;
            c.header = true;
        }
    }
    // A "nome" column beside no "cognome" is the whole name, as Italian rosters write it.
    if (c.header && c.surname < 0 && c.fullName < 0 && c.firstName >= 0) {
        std::swap(c.fullName, c.firstName);
    }
    if (c.header && c.number >= 0) {
        return c;
    }
    // By the content: the column of small whole numbers, then the text columns after it.
    const int start = c.header ? 1 : 0;
    const int width = static_cast<int>(first.size());
    for (int i = 0; i < width && c.number < 0; ++i) {
        int numbers = 0, filled = 0;
        for (int r = start; r < table.size(); ++r) {
            const QString cell = i < table[r].size() ? table[r][i] : QString();
            filled += !cell.isEmpty();
            numbers += SmallInteger(cell);
        }
        if (filled > 0 && numbers * 5 >= filled * 4) {
            c.number = i;
        }
    }
    if (!c.header) {
        int next = 0;
        for (int i = 0; i < width; ++i) {
            if (i == c.number) {
                continue;
            }
            if (next == 0) {
                c.surname = i;
            } else if (next == 1) {
                c.firstName = i;
            }
            ++next;
        }
    }
    return c;
}

namespace {

// The columns of the five fields, in the order of Field after None.
template <class AnyColumns> auto FieldColumns(AnyColumns& c) {
    return std::array{&c.number, &c.surname, &c.firstName, &c.role, &c.fullName};
}

} // namespace

Field FieldOf(const Columns& columns, int column) {
    const auto fields = FieldColumns(columns);
    for (size_t i = 0; i < fields.size(); ++i) {
        if (*fields[i] == column) {
            return static_cast<Field>(i + 1);
        }
    }
    return Field::None;
}

void Assign(Columns& columns, int column, Field field) {
    const auto fields = FieldColumns(columns);
    for (int* held : fields) {
        if (*held == column) {
            *held = -1;
        }
    }
    if (field != Field::None) {
        *fields[static_cast<size_t>(field) - 1] = column;
    }
}

int RoleOf(const QString& cell) {
    static const QMap<QString, int> words{{"s", 1},
                                          {"alzatore", 1},
                                          {"alzatrice", 1},
                                          {"palleggiatore", 1},
                                          {"palleggiatrice", 1},
                                          {"regista", 1},
                                          {"setter", 1},
                                          {"passeur", 1},
                                          {"passeuse", 1},
                                          {"zuspieler", 1},
                                          {"zuspielerin", 1},
                                          {"colocador", 1},
                                          {"colocadora", 1},
                                          {"armador", 1},
                                          {"c", 2},
                                          {"mb", 2},
                                          {"centrale", 2},
                                          {"middle", 2},
                                          {"middle blocker", 2},
                                          {"central", 2},
                                          {"mittelblocker", 2},
                                          {"mittelblockerin", 2},
                                          {"bloqueur", 2},
                                          {"bloqueuse", 2},
                                          {"l", 3},
                                          {"libero", 3},
                                          {"o", 4},
                                          {"opp", 4},
                                          {"opposto", 4},
                                          {"opposta", 4},
                                          {"opposite", 4},
                                          {"pointu", 4},
                                          {"pointue", 4},
                                          {"diagonal", 4},
                                          {"diagonale", 4},
                                          {"diagonalspieler", 4},
                                          {"opuesto", 4},
                                          {"opuesta", 4},
                                          {"oh", 5},
                                          {"b", 5},
                                          {"banda", 5},
                                          {"schiacciatore", 5},
                                          {"schiacciatrice", 5},
                                          {"outside", 5},
                                          {"outside hitter", 5},
                                          {"wing spiker", 5},
                                          {"receptionneur", 5},
                                          {"receptionneuse", 5},
                                          {"ailier", 5},
                                          {"aussen", 5},
                                          {"außen", 5},
                                          {"aussenangreifer", 5},
                                          {"außenangreifer", 5},
                                          {"außenangreiferin", 5},
                                          {"annahme", 5},
                                          {"receptor", 5},
                                          {"receptora", 5},
                                          {"punta", 5}};
    const QString folded = Folded(cell);
    if (const int number = RoleNumber(folded); number >= 1 && number <= 5) {
        return number;
    }
    return words.value(folded, 0);
}

Result Apply(const Table& table, const Columns& c, int capacity) {
    Result result;
    static const QRegularExpression staff(QStringLiteral("^[A-Za-z][0-9]$"));
    QStringList used;
    const auto cell = [](const QStringList& row, int i) {
        return i >= 0 && i < row.size() ? row[i].trimmed() : QString();
    };
    for (int r = c.header ? 1 : 0; r < table.size(); ++r) {
        const QStringList& cells = table[r];
        if (std::all_of(cells.begin(), cells.end(),
                        [](const QString& s) { return s.trimmed().isEmpty(); })) {
            continue;
        }
        Row row{r + 1, cell(cells, c.number), cell(cells, c.surname), cell(cells, c.firstName),
                cell(cells, c.role)};
        if (c.fullName >= 0 && row.surname.isEmpty()) {
            const QStringList words = cell(cells, c.fullName).split(u' ', Qt::SkipEmptyParts);
            // "ROSSI Anna": the words in capitals are the surname; else the first word is.
            qsizetype split = 0;
            while (split < words.size() && words[split] == words[split].toUpper() &&
                   words[split].size() > 1) {
                ++split;
            }
            if (split == 0 || split == words.size()) {
                split = qMin<qsizetype>(1, words.size());
            }
            row.surname = words.mid(0, split).join(u' ');
            row.firstName = words.mid(split).join(u' ');
        }
        bool whole = false;
        const int n = row.number.toInt(&whole);
        if (row.number.isEmpty()) {
            result.refused.append({r + 1, Why::NoNumber, {}});
        } else if (whole ? (n < 1 || n > 99) : !staff.match(row.number).hasMatch()) {
            result.refused.append({r + 1, Why::OutOfRange, row.number});
        } else if (used.contains(row.number.toUpper())) {
            result.refused.append({r + 1, Why::UsedTwice, row.number});
        } else if (row.surname.contains(u';') || row.firstName.contains(u';') ||
                   row.role.contains(u';')) {
            result.refused.append({r + 1, Why::Semicolon, row.number});
        } else if (result.rows.size() >= capacity) {
            result.refused.append({r + 1, Why::RosterFull, row.number});
        } else {
            used << row.number.toUpper();
            result.rows.append(row);
        }
    }
    return result;
}

PhotoMatch MatchPhotos(const QStringList& fileNames, const QStringList& numbers) {
    static const QRegularExpression named(QStringLiteral(R"(^0*(\d{1,2})(?:[ _.\-]|$))"));
    static const QStringList pictures{"jpg", "jpeg", "png", "gif", "bmp"};
    PhotoMatch match;
    QStringList taken;
    for (const QString& file : fileNames) {
        const QFileInfo info(file);
        const auto m = named.match(info.completeBaseName() + u'.');
        const QString number = m.hasMatch() ? m.captured(1) : QString();
        if (!pictures.contains(info.suffix().toLower()) || number.isEmpty() ||
            !numbers.contains(number) || taken.contains(number)) {
            match.filesForNobody << file;
            continue;
        }
        taken << number;
        match.matched.append({number, file});
    }
    for (const QString& n : numbers) {
        if (!n.isEmpty() && !taken.contains(n)) {
            match.numbersWithout << n;
        }
    }
    return match;
}

QString UnpackPhotos(const QString& zip, const QString& folder) {
    const QDir into(folder);
    return ZipReading::Walk(
        zip, [&into, &folder](const QString& name, const QByteArray& data) -> QString {
            const QString file = QFileInfo(name).fileName();
            if (file.startsWith(u'.') || name.startsWith(QStringLiteral("__MACOSX/")) ||
                into.exists(file)) {
                return {};
            }
            return WriteWholeFile(into.filePath(file), data)
                       ? QString()
                       : QStringLiteral("cannot write ") + folder;
        });
}

} // namespace RosterImport
