#include "teams/Teams.h"
#include "shared/Language.h"
#include "teams/Searches.h"
#include "teams/TeamChoice.h"

#include "doubles/Environment.h"
#include "doubles/Printing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TeamsTest : public ::testing::Test {
  protected:
    QString Write(const QByteArray& content) {
        const QString path = folder.filePath(QStringLiteral("team.csv"));
        Environment::CreateFile(path, content);
        return path;
    }
    QTemporaryDir folder;
    LanguageTable languages;
};

TEST_F(TeamsTest, ReadingRules) {
    const QString path = Write("1;Li;;;N\r\n"
                               "10;Li;Wu;;C\r\n"
                               "'12;Commento;Riga;1;C\r\n"
                               " 7 ; Rossi ; Mario ; 2-Centrale ; c \r\n"
                               "8;Bianchi;Luca;3;C;x\r\n"
                               "A1;Verdi;Anna;7-Xyz;C\r\n"
                               "9;Neri;Paolo\r\n");
    const auto lines = ReadRoster(path, ConsoleCapacity, true);
    ASSERT_EQ(5u, lines.size());
    EXPECT_EQ(QStringLiteral("10"), lines[0].Number);
    EXPECT_EQ(QStringLiteral("Wu"), lines[0].Name);
    EXPECT_EQ(QStringLiteral("C"), lines[0].CalledUp);
    EXPECT_EQ(QStringLiteral("7"), lines[1].Number);
    EXPECT_EQ(QStringLiteral("Rossi"), lines[1].Surname);
    EXPECT_EQ(QStringLiteral("c"), lines[1].CalledUp);
    EXPECT_EQ(QStringLiteral("C;x"), lines[2].CalledUp) << "the flag is not split again";
    EXPECT_EQ(3, RoleNumber(lines[2].Role));
    EXPECT_EQ(0, RoleNumber(lines[3].Role));
    EXPECT_TRUE(lines[4].CalledUp.isEmpty()) << "missing fields read empty";
    EXPECT_EQ(1u, ReadRoster(Write("2;Boi;;;C\r\n"), ConsoleCapacity, true).size())
        << "nine characters make a line";
}

TEST_F(TeamsTest, ConsoleStopsAfterAnEmptyNumberAndAtItsCapacity) {
    EXPECT_EQ(2u, ReadRoster(Write("1;Rossi;Mario;;C\r\n ;Vuoto;Riga;;C\r\n3;Dopo;Riga;;C\r\n"),
                             ConsoleCapacity, true)
                      .size());
    QByteArray longText;
    for (int i = 0; i < 10000; ++i) {
        longText += QByteArray::number(i % 99 + 1) + ";Cognome;Nome;1-Alzatore;C\r\n";
    }
    EXPECT_EQ(100u, ReadRoster(Write(longText), ConsoleCapacity, true).size());
    EXPECT_EQ(27u, ReadRoster(Write(longText), EditorCapacity, false).size());
    EXPECT_TRUE(ReadRoster(folder.filePath(QStringLiteral("manca.csv")), 100, true).empty());
    ReadRoster(Write(QByteArray("\x00\xFF\xFE;;;;\x01\x02\x03\x04\x05\x06\r\n", 15)), 100, true);
}

TEST_F(TeamsTest, NamesOutsideWindows1252SurviveASaveAndAReload) {
    const QString path = folder.filePath(QStringLiteral("team.csv"));
    const std::vector<Athlete> lines{{"5", "Klobučar", "Ivan", "4-Opposto", "C"},
                                     {"6", "Petrović", "Ana", "", "N"},
                                     {"7", "Città", "Luca", "5", "C"}};
    ASSERT_TRUE(WriteRoster(path, lines, languages));
    const auto read = ReadRoster(path, EditorCapacity, false);
    ASSERT_EQ(3u, read.size());
    EXPECT_EQ(QStringLiteral("Klobučar"), read[0].Surname);
    EXPECT_EQ(QStringLiteral("Petrović"), read[1].Surname);
    EXPECT_EQ(QStringLiteral("5-Banda"), read[2].Role);
    EXPECT_EQ(QStringLiteral("N"), read[1].CalledUp);
}

