#include "report/Report.h"
#include "match/Match.h"
#include "report/ui/CommandLine.h"
#include "report/ui/ReportPackage.h"
#include "shared/Language.h"

#include "console/Messages.h"
#include "doubles/Environment.h"
#include "doubles/FullDisk.h"
#include "doubles/Printing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// A five-set match with a removal and timeouts, as the console saves it.
QByteArray MatchFile() {
    QByteArray f =
        "#Salvataggio  del : 07/12/2026 - 21:40:00\r\n#HOME  :Lupi\r\n#GUESTS:Orsi Città\r\n"
        "#HSCORE:3\r\n#GSCORE:2\r\n#HPART.:0\r\n#GPART.:0\r\n#CURSET:6\r\n"
        "#SET 1 :25/20\r\n#SET 2 :20/25\r\n#SET 3 :25/23\r\n#SET 4 :18/25\r\n#SET 5 :15/13\r\n"
        "#TIMER1:0\r\n#TIMER2:0\r\n#GAMEOV:0\r\n#SETTOT:5\r\n#PUNTIS:25\r\n#PUNTIT:15\r\n#PUNTIC:"
        "8\r\n"
        "#--------- Sotto tutti gli eventi della partita -------------\r\n";
    const int finalScores[5][2] = {{25, 20}, {20, 25}, {25, 23}, {18, 25}, {15, 13}};
    int minute = 0;
    for (int set = 1; set <= 5; ++set) {
        const auto wallNow = [&] {
            ++minute;
            return QStringLiteral("20:%1").arg(minute % 60, 2, 10, QLatin1Char('0')).toLatin1();
        };
        f += QStringLiteral("(%1) 0 -  0 - ").arg(set).toLatin1() + wallNow() + " - 0_0\r\n";
        int c = 0, o = 0;
        while (c < finalScores[set - 1][0] || o < finalScores[set - 1][1]) {
            const bool home =
                c < finalScores[set - 1][0] && (o >= finalScores[set - 1][1] || (c + o) % 2 == 0);
            (home ? c : o) += 1;
            f += QStringLiteral("(%1)%2 - %3 - ").arg(set).arg(c, 2).arg(o, 2).toLatin1() +
                 wallNow() + (home ? " - H_7_1\r\n" : " - G_E_0\r\n");
            if (set == 1 && c == 3 && o == 2) {
                f += "1#G Timeout Ospiti - 20:02\r\n";
                f += "(1) 3 -  1 - 20:02 - G_N_0\r\n"; // a removal
                f += "(1) 3 -  2 - 20:02 - G_N_0\r\n";
            }
        }
    }
    return f;
}

class ReportTest : public ::testing::Test {
  protected:
    ReportTest() {
        match = a.root.filePath(QStringLiteral("finale.txt"));
        Environment::CreateFile(match, MatchFile());
        Environment::CreateFile(a.program + QStringLiteral("/Teams/Lupi/team.csv"),
                                "7;Rossi;Anna;;C\r\n");
        exit = a.root.filePath(QStringLiteral("uscita"));
        QDir().mkpath(exit);
    }
    int Run(const QStringList& arguments) {
        QTextStream o(&text), e(&error);
        return RunCommandLine(arguments, a.program, o, e);
    }
    QString Tool(const char* name, const QStringList& arguments) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (program.isEmpty()) {
            return {};
        }
        QProcess p;
        p.start(program, arguments);
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    Environment a;
    QString match, exit, text, error;
};

TEST_F(ReportTest, TheCommandLineWritesTheThreeFiles) {
    ASSERT_EQ(0, Run({"--report", match, "--out", exit})) << error.toStdString();
    QFile csv(exit + QStringLiteral("/play-by-play.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray data = csv.readAll();
    EXPECT_TRUE(data.startsWith("\xEF\xBB\xBF")) << "UTF-8 with its mark";
    const QStringList lines =
        QString::fromUtf8(data.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const int history = static_cast<int>(MatchFile().count("\r\n(") + MatchFile().count("\r\n1#"));
    EXPECT_EQ(history + 1, lines.size()) << "a header, then one row per history line";
    EXPECT_TRUE(lines.contains(
        QStringLiteral("1;3;1;Orsi Città;N;;Non specificato;20:02;Punto annullato")));
    EXPECT_TRUE(lines.contains(QStringLiteral("1;3;2;Orsi Città;;;;20:02;Tempo")));
    const QImage card(exit + QStringLiteral("/result.png"));
    EXPECT_EQ(QSize(1080, 1080), card.size());
    EXPECT_NE(card.pixel(10, 10), card.pixel(200, 200)) << "not blank";

    const QString pdf = exit + QStringLiteral("/report.pdf");
    const QString info = Tool("pdfinfo", {pdf});
    if (info.isEmpty()) {
        GTEST_SKIP() << "poppler-utils not installed (scripts/setup.sh installs it)";
    }
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3"))))
        << info.toStdString();
    const QString content = Tool("pdftotext", {pdf, QStringLiteral("-")});
    for (const char* expected :
         {"Lupi", "Orsi Città", "25-20", "20-25", "25-23", "18-25", "15-13", "\n3-2\n", "7 Rossi",
          "Rosa non disponibile, atleti indicati per numero: Orsi Città"}) {
        EXPECT_TRUE(content.contains(QString::fromUtf8(expected))) << expected;
    }
}

TEST_F(ReportTest, CommandLineErrorsSayWhyAndWriteNothing) {
    Environment::CreateFile(a.root.filePath(QStringLiteral("lista.txt")), "Pane\r\nLatte\r\n");
    struct Case {
        QStringList arguments;
        int code;
        const char* word;
    };
    const Case cases[] = {
        {{"--report", match}, 2, "--out"},
        {{"--report", a.root.filePath("manca.txt"), "--out", exit}, 3, "cannot read"},
        {{"--report", a.root.filePath("lista.txt"), "--out", exit}, 4, "not a Brivanta match file"},
        {{"--report", match, "--out", a.root.filePath("lista.txt/report")}, 5, "output folder"},
        {{"--report", match, "--out", exit, "--lang", "XYZ"}, 6, "unknown language"},
    };
    for (const Case& c : cases) {
        error.clear();
        EXPECT_EQ(c.code, Run(c.arguments)) << c.word;
        EXPECT_EQ(1, error.count(u'\n')) << "one line: " << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.word))) << error.toStdString();
    }
    EXPECT_TRUE(QDir(exit).isEmpty(QDir::Files)) << "nothing half-done";
}

