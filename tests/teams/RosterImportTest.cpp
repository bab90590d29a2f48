#include "teams/RosterImport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

namespace {

using namespace RosterImport;

QByteArray Zip(const QList<QPair<const char*, QByteArray>>& entries) {
    QBuffer buffer;
    QuaZip zip(&buffer);
    zip.open(QuaZip::mdCreate);
    for (const auto& [name, data] : entries) {
        QuaZipFile f(&zip);
        f.open(QIODevice::WriteOnly, QuaZipNewInfo(QString::fromLatin1(name)));
        f.write(data);
        f.close();
    }
    zip.close();
    return buffer.data();
}

// An XLSX as a spreadsheet program writes it: shared strings, an inline string, numbers as numbers.
QByteArray Xlsx() {
    return Zip(
        {{"xl/sharedStrings.xml",
          R"(<?xml version="1.0"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
          R"(<si><t>Numéro</t></si><si><t>Nom</t></si><si><t>Prénom</t></si><si><t>Lefèvre</t></si>)"
          R"(<si><r><t>Cl</t></r><r><t>aire</t></r></si></sst>)"},
         {"xl/worksheets/sheet1.xml",
          R"(<?xml version="1.0"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)"
          R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c><c r="C1" t="s"><v>2</v></c></row>)"
          R"(<row r="2"><c r="A2"><v>7</v></c><c r="B2" t="s"><v>3</v></c><c r="C2" t="s"><v>4</v></c></row>)"
          R"(<row r="3"><c r="A3" t="n"><v>12</v></c><c r="B3" t="inlineStr"><is><t>Martin</t></is></c></row>)"
          R"(</sheetData></worksheet>)"}});
}

// A workbook whose sheets were reordered: the first sheet it lists lives in sheet2.xml.
QByteArray XlsxWithMovedSheets() {
    const QByteArray cells =
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)"
        R"(<row r="1"><c r="A1" t="inlineStr"><is><t>%1</t></is></c><c r="B1"><v>%2</v></c></row>)"
        R"(</sheetData></worksheet>)";
    return Zip(
        {{"xl/workbook.xml",
          R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
          R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets>)"
          R"(<sheet name="Roster" sheetId="2" r:id="rId7"/><sheet name="Notes" sheetId="1" r:id="rId3"/>)"
          R"(</sheets></workbook>)"},
         {"xl/_rels/workbook.xml.rels",
          R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
          R"(<Relationship Id="rId3" Target="worksheets/sheet1.xml"/>)"
          R"(<Relationship Id="rId7" Target="/xl/worksheets/sheet2.xml"/></Relationships>)"},
         {"xl/worksheets/sheet1.xml", QString::fromLatin1(cells).arg("Bus", "40").toLatin1()},
         {"xl/worksheets/sheet2.xml", QString::fromLatin1(cells).arg("Rossi", "7").toLatin1()}});
}

struct Sheet {
    const char* name;
    QByteArray bytes;
    QStringList expected; // "number|surname|first name" of every row taken
    int refused = 0;
};

class SpreadsheetTest : public ::testing::TestWithParam<Sheet> {};