TEST_F(TeamsTest, Windows1252WhenEveryNameFits) {
    const QString path = folder.filePath(QStringLiteral("team.csv"));
    ASSERT_TRUE(WriteRoster(path, {{"7", "Città", "Luca", "2", "C"}}, languages));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("7;Citt\xE0;Luca;2-Centrale;C\r\n"), file.readAll());
}

TEST_F(TeamsTest, ASemicolonInAFieldWritesNothing) {
    const QString path = Write("1;Rossi;Mario;;C\r\n");
    EXPECT_FALSE(WriteRoster(path, {{"2", "De;Luca", "Anna", "", "C"}}, languages));
    EXPECT_EQ(QStringLiteral("Rossi"), ReadRoster(path, 27, false).at(0).Surname);
}

TEST(TeamNameTest, Validation) {
    struct Case {
        const char* name;
        NameOutcome outcome;
    };
    const QStringList existing{"Home", "Guests", "Lupi Rossi"};
    for (const Case c :
         {Case{"", NameOutcome::Cancelled}, Case{"   ", NameOutcome::Cancelled},
          Case{"Ab", NameOutcome::NotValid},
          Case{"123456789012345678901234567890123456", NameOutcome::NotValid},
          Case{"Aquile/Nere", NameOutcome::NotValid}, Case{"Le \"Aquile\"", NameOutcome::NotValid},
          Case{"..", NameOutcome::NotValid}, Case{"...", NameOutcome::NotValid},
          Case{".nascosta", NameOutcome::NotValid}, Case{"lupi rossi", NameOutcome::Duplicate},
          Case{"  Aquile Nere  ", NameOutcome::Accepted},
          Case{"Città di Castello", NameOutcome::Accepted}}) {
        EXPECT_EQ(c.outcome, ValidateTeamName(QString::fromUtf8(c.name), existing)) << c.name;
    }
    EXPECT_TRUE(ProtectedTeam(QStringLiteral("home")));
    EXPECT_TRUE(ProtectedTeam(QStringLiteral("  Guests ")));
    EXPECT_FALSE(ProtectedTeam(QStringLiteral("Homes")));
}

TEST(TeamsFoldersTest, NothingBuiltFromANameLeavesTeams) {
    const QString data = QStringLiteral("/dati");
    EXPECT_EQ(QStringLiteral("/dati/Teams/Lupi"), TeamFolder(data, QStringLiteral("Lupi")));
    for (const char* name : {"", "..", "../..", "a/../../b", "..\\..", "."}) {
        EXPECT_TRUE(TeamFolder(data, QString::fromUtf8(name)).isEmpty()) << name;
    }
    EXPECT_TRUE(AthletePhoto(QStringLiteral("/dati/Teams/Lupi"), QStringLiteral("../x")).isEmpty());
    EXPECT_EQ(QStringLiteral("/dati/Teams/Lupi/7.jpg"),
              AthletePhoto(QStringLiteral("/dati/Teams/Lupi"), QStringLiteral(" 7 ")));
}

TEST(TeamsFoldersTest, CreateRenameDeleteAndProtectedFolders) {
    QTemporaryDir data;
    ASSERT_TRUE(CreateTeam(data.path(), QStringLiteral("  Aquile ")));
    ASSERT_TRUE(CreateTeam(data.path(), QStringLiteral("Home")));
    EXPECT_EQ((QStringList{"Aquile", "Home"}), ListTeams(data.path()).value());
    const QString eagles = TeamFolder(data.path(), QStringLiteral("Aquile"));
    Environment::CreateFile(eagles + QStringLiteral("/team.csv"));
    EXPECT_FALSE(RenameTeam(data.path(), QStringLiteral("home"), QStringLiteral("Casa")));
    ASSERT_TRUE(RenameTeam(data.path(), QStringLiteral("Aquile"), QStringLiteral("Falchi")));
    EXPECT_TRUE(QFile::exists(TeamFolder(data.path(), QStringLiteral("Falchi")) +
                              QStringLiteral("/team.csv")));
    EXPECT_FALSE(RemoveTeam(data.path(), QStringLiteral("HOME")));
    EXPECT_TRUE(RemoveTeam(data.path(), QStringLiteral("Falchi")));
    EXPECT_EQ(QStringList{"Home"}, ListTeams(data.path()).value());
}