TEST_F(ReportTest, ThePdfNamesTheSetsInItsLanguage) {
    QFile::copy(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv",
                a.program + QStringLiteral("/Languages.csv"));
    struct Case {
        const char* language;
        const char* first;
        const char* fifth;
    };
    for (const Case& c : {Case{"ITA", "1° SET", "5° SET"}, Case{"ENG", "1st SET", "5th SET"},
                          Case{"DEU", "1. SATZ", "5. SATZ"}}) {
        ASSERT_EQ(0, Run({"--report", match, "--out", exit, "--lang", c.language}))
            << error.toStdString();
        const QString content =
            Tool("pdftotext", {exit + QStringLiteral("/report.pdf"), QStringLiteral("-")});
        if (content.isEmpty()) {
            GTEST_SKIP() << "poppler-utils not installed (scripts/setup.sh installs it)";
        }
        EXPECT_TRUE(content.contains(QString::fromUtf8(c.first))) << c.language;
        EXPECT_TRUE(content.contains(QString::fromUtf8(c.fifth))) << c.language;
        if (QLatin1String(c.language) != QLatin1String("ITA")) {
            EXPECT_FALSE(content.contains(QStringLiteral("° SET"))) << c.language;
        }
    }
}

TEST_F(ReportTest, AMissingOutputFolderIsMadeWithItsParents) {
    const QString fresh = a.root.filePath(QStringLiteral("nuova/cartella/report"));
    ASSERT_EQ(0, Run({"--report", match, "--out", fresh})) << error.toStdString();
    for (const QString& name : PackageNames) {
        EXPECT_TRUE(QFileInfo(QDir(fresh).filePath(name)).size() > 0) << name.toStdString();
    }
}