TEST_P(SpreadsheetTest, RowsLandInTheRightColumns) {
    const auto table = ReadTable(GetParam().bytes);
    ASSERT_TRUE(table);
    const Result r = Apply(*table, Guess(*table));
    QStringList taken;
    for (const Row& row : r.rows) {
        taken << row.number + u'|' + row.surname + u'|' + row.firstName;
    }
    EXPECT_EQ(GetParam().expected, taken);
    EXPECT_EQ(GetParam().refused, r.refused.size());
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, SpreadsheetTest,
    ::testing::Values(Sheet{"pasted_cells_without_header",
                            "7\tRossi\tAnna\n12\tNeri\tLuca\n",
                            {"7|Rossi|Anna", "12|Neri|Luca"}},
                      Sheet{"csv_semicolon_italian",
                            "N.;Cognome;Nome;Ruolo\r\n3;Verdi;Sara;Libero\r\n",
                            {"3|Verdi|Sara"}},
                      Sheet{"csv_comma_english_quoted",
                            "Number,Last name,First name\n9,\"O'Neil, Jr\",Kate\n",
                            {"9|O'Neil, Jr|Kate"}},
                      Sheet{"windows_1252_german",
                            "Nr;Nachname;Vorname\r\n5;M\xFCller;J\xFCrgen\r\n",
                            {"5|Müller|Jürgen"}},
                      Sheet{"utf8_bom_spanish",
                            "\xEF\xBB\xBF"
                            "Dorsal;Apellido;Nombre\n4;Pe\xC3\xB1"
                            "a;Luc\xC3\xAD"
                            "a\n",
                            {"4|Peña|Lucía"}},
                      Sheet{"utf16_unicode_text_from_excel",
                            [] {
                                const QString text =
                                    QStringLiteral("Nummer\tNachname\r\n6\tGr\u00fcn\r\n");
                                return QByteArray("\xFF\xFE") +
                                       QByteArray(reinterpret_cast<const char*>(text.utf16()),
                                                  text.size() * 2);
                            }(),
                            {"6|Grün|"}},
                      Sheet{"xlsx_french", Xlsx(), {"7|Lefèvre|Claire", "12|Martin|"}},
                      Sheet{"xlsx_first_sheet_moved", XlsxWithMovedSheets(), {"7|Rossi|"}},
                      Sheet{"whole_name_column",
                            "Maglia;Atleta\n8;ROSSI Anna Maria\n10;Bianchi Giulia\n",
                            {"8|ROSSI|Anna Maria", "10|Bianchi|Giulia"}},
                      Sheet{"duplicates_missing_and_out_of_range",
                            "N;Surname\n7;Rossi\n7;Neri\n;Blu\n140;Verdi\nA1;Coach\n",
                            {"7|Rossi|", "A1|Coach|"},
                            3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RosterImportTest, RefusedRowsSayWhichLineAndWhy) {
    const Table table = ReadText(QStringLiteral(
        "N\tSurname\n7\tRossi\n7\tNeri\n\tBlu\n140\tVerdi\n8\tSemi;colon\n9\tBianchi\n"));
    QList<QPair<int, Why>> refused;
    for (const Refused& r : Apply(table, Guess(table)).refused) {
        refused.append({r.line, r.why});
    }
    EXPECT_EQ(
        (QList<QPair<int, Why>>{
            {3, Why::UsedTwice}, {4, Why::NoNumber}, {5, Why::OutOfRange}, {6, Why::Semicolon}}),
        refused);
}

TEST(RosterImportTest, RowsPastTheRosterAreRefusedNotDropped) {
    const Table table = ReadText(QStringLiteral("1\tA\n2\tB\n2\tC\n3\tD\n"));
    const Result r = Apply(table, Guess(table), 2);
    EXPECT_EQ(2, r.rows.size());
    ASSERT_EQ(2, r.refused.size());
    EXPECT_EQ(Why::UsedTwice, r.refused[0].why)
        << "a duplicate is told as such, not as a full roster";
    EXPECT_EQ(4, r.refused[1].line);
    EXPECT_EQ(Why::RosterFull, r.refused[1].why);
}

// The operator corrects a wrong guess one column at a time; a field is never in two columns.
TEST(RosterImportTest, AFieldChosenForAColumnLeavesTheColumnThatHadIt) {
    const Table table = ReadText(QStringLiteral("Anna\tRossi\t7\nLuca\tNeri\t12\n"));
    Columns c = Guess(table);
    ASSERT_EQ(Field::Surname, FieldOf(c, 0)) << "by content the first text column is the surname";
    Assign(c, 1, Field::Surname);
    EXPECT_EQ(Field::None, FieldOf(c, 0));
    EXPECT_EQ(Field::Surname, FieldOf(c, 1));
    Assign(c, 0, Field::FirstName);
    EXPECT_EQ(Field::FirstName, FieldOf(c, 0));
    QStringList taken;
    for (const Row& row : Apply(table, c).rows) {
        taken << row.number + u'|' + row.surname + u'|' + row.firstName;
    }
    EXPECT_EQ((QStringList{"7|Rossi|Anna", "12|Neri|Luca"}), taken);
    Assign(c, 2, Field::None);
    EXPECT_EQ(2, Apply(table, c).refused.size()) << "without a number column no row is taken";
}

TEST(RosterImportTest, RolesAreReadInTheFiveLanguagesAndAsNumbers) {
    const QList<QPair<const char*, int>> cases{{"Setter", 1},
                                               {"Palleggiatrice", 1},
                                               {"Passeuse", 1},
                                               {"1-Alzatore", 1},
                                               {"MB", 2},
                                               {"Mittelblockerin", 2},
                                               {"Líbero", 3},
                                               {"libéro", 3},
                                               {"3", 3},
                                               {"Opposite", 4},
                                               {"Diagonal", 4},
                                               {"Outside hitter", 5},
                                               {"Außenangreiferin", 5},
                                               {"Receptora", 5},
                                               {"Coach", 0},
                                               {"", 0},
                                               {"7", 0}};
    for (const auto& [cell, role] : cases) {
        EXPECT_EQ(role, RoleOf(QString::fromUtf8(cell))) << cell;
    }
}

TEST(RosterImportTest, WhatIsNotASpreadsheetIsRefused) {
    constexpr char notAZip[] = "PK\x03\x04 not really a zip";
    constexpr char picture[] = "\x89PNG\r\n\x1A\n\0\0";
    EXPECT_FALSE(ReadTable(QByteArray(notAZip, sizeof notAZip - 1)));
    EXPECT_FALSE(ReadTable(QByteArray(picture, sizeof picture - 1)));
}

TEST(RosterImportTest, PhotosNamedByNumberFindTheirAthletes) {
    const PhotoMatch m = MatchPhotos(
        {"07.png", "12 Neri.jpeg", "3_Verdi.JPG", "notes.txt", "99.jpg", "7.jpg", "logo.png"},
        {"3", "7", "12", "15", "A1"});
    EXPECT_EQ((QList<QPair<QString, QString>>{
                  {"7", "07.png"}, {"12", "12 Neri.jpeg"}, {"3", "3_Verdi.JPG"}}),
              m.matched);
    EXPECT_EQ((QStringList{"15", "A1"}), m.numbersWithout);
    EXPECT_EQ((QStringList{"notes.txt", "99.jpg", "7.jpg", "logo.png"}), m.filesForNobody);
}

TEST(RosterImportTest, AZipOfPhotosIsUnpackedFlatWithoutArchiversLeftovers) {
    QTemporaryDir root;
    const QString zip = root.filePath(QStringLiteral("photos.zip"));
    const auto write = [&zip](const QByteArray& bytes) {
        QFile f(zip);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    ASSERT_TRUE(write(Zip({{"Squad/07.png", "first"},
                           {"__MACOSX/Squad/._07.png", "apple"},
                           {"Squad/.DS_Store", "x"},
                           {"12 Neri.jpeg", "jpeg"},
                           {"spare/07.png", "second"}})));
    QDir flat(root.filePath(QStringLiteral("flat")));
    ASSERT_TRUE(flat.mkpath(QStringLiteral(".")));
    EXPECT_EQ(QString(), UnpackPhotos(zip, flat.path()));
    EXPECT_EQ((QStringList{"07.png", "12 Neri.jpeg"}),
              flat.entryList(QDir::Files | QDir::Hidden, QDir::Name));
    QFile first(flat.filePath(QStringLiteral("07.png")));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("first"), first.readAll());

    ASSERT_TRUE(write(Zip({{"../7.jpg", "x"}})));
    EXPECT_FALSE(UnpackPhotos(zip, flat.path()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("7.jpg"))));
    ASSERT_TRUE(write("not a zip"));
    EXPECT_FALSE(UnpackPhotos(zip, flat.path()).isEmpty());
}

} // namespace
