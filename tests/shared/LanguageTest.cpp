#include "shared/Language.h"
#include "shared/FileText.h"

#include "doubles/Printing.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

LanguageTable Table(const QStringList& lines, const QString& language, int column) {
    LanguageTable t;
    t.Load(lines);
    t.CurrentLanguage = language;
    t.LanguageColumn = column;
    return t;
}

const QStringList Sample{"prima riga libera",
                         "ITA Italiano;ENG English;FRA Français;",
                         " esci ;Exit ;;Sortir",
                         "Salva;Save;Enregistrer",
                         "",
                         "Dopo;After;Après"};

TEST(LanguageTest, Lookup) {
    struct Case {
        const char* language;
        int column;
        const char* text;
        const char* expected;
    };
    for (const Case c :
         {Case{"ITA", 1, "Esci", "Esci"}, Case{"ENG", 1, "Esci", "Exit "},
          Case{"ENG", 1, "  ESCI", "Exit "}, Case{"FRA", 2, "Esci", "Exit "},
          Case{"FRA", 2, "Salva", "Enregistrer"}, Case{"FRA", 2, "Dopo", "Dopo"},
          Case{"XYZ", 0, "Salva", "Salva"}, Case{"ENG", 1, "Sconosciuto", "Sconosciuto"}}) {
        EXPECT_EQ(QString::fromUtf8(c.expected),
                  Table(Sample, QString::fromUtf8(c.language), c.column)
                      .Translate(QString::fromUtf8(c.text)))
            << c.language << " " << c.text;
    }
}

TEST(LanguageTest, HeaderFieldsAndCodes) {
    LanguageTable t;
    QString header;
    for (int i = 0; i < 25; ++i) {
        header += QStringLiteral("L%1 Lingua %1;").arg(i, 2, 10, QLatin1Char('0'));
    }
    t.Load({"", header});
    EXPECT_EQ(QStringLiteral("L00 Lingua 00"), t.LanguageNames()[1]);
    EXPECT_EQ(QStringLiteral("L19"), t.LanguageCodes()[20]);
    t.Load({"", "ITA Italiano;ENG English"});
    EXPECT_EQ(QStringLiteral("ENG"), t.LanguageCodes()[2]);
    EXPECT_EQ(QStringLiteral("ENG English"), t.LanguageNames()[2]);
    LanguageTable empty;
    empty.Load({"solo una riga"});
    empty.CurrentLanguage = QStringLiteral("ENG");
    EXPECT_EQ(QStringLiteral("Esci"), empty.Translate(QStringLiteral("Esci")));
}

TEST(LanguageTest, RowsBeyondTheTableAndColumnsBeyondTenAreDropped) {
    QStringList lines{"", "ITA;ENG"};
    for (int i = 0; i < 1100; ++i) {
        lines << QStringLiteral("k%1;v%1").arg(i);
    }
    lines << QStringLiteral("a;1;2;3;4;5;6;7;8;9;10;11");
    LanguageTable t = Table(lines, QStringLiteral("ENG"), 1);
    EXPECT_EQ(QStringLiteral("v1000"), t.Translate(QStringLiteral("k1000")));
    EXPECT_EQ(QStringLiteral("k1001"), t.Translate(QStringLiteral("k1001")));
}

// Every text the program passes to the table must have a row in the table we ship.
TEST(LanguageTest, TheShippedTableHoldsEveryText) {
    const auto lines = ReadTextFile(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv", 1 << 22);
    ASSERT_TRUE(lines);
    QSet<QString> keys;
    for (qsizetype i = 2; i < lines->size(); ++i) {
        const QStringList fields = (*lines)[i].split(u';');
        EXPECT_EQ(5, fields.size()) << (*lines)[i].toStdString();
        // The lookup ignores case: a second row with the same key is never reached.
        EXPECT_FALSE(keys.contains(fields[0].trimmed().toUpper()))
            << "unreachable row: " << fields[0].toStdString();
        keys.insert(fields[0].trimmed().toUpper());
    }
    const QRegularExpression literal(QStringLiteral(
        R"re((?:Translate\(\s*QStringLiteral\(|\bt\()\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\))re"));
    const QRegularExpression piece(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    int found = 0;
    QDirIterator file(QStringLiteral(BRIVANTA_SOURCES), {"*.cpp"}, QDir::Files,
                      QDirIterator::Subdirectories);
    while (file.hasNext()) {
        const QString path = file.next();
        const auto text = ReadTextFile(path, 1 << 22);
        ASSERT_TRUE(text);
        const QString source = text->join(u'\n');
        for (auto m = literal.globalMatch(source); m.hasNext();) {
            QString key;
            for (auto p = piece.globalMatch(m.next().captured(1)); p.hasNext();) {
                key += p.next().captured(1);
            }
            key.replace(QStringLiteral("\\\""), QStringLiteral("\""));
            ++found;
            EXPECT_TRUE(keys.contains(key.trimmed().toUpper()))
                << "no translation for \"" << key.toStdString() << "\" in "
                << QDir(BRIVANTA_SOURCES).relativeFilePath(path).toStdString();
        }
    }
    EXPECT_GT(found, 80);
}

} // namespace