// An older report in a folder that fills up: for every room left, the folder holds the old
// three files or the new three, never a mix.
TEST(ReportPackageTest, AFullDiskLeavesTheOldReportOrTheNewOneNeverAMix) {
    const PackageFile old{QByteArray(3000, 'p'), QByteArray(3000, 'c'), QByteArray(3000, 'g')};
    const PackageFile fresh{QByteArray(10000, 'P'), QByteArray(10000, 'C'), QByteArray(10000, 'G')};
    const auto read = [](const QString& folder) {
        std::vector<QByteArray> found;
        for (const QString& name : PackageNames) {
            QFile f(QDir(folder).filePath(name));
            found.push_back(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
        }
        return found;
    };
    const std::vector<QByteArray> before{old.Pdf, old.Csv, old.Png};
    const std::vector<QByteArray> after{fresh.Pdf, fresh.Csv, fresh.Png};
    for (qint64 room = 0; room <= 40960; room += 4096) {
        FullDisk disk;
        ASSERT_EQ(QString(), WritePackage(disk.path(), old));
        disk.fill(room);
        const QString error = WritePackage(disk.path(), fresh);
        const auto found = read(disk.path());
        EXPECT_TRUE(found == before || found == after) << "room " << room;
        EXPECT_EQ(error.isEmpty(), found == after) << "room " << room;
        disk.makeRoom();
        EXPECT_EQ(PackageNames.size(),
                  QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size())
            << "nothing left aside, room " << room;
    }
}

TEST(ReportLogicTest, RunsDurationsAndRemovalsNeverCount) {
    Match p;
    DefaultRules(p);
    p.CurrentSet = 2;
    p.Display.Name = {QStringLiteral("A"), QStringLiteral("B")};
    QStringList lines{"(1) 0 -  0 - 20:00 - 0_0"};
    for (int i = 1; i <= 25; ++i) {
        lines << QStringLiteral("(1)%1 -  0 - 20:%2 - H_7_0")
                     .arg(i, 2)
                     .arg(i, 2, 10, QLatin1Char('0'));
        if (i == 10) {
            lines << QStringLiteral("(1) 9 -  0 - 20:10 - H_N_0"); // taken back
            lines << QStringLiteral("(1)10 -  0 - 20:10 - H_7_0");
        }
    }
    lines << "(2) 0 -  0 - 20:25 - 0_0";
    p.History = ReadHistory(lines);
    const Report r = BuildReport(p, QDate(2026, 12, 7), LanguageTable{});
    ASSERT_EQ(1u, r.Set.size()) << "set 2 has not started";
    EXPECT_EQ(0, r.Set[0].Winner);
    EXPECT_EQ(25, r.Set[0].MaxSeries[0]);
    EXPECT_EQ(25, r.Set[0].Minutes.value_or(-1));
    EXPECT_EQ(27u, r.Set[0].Progression.size()) << "every rally, the removal included";
}

// A match file reported where the teams' folders are not: every number that scored is in its
// team's table, named by its number; numbers off a roster that is there are added after it.
TEST(ReportLogicTest, NumbersOffTheRosterAreListedByNumber) {
    struct Line {
        QString number, surname;
        int total;
    };
    const auto lines = [](const ReportTeam& q) {
        std::vector<Line> v;
        for (const SummaryLine& a : q.Athletes) {
            v.push_back({a.Number, a.Surname, a.Total});
        }
        return v;
    };
    Match p;
    DefaultRules(p);
    p.Display.Name = {QStringLiteral("A"), QStringLiteral("B")};
    p.History = ReadHistory({"(1) 0 -  0 - 20:00 - 0_0", "(1) 1 -  0 - 20:01 - H_12_1",
                             "(1) 2 -  0 - 20:02 - H_6_0", "(1) 3 -  0 - 20:03 - H_12_3",
                             "(1) 3 -  1 - 20:04 - G_E_0", "(1) 3 -  2 - 20:05 - G_4_0"});
    const Report without = BuildReport(p, QDate(2026, 12, 7), LanguageTable{});
    EXPECT_FALSE(without.Teams[0].AvailableRoster);
    const std::vector<Line> home = lines(without.Teams[0]);
    ASSERT_EQ(2u, home.size());
    EXPECT_EQ(QStringLiteral("6"), home[0].number) << "sorted by number";
    EXPECT_EQ(QStringLiteral("N° 6"), home[0].surname);
    EXPECT_EQ(1, home[0].total);
    EXPECT_EQ(QStringLiteral("N° 12"), home[1].surname);
    EXPECT_EQ(2, home[1].total);
    EXPECT_EQ(QStringLiteral("N° 12 (2)"), without.Teams[0].Best.value(0));
    ASSERT_EQ(1u, lines(without.Teams[1]).size()) << "an opponent's error is nobody's row";
    EXPECT_EQ(QStringLiteral("N° 4"), lines(without.Teams[1])[0].surname);

    p.Rosters[0] = {Athlete{QStringLiteral("12"), QStringLiteral("Rossi"), {}, {}, {}},
                    Athlete{QStringLiteral("3"), QStringLiteral("Verdi"), {}, {}, {}}};
    const Report with = BuildReport(p, QDate(2026, 12, 7), LanguageTable{});
    EXPECT_TRUE(with.Teams[0].AvailableRoster);
    const std::vector<Line> roster = lines(with.Teams[0]);
    ASSERT_EQ(3u, roster.size());
    EXPECT_EQ(QStringLiteral("Rossi"), roster[0].surname);
    EXPECT_EQ(2, roster[0].total);
    EXPECT_EQ(QStringLiteral("Verdi"), roster[1].surname);
    EXPECT_EQ(QStringLiteral("N° 6"), roster[2].surname) << "the roster first, then the rest";
    EXPECT_EQ(QStringLiteral("12 Rossi (2)"), with.Teams[0].Best.value(0));
}

} // namespace

#include "scenarios/TestConsole.h"

namespace {

using ConsoleReport = TestConsole;

TEST_F(ConsoleReport, TheMenuWritesThePackAsksBeforeReplacingAndOpensTheFolder) {
    a.f.dialogs.Expect(ConsoleMessages::NotStarted);
    console.writeReport();
    Points(0, 3);
    const QString folder = a.root.filePath(QStringLiteral("report"));
    QDir().mkpath(folder);
    a.f.dialogs.ExpectFile(folder);
    console.writeReport();
    for (const QString& name : PackageNames) {
        EXPECT_TRUE(QFileInfo::exists(QDir(folder).filePath(name))) << name.toStdString();
    }
    EXPECT_EQ(QStringList{folder}, a.f.shell.open);
    a.f.dialogs.ExpectFile(folder);
    a.f.dialogs.Expect(ConsoleMessages::ReplaceReportQuestion + QStringLiteral("\n") + folder,
                       Answer::No);
    console.writeReport();
    EXPECT_EQ(Default::GiveUp, a.f.dialogs.Defaults.last());
    EXPECT_EQ(1, a.f.shell.open.size()) << "declined: nothing written, nothing opened";
}

} // namespace
