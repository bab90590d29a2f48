#include "match/MatchFile.h"
#include "match/Match.h"
#include "shared/FileText.h"
#include "shared/Language.h"

#include "doubles/Printing.h"

#include <gtest/gtest.h>

namespace {

const QDateTime Moment{QDate(2024, 12, 8), QTime(15, 42, 7)};

Match SampleMatch() {
    Match p;
    DefaultRules(p);
    p.TeamName = {QStringLiteral("Locali"), QStringLiteral("Ospiti")};
    p.SetsWon = {1, 0};
    p.Points = {3, 1};
    p.CurrentSet = 2;
    p.Partials[0] = QStringLiteral(" 8/25");
    p.TimeoutsCalled = {1, 0};
    p.History = ReadHistory({"(1) 0 -  0 - 15:10 - 0_0", "(1) 8 - 25 - 15:38 - G_N_0",
                             "(2) 0 -  0 - 15:38 - 0_0", "(2) 1 -  0 - 15:39 - H_E_0",
                             "1#H Timeout Locali - 15:40", "(2) 1 -  1 - 15:41 - G_N_0",
                             "(2) 2 -  1 - 15:41 - H_4_1", "(2) 3 -  1 - 15:42 - H_N_0"});
    return p;
}

Match Reread(const QStringList& lines) {
    Match p;
    DefaultRules(p);
    const auto file = ReadMatchFile(lines);
    EXPECT_TRUE(file.has_value());
    if (file) {
        ApplyMatchFile(p, *file, LanguageTable{});
    }
    return p;
}

TEST(MatchFileTest, WritesTheTaggedLinesThenTheWholeHistory) {
    Match p = SampleMatch();
    p.SelectedLine = 3;
    const QStringList lines = MatchFileLines(p, Moment, LanguageTable{});
    const QStringList waits{"#Salvataggio  del : 08/12/2024 - 15:42:07",
                            "#HOME  :Locali",
                            "#GUESTS:Ospiti",
                            "#HSCORE:1",
                            "#GSCORE:0",
                            "#HPART.:3",
                            "#GPART.:1",
                            "#CURSET:2",
                            "#SET 1 : 8/25",
                            "#SET 2 :",
                            "#SET 3 :",
                            "#SET 4 :",
                            "#SET 5 :",
                            "#TIMER1:1",
                            "#TIMER2:0",
                            "#GAMEOV:1",
                            "#SETTOT:5",
                            "#PUNTIS:25",
                            "#PUNTIT:15",
                            "#PUNTIC:8",
                            "#--------- Sotto tutti gli eventi della partita -------------",
                            "(1) 0 -  0 - 15:10 - 0_0",
                            "(1) 8 - 25 - 15:38 - G_N_0",
                            "(2) 0 -  0 - 15:38 - 0_0",
                            "(2) 1 -  0 - 15:39 - H_E_0",
                            "1#H Timeout Locali - 15:40",
                            "(2) 1 -  1 - 15:41 - G_N_0",
                            "(2) 2 -  1 - 15:41 - H_4_1",
                            "(2) 3 -  1 - 15:42 - H_N_0"};
    EXPECT_EQ(waits, lines) << "an earlier selected line never cuts the history";
    EXPECT_EQ(21, MatchFileLines(Match{}, Moment, LanguageTable{}).size());
}

TEST(MatchFileTest, ReadsBackTheMatchAndLocksASetWithPoints) {
    const Match written = SampleMatch();
    const Match p = Reread(MatchFileLines(written, Moment, LanguageTable{}));
    EXPECT_EQ(written.History, p.History);
    EXPECT_EQ(written.Points, p.Points);
    EXPECT_EQ((std::array<QString, 2>{"3", "1"}), p.Display.Points);
    EXPECT_EQ(written.SetsWon, p.SetsWon);
    EXPECT_EQ(written.TimeoutsCalled, p.TimeoutsCalled);
    EXPECT_EQ(2, p.CurrentSet);
    EXPECT_EQ(QStringLiteral("8/25"), p.Partials[0]) << "the value comes back trimmed";
    EXPECT_TRUE(p.Locked);
    EXPECT_TRUE(p.UndoActive);
    EXPECT_EQ(7, p.SelectedLine);
    EXPECT_EQ((std::array<bool, 2>{true, false}), p.Display.Serving);
    EXPECT_TRUE(p.CountdownCancelled) << "an open countdown closes";
}

struct LockCase {
    QStringList lines;
    bool locked;
};

class LockAfterLoadTest : public ::testing::TestWithParam<LockCase> {};

TEST_P(LockAfterLoadTest, AMatchUnderWayLoadsLocked) {
    const Match p = Reread(GetParam().lines);
    EXPECT_EQ(GetParam().locked, p.Locked);
    EXPECT_EQ(!GetParam().locked, p.ActivePresentation);
}

INSTANTIATE_TEST_SUITE_P(
    File, LockAfterLoadTest,
    ::testing::Values(
        // The copy of a set-winning point: the new set at 0-0.
        LockCase{
            {"#HSCORE:1", "#CURSET:2", "(1)25 - 20 - 15:00 - H_N_0", "(2) 0 -  0 - 15:00 - 0_0"},
            true},
        LockCase{{"#CURSET:2"}, true}, LockCase{{"#GSCORE:1", "#CURSET:1"}, true},
        // A removal back to 0-0 is still a point played.
        LockCase{{"#CURSET:1", "(1) 0 -  0 - 15:00 - 0_0", "(1) 1 -  0 - 15:00 - H_N_0",
                  "(1) 0 -  0 - 15:00 - H_N_0"},
                 true},
        LockCase{{"#CURSET:1", "(1) 0 -  0 - 15:00 - 0_0"}, false},
        LockCase{{"#CURSET:1", "(1) 0 -  0 - 15:00 - 0_0", "1#H Timeout Locali - 15:01"}, false}));

TEST(MatchFileTest, RulesOfTheFileComeBack) {
    Match written = SampleMatch();
    written.TotalSets = 3;
    written.SetPoints = 21;
    written.TieBreakPoints = 15;
    const Match p = Reread(MatchFileLines(written, Moment, LanguageTable{}));
    EXPECT_EQ(3, p.TotalSets);
    EXPECT_EQ(21, p.SetPoints);
    EXPECT_EQ(15, p.TieBreakPoints);
}

TEST(MatchFileTest, AFinishedMatchReadsBackFinishedInItsLastSet) {
    Match written = SampleMatch();
    written.SetsWon = {3, 0};
    written.CurrentSet = 4;
    EndMatch(written, LanguageTable{});
    const QStringList lines = MatchFileLines(written, Moment, LanguageTable{});
    EXPECT_TRUE(lines.contains(QStringLiteral("#GAMEOV:0")));
    const Match p = Reread(lines);
    EXPECT_EQ(3, p.CurrentSet);
    EXPECT_TRUE(p.MatchOver);
    EXPECT_FALSE(p.ActiveScore);
    EXPECT_TRUE(p.UndoActive);
    EXPECT_EQ((std::array<QString, 2>{"3", "0"}), p.Display.Points);
}

TEST(MatchFileTest, TagsActInFileOrderAndMatchTheirFirstSevenCharacters) {
    const Match p = Reread({"#curset:4", "#GAMEOV:0", "(3)25 - 20 - 15:00 - H_N_0",
                            "#HOME  :  Lupi  ", "#SET 3 :25/20", "#UNKNOWN:1", "   "});
    EXPECT_EQ(3, p.CurrentSet);
    EXPECT_EQ(QStringList{"(3)25 - 20 - 15:00 - H_N_0"}, HistoryLines(p.History));
    EXPECT_EQ(QStringLiteral("25/20"), p.Partials[2]);
}

TEST(MatchFileTest, TeamNamesComeBackForTheTeamChoice) {
    Match p;
    const auto file = ReadMatchFile({"#HOME  :  Lupi  ", "#GUESTS:Orsi", "#CURSET:1"});
    ASSERT_TRUE(file);
    EXPECT_EQ((std::array<QString, 2>{"Lupi", "Orsi"}), ApplyMatchFile(p, *file, {}));
}

struct DamagedCase {
    const char* name;
    QByteArray data;
    bool match;
};

class DamagedFileTest : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFileTest, NeverCrashesAndOnlyAMatchFileIsAccepted) {
    const auto file = ReadMatchFile(DecodeLines(GetParam().data));
    EXPECT_EQ(GetParam().match, file.has_value());
    if (file) {
        Match p;
        DefaultRules(p);
        ApplyMatchFile(p, *file, LanguageTable{});
        EXPECT_GE(p.Points[0], 0);
        EXPECT_LE(p.Points[0], 200);
        EXPECT_GE(p.CurrentSet, 0);
        EXPECT_LE(p.CurrentSet, 9);
        EXPECT_GE(p.TimeoutsCalled[1], 0);
        EXPECT_LE(p.TimeoutsCalled[1], 2);
        for (const QString& line : HistoryLines(p.History)) {
            EXPECT_LE(line.size(), 256);
        }
        const QStringList saved =
            MatchFileLines(p, QDateTime(QDate(2026, 12, 10), QTime(20, 0)), LanguageTable{});
        EXPECT_TRUE(ReadMatchFile(saved).has_value()) << "saved again, it loads again";
    }
}

