#include "match/History.h"

#include "match/Match.h"
#include "match/MatchFile.h"
#include "shared/FileText.h"
#include "shared/Language.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct LineCase {
    const char* line;
    HistoryKind kind;
    int set;
    std::array<int, 2> score;
    int side;
    const char* athlete;
    int type;
    int timeouts;
};

// Each line read after the same opening: set 2 standing at 3-2.
const QStringList Opening{"(1) 0 -  0 - 15:00 - 0_0", "(1)25 - 20 - 15:20 - H_7_0",
                          "(2) 0 -  0 - 15:21 - 0_0", "(2) 3 -  2 - 15:25 - G_9_3"};

class HistoryLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(HistoryLineTest, ReadsItsKindAndFields) {
    const LineCase& c = GetParam();
    const QString line = QString::fromUtf8(c.line);
    const HistoryEvent e = ReadHistoryLine(line, ReadHistory(Opening));
    EXPECT_EQ(c.kind, e.Kind);
    EXPECT_EQ(c.set, e.Set);
    EXPECT_EQ(c.score, e.Score);
    EXPECT_EQ(c.side, e.Side);
    EXPECT_EQ(QString::fromUtf8(c.athlete), e.Athlete);
    EXPECT_EQ(c.type, e.PointType);
    EXPECT_EQ(c.timeouts, e.TimeoutCount);
    EXPECT_EQ(line, e.Text) << "every line is written back as it was read";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HistoryLineTest,
    testing::Values(
        LineCase{"(2) 4 -  2 - 15:26 - H_12_2", HistoryKind::Point, 2, {4, 2}, 0, "12", 2, 0},
        LineCase{"(2) 3 -  3 - 15:26 - G_E_0", HistoryKind::Point, 2, {3, 3}, 1, "E", 0, 0},
        LineCase{"(2) 3 -  1 - 15:26 - G_9_3", HistoryKind::Removal, 2, {3, 1}, 1, "9", 3, 0},
        // A "- 1" at 0 leaves the score as it was: nothing was added.
        LineCase{"(3) 0 -  0 - 15:26 - H_N_0", HistoryKind::Removal, 3, {0, 0}, 0, "N", 0, 0},
        LineCase{"(2) 4 -  2 - 15:26 - H__9", HistoryKind::Point, 2, {4, 2}, 0, "N", 0, 0},
        LineCase{"(3) 0 -  0 - 15:40 - 0_0", HistoryKind::SetStart, 3, {0, 0}, -1, "", 0, 0},
        LineCase{"2#G Timeout Ospiti - 15:26", HistoryKind::Timeout, 2, {3, 2}, 1, "", 0, 2},
        LineCase{"1#H Timeout Home - 15:26", HistoryKind::Timeout, 2, {3, 2}, 0, "", 0, 1},
        // Lines no version wrote: a digit alone does not make a timeout, a parenthesis alone
        // does not make a point.
        LineCase{"7 players on court", HistoryKind::Unknown, 0, {0, 0}, -1, "", 0, 0},
        LineCase{"(x) 1 - 0 - 15:00 - H_7_0", HistoryKind::Unknown, 0, {0, 0}, -1, "", 0, 0},
        LineCase{"", HistoryKind::Unknown, 0, {0, 0}, -1, "", 0, 0},
        LineCase{"YELLOW H 7 - 15:30", HistoryKind::Unknown, 0, {0, 0}, -1, "", 0, 0}));

TEST(HistoryTest, ARemovalIsJudgedAgainstItsOwnSetAndSide) {
    const MatchHistory h = ReadHistory(
        {"(1) 0 -  0 - 15:00 - 0_0", "(1) 1 -  0 - 15:00 - H_7_0", "(1) 1 -  1 - 15:00 - G_4_0",
         "1#H Timeout Locali - 15:01", "(1) 0 -  1 - 15:01 - H_7_0", "(1) 1 -  1 - 15:02 - H_3_0",
         "junk the file happened to hold", "(1) 1 -  0 - 15:03 - G_4_0"});
    std::vector<HistoryKind> kinds;
    for (const HistoryEvent& e : h) {
        kinds.push_back(e.Kind);
    }
    EXPECT_EQ(
        (std::vector<HistoryKind>{HistoryKind::SetStart, HistoryKind::Point, HistoryKind::Point,
                                  HistoryKind::Timeout, HistoryKind::Removal, HistoryKind::Point,
                                  HistoryKind::Unknown, HistoryKind::Removal}),
        kinds);
    EXPECT_EQ((std::array<int, 2>{1, 1}), h[3].Score) << "the timeout's score";
    EXPECT_TRUE(HasScoreChanges(h));
    EXPECT_FALSE(HasScoreChanges(ReadHistory({"(1) 0 -  0 - 15:00 - 0_0"})));
}

// Every match file the project holds: the history reads back line for line, and a file the
// program wrote comes out of a load and a save byte for byte.
TEST(HistoryTest, EveryMatchFileRoundTripsByteForByte) {
    QStringList files;
    const QDir corpus(QStringLiteral(BRIVANTA_SOURCES "/../fuzz/corpus/match_file"));
    for (const QString& name : corpus.entryList(QDir::Files)) {
        files << corpus.filePath(name);
    }
    const QDir data(QStringLiteral(BRIVANTA_DATA));
    for (const QString& name : data.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        files << data.filePath(name);
    }
    ASSERT_GE(files.size(), 4);
    static const QRegularExpression saved(
        QStringLiteral(R"(^#Salvataggio  del : (\d\d/\d\d/\d{4} - \d\d:\d\d:\d\d)$)"));
    const LanguageTable languages;
    int matchFiles = 0;
    for (const QString& path : files) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = f.readAll();
        const QStringList lines = DecodeLines(bytes);
        const auto file = ReadMatchFile(lines);
        if (!file) {
            continue;
        }
        ++matchFiles;
        Match p;
        DefaultRules(p);
        p.TeamName = ApplyMatchFile(p, *file, languages); // as choosing the file's teams does
        const auto separator = lines.indexOf(QRegularExpression(QStringLiteral("#---.*")));
        ASSERT_GE(separator, 0) << path.toStdString();
        EXPECT_EQ(lines.mid(separator + 1), HistoryLines(p.History)) << path.toStdString();
        const auto when = saved.match(lines.first());
        ASSERT_TRUE(when.hasMatch()) << path.toStdString();
        const QDateTime moment =
            QDateTime::fromString(when.captured(1), QStringLiteral("dd/MM/yyyy - HH:mm:ss"));
        const QStringList written = MatchFileLines(p, moment, languages);
        EXPECT_EQ(lines, written) << path.toStdString();
        EXPECT_EQ(bytes, EncodeLines(written)) << path.toStdString();
    }
    EXPECT_EQ(files.size(), matchFiles) << "every file here is a match file";
}

} // namespace