TEST(TeamsFoldersTest, AudioPrefersMp3) {
    QTemporaryDir team;
    EXPECT_TRUE(AthleteAudio(team.path(), QStringLiteral("7")).endsWith(QStringLiteral("7.wav")));
    Environment::CreateFile(team.filePath(QStringLiteral("7.wav")));
    Environment::CreateFile(team.filePath(QStringLiteral("7.mp3")));
    EXPECT_TRUE(AthleteAudio(team.path(), QStringLiteral("7")).endsWith(QStringLiteral("7.mp3")));
}

TEST(SearchesTest, LookupsByNumber) {
    Roster roster{{"7", "ROSSI", "MARIO", "2-Centrale", "C"},
                  {"A1", "van der berg", "jan", "", "C"},
                  {"9", "Neri", "Paolo", "", "C"}};
    LanguageTable languages;
    struct Case {
        const char* number;
        const char* surname;
        const char* name;
        const char* role;
    };
    for (const Case c :
         {Case{"7", "Rossi", "Mario", "Centrale"}, Case{" a1 ", "Van Der berg", "Jan", " a1 "},
          Case{"A1", "Van Der berg", "Jan", "1° Allenatore"},
          Case{"D2", "NUMERO D2", ".", "2° Dirigente"}, Case{"9", "Neri", "Paolo", "-"},
          Case{"12", "NUMERO 12", ".", "-"}, Case{"", "", "", ""}}) {
        const QString n = QString::fromUtf8(c.number);
        EXPECT_EQ(QString::fromUtf8(c.surname), AthleteSurname(roster, n, languages)) << c.number;
        EXPECT_EQ(QString::fromUtf8(c.name), AthleteName(roster, n)) << c.number;
        if (n.trimmed() == n) {
            EXPECT_EQ(QString::fromUtf8(c.role), AthleteRole(roster, n, languages)) << c.number;
        }
    }
    Roster longText(60, Athlete{"1", "X", "Y", "", "C"});
    longText[55] = Athlete{"55", "Oltre", "Cinquanta", "", "C"};
    EXPECT_EQ(QStringLiteral("NUMERO 55"),
              AthleteSurname(longText, QStringLiteral("55"), languages));
}

TEST(TeamChoiceTest, StaffCodesAreALetterAndDigits) {
    for (const char* staff : {"A1", "D1", "a2", "D12", " A1 "}) {
        EXPECT_TRUE(StaffCode(QString::fromLatin1(staff))) << staff;
    }
    for (const char* athlete : {"7", "12", "E", "A", "1A", "AB1", ""}) {
        EXPECT_FALSE(StaffCode(QString::fromLatin1(athlete))) << athlete;
    }
}

TEST(TeamChoiceTest, RosterListAndTranslatedRoles) {
    QTemporaryDir data;
    const QString folder = data.filePath(QStringLiteral("Teams/Lupi"));
    Environment::CreateFile(
        folder + QStringLiteral("/team.csv"),
        "7;Rossi;Mario;2-Centrale;C\r\n123;Lungo;Numero;9;C\r\nA1;Verdi;Anna;;C\r\n"
        "8;Fuori;Rosa;1;N\r\nd12;Neri;Carla;;C\r\n");
    const ChosenTeam s = ChooseTeam(data.path(), QStringLiteral("Lupi"), LanguageTable{});
    EXPECT_EQ(
        (QStringList{"E - Errore dell'avversario", " 7 Rossi Mario Centrale", "23 Lungo Numero "}),
        s.Lines)
        << "coach and manager are no scorers";
    ASSERT_EQ(5u, s.Athletes.size()) << "the staff stay in the roster";
    EXPECT_EQ(QStringLiteral("1-Alzatore"), s.Athletes[3].Role);
    EXPECT_TRUE(s.Logo.isEmpty());
    EXPECT_EQ(QStringLiteral("7"), CodeFromLine(s.Lines[1]));
    EXPECT_EQ(QStringLiteral("E"), CodeFromLine(s.Lines[0]));
    EXPECT_EQ(QStringLiteral("Rossi"), NameFromLine(s.Lines[1]));

    const ChosenTeam empty = ChooseTeam(data.path(), QStringLiteral(".."), LanguageTable{});
    EXPECT_TRUE(empty.Athletes.empty());
    EXPECT_EQ(1, empty.Lines.size());
}

} // namespace