QByteArray Repeat(const QByteArray& line, int times) {
    QByteArray data = "#CURSET:1\r\n";
    data.reserve(line.size() * times + 16);
    for (int i = 0; i < times; ++i) {
        data += line;
    }
    return data;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFileTest,
    ::testing::Values(
        DamagedCase{"vuoto", "", false},
        DamagedCase{"binario", QByteArray("\x00\xFF\x10\x89PNG\r\n\x1A\n\x00", 12), false},
        DamagedCase{"testo qualsiasi", "Caro diario,\r\noggi abbiamo vinto.\r\n", false},
        DamagedCase{"troncato", "#HOME  :Lupi\r\n#CURSET:2\r\n(2) 3 -  1 - 15:4", true},
        DamagedCase{"tag senza valore", "#HPART.\r\n#CURSET\r\n#TIMER1:\r\n", false},
        DamagedCase{"tag senza valore poi set", "#HPART.\r\n#TIMER2\r\n#CURSET:1\r\n", true},
        DamagedCase{"set zero poi storia", "#CURSET:0\r\n(1) 1 -  0 - 15:00 - H_N_0\r\n", false},
        DamagedCase{"set zero dopo la storia",
                    "#CURSET:1\r\n(1) 1 -  0 - 15:00 - H_N_0\r\n#CURSET:0\r\n", false},
        DamagedCase{"fine partita nel set zero",
                    "#CURSET:1\r\n(1) 1 -  0 - 15:00 - H_N_0\r\n#GAMEOV:0\r\n", false},
        DamagedCase{"due fini partita",
                    "#CURSET:1\r\n#GAMEOV:0\r\n#GAMEOV:0\r\n(1) 1 -  0 - 15:00\r\n", false},
        DamagedCase{"storia prima del set", "(1) 1 -  0 - 15:00 - H_N_0\r\n#CURSET:1\r\n", false},
        DamagedCase{"centomila righe", Repeat("(1) 1 -  0 - 15:00 - H_N_0\r\n", 100000), true},
        DamagedCase{"riga di un mega", Repeat(QByteArray(1 << 20, 'x') + "\r\n", 1), true},
        DamagedCase{"valori non numerici",
                    "#CURSET:due\r\n#HPART.:molti\r\n#TIMER2:-7\r\n#CURSET:3x\r\n", true},
        DamagedCase{"numeri enormi",
                    "#CURSET:99999999999\r\n#HPART.:99999\r\n#HSCORE:-4\r\n#TIMER2:9\r\n", true},
        DamagedCase{"set oltre il quinto", "#CURSET:8\r\n#SET 8 :25/20\r\n(8) 1 -  0\r\n", true},
        DamagedCase{"fine riga CR", "#CURSET:2\r#HPART.:3\r(2) 3 -  0 - 15:00 - H_N_0\r", true},
        DamagedCase{"nomi UTF-8",
                    "#HOME  :Klobu\xC4\x8D"
                    "ar\r\n#CURSET:1\r\n",
                    true},
        DamagedCase{"nomi 1252", "#HOME  :Citt\xE0\r\n#CURSET:1\r\n", true}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) { return std::to_string(info.index); });

} // namespace
