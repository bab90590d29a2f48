#include "teams/RosterEditing.h"

#include "doubles/Printing.h"
#include "shared/FileText.h"
#include "shared/Language.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList Numbers(const EditorLines& lines, int howMany) {
    QStringList n;
    for (int r = 0; r < howMany; ++r) {
        n << lines[r].Number;
    }
    return n;
}

TEST(SortLinesTest, PlayersByNumberThenStaffThenEmptyRows) {
    struct Case {
        QStringList before;
        QStringList after;
    };
    const Case cases[] = {
        {{"10", "", "A1", "3", "7"}, {"3", "7", "10", "A1", ""}},
        {{"", "", "12", "", "1"}, {"1", "12", "", "", ""}},
        {{"D1", "0", "5", "A1"}, {"5", "0", "D1", "A1"}}, // staff order falls out of the exchanges
    };
    for (const Case& c : cases) {
        EditorLines lines;
        for (int r = 0; r < c.before.size(); ++r) {
            lines[r].Number = c.before[r];
            lines[r].Surname = QStringLiteral("Cognome ") + c.before[r];
            lines[r].Role = r;
            lines[r].CalledUp = r % 2 == 0;
        }
        const EditorLines before = lines;
        SortLines(lines);
        EXPECT_EQ(c.after, Numbers(lines, static_cast<int>(c.after.size())))
            << c.before.join(u',').toStdString();
        for (const EditorLine& r : lines) {
            const auto from = std::find_if(before.begin(), before.end(), [&](const EditorLine& p) {
                return p.Number == r.Number && !r.Number.isEmpty();
            });
            if (from != before.end()) {
                EXPECT_EQ(from->Surname, r.Surname) << "a row moves whole";
                EXPECT_EQ(from->Role, r.Role);
                EXPECT_EQ(from->CalledUp, r.CalledUp);
            }
        }
    }
}

TEST(RoleIndexTest, LeadingNumberPicksTheEntry) {
    const std::pair<const char*, int> cases[] = {
        {"", EmptyRoleItem}, {"0", EmptyRoleItem}, {"Libero", EmptyRoleItem},
        {"1-Alzatore", 0},   {"5-Banda", 4},       {"3", 2},
        {"7-Mister", -1},
    };
    for (const auto& [court, index] : cases) {
        EXPECT_EQ(index, RoleIndex(QString::fromUtf8(court))) << court;
    }
}

class EditorRosterTest : public ::testing::Test {
  protected:
    QString File() const { return data.filePath(QStringLiteral("team.csv")); }
    QTemporaryDir data;
    LanguageTable languages;
};

TEST_F(EditorRosterTest, RowsBeyondTwentySevenSurviveASave) {
    QStringList lines;
    for (int i = 1; i <= 30; ++i) {
        lines << QString::number(i) + QStringLiteral(";Rossi;Mario;2-Schiacciatore;C");
    }
    ASSERT_TRUE(WriteTextFile(File(), lines));
    EditorRoster roster = ReadEditorRoster(File());
    EXPECT_EQ(QStringLiteral("27"), roster.Lines[26].Number);
    ASSERT_EQ(3u, roster.Beyond.size());
    roster.Lines[0].Surname = QStringLiteral("Bianchi");
    roster.Lines[1].Number.clear();
    ASSERT_TRUE(WriteRoster(File(), LinesToSave(roster, languages), languages));
    const auto reread = ReadRoster(File(), 100, false);
    ASSERT_EQ(29u, reread.size()) << "the row without a number is dropped, the extra rows kept";
    EXPECT_EQ(QStringLiteral("Bianchi"), reread[0].Surname);
    EXPECT_EQ(QStringLiteral("30"), reread[28].Number);
}

TEST_F(EditorRosterTest, SavedRowsCarryRoleLabelAndCalledUpFlag) {
    EditorRoster roster;
    roster.Lines[0] = {QStringLiteral("9"), QStringLiteral("Verdi"), QStringLiteral("Anna"), 4,
                       false};
    roster.Lines[2] = {QStringLiteral("A1"), QStringLiteral("Neri"), QStringLiteral("Luca"),
                       EmptyRoleItem, true};
    ASSERT_TRUE(WriteRoster(File(), LinesToSave(roster, languages), languages));
    EXPECT_EQ((QStringList{"9;Verdi;Anna;5-Banda;N", "A1;Neri;Luca;;C"}),
              *ReadTextFile(File(), 1 << 20));
    const EditorRoster reread = ReadEditorRoster(File());
    EXPECT_EQ(4, reread.Lines[0].Role);
    EXPECT_TRUE(reread.Lines[1].CalledUp);
}

TEST(SemicolonTest, FoundInAnyTextField) {
    EditorLines lines;
    EXPECT_FALSE(LineWithSemicolon(lines));
    lines[4].Name = QStringLiteral("Anna;Maria");
    EXPECT_EQ(4, LineWithSemicolon(lines));
}

class AudioTest : public ::testing::Test {
  protected:
    QString Create(const QString& name, const QByteArray& data = "suono") {
        const QString path = folder.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        return path;
    }
    QStringList File() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }
    QTemporaryDir folder;
};

TEST_F(AudioTest, NewAnnouncementReplacesBothOldOnes) {
    Create(QStringLiteral("9.mp3"));
    Create(QStringLiteral("9.wav"));
    QTemporaryDir elsewhere;
    const QString chosen = elsewhere.filePath(QStringLiteral("presentazione.WAV"));
    QFile f(chosen);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("nuovo");
    f.close();
    EXPECT_TRUE(ImportAudio(folder.path(), QStringLiteral("9"), chosen));
    EXPECT_EQ((QStringList{"9.wav"}), File());
    QFile read(folder.filePath(QStringLiteral("9.wav")));
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("nuovo"), read.readAll());
}

TEST_F(AudioTest, ChoosingTheAnnouncementItselfKeepsIt) {
    const QString existing = Create(QStringLiteral("9.mp3"), "voce");
    EXPECT_TRUE(ImportAudio(folder.path(), QStringLiteral("9"), existing));
    EXPECT_EQ((QStringList{"9.mp3"}), File());
}

TEST_F(AudioTest, RefusedWithoutANumberOrASource) {
    const QString chosen = Create(QStringLiteral("voce.mp3"));
    EXPECT_FALSE(ImportAudio(folder.path(), QString(), chosen));
    EXPECT_FALSE(ImportAudio(folder.path(), QStringLiteral("/"), chosen));
    EXPECT_FALSE(ImportAudio(folder.path(), QStringLiteral("4"), folder.filePath("manca.mp3")));
    EXPECT_EQ((QStringList{"voce.mp3"}), File());
}

} // namespace
