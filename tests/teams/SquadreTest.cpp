#include "shared/Lingua.h"
#include "teams/Ricerche.h"
#include "teams/SceltaSquadra.h"
#include "teams/Squadre.h"

#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SquadreTest : public ::testing::Test {
protected:
    QString Scrivi(const QByteArray& contenuto) {
        const QString percorso = cartella.filePath(QStringLiteral("team.csv"));
        Ambiente::CreaFile(percorso, contenuto);
        return percorso;
    }
    QTemporaryDir cartella;
    TabellaLingue lingue;
};

TEST_F(SquadreTest, ReadingRules) {
    const QString percorso = Scrivi("1;Li;;;N\r\n"
                                    "10;Li;Wu;;C\r\n"
                                    "'12;Commento;Riga;1;C\r\n"
                                    " 7 ; Rossi ; Mario ; 2-Centrale ; c \r\n"
                                    "8;Bianchi;Luca;3;C;x\r\n"
                                    "A1;Verdi;Anna;7-Xyz;C\r\n"
                                    "9;Neri;Paolo\r\n");
    const auto righe = LeggiRosa(percorso, CapacitaConsole, true);
    ASSERT_EQ(5u, righe.size());
    EXPECT_EQ(QStringLiteral("10"), righe[0].Numero);
    EXPECT_EQ(QStringLiteral("Wu"), righe[0].Nome);
    EXPECT_EQ(QStringLiteral("C"), righe[0].Convocato);
    EXPECT_EQ(QStringLiteral("7"), righe[1].Numero);
    EXPECT_EQ(QStringLiteral("Rossi"), righe[1].Cognome);
    EXPECT_EQ(QStringLiteral("c"), righe[1].Convocato);
    EXPECT_EQ(QStringLiteral("C;x"), righe[2].Convocato) << "the flag is not split again";
    EXPECT_EQ(3, NumeroRuolo(righe[2].Ruolo));
    EXPECT_EQ(0, NumeroRuolo(righe[3].Ruolo));
    EXPECT_TRUE(righe[4].Convocato.isEmpty()) << "missing fields read empty";
    EXPECT_EQ(1u, LeggiRosa(Scrivi("2;Boi;;;C\r\n"), CapacitaConsole, true).size())
        << "nine characters make a line";
}

TEST_F(SquadreTest, ConsoleStopsAfterAnEmptyNumberAndAtItsCapacity) {
    EXPECT_EQ(2u, LeggiRosa(Scrivi("1;Rossi;Mario;;C\r\n ;Vuoto;Riga;;C\r\n3;Dopo;Riga;;C\r\n"),
                            CapacitaConsole, true)
                      .size());
    QByteArray lunga;
    for (int i = 0; i < 10000; ++i) {
        lunga += QByteArray::number(i % 99 + 1) + ";Cognome;Nome;1-Alzatore;C\r\n";
    }
    EXPECT_EQ(100u, LeggiRosa(Scrivi(lunga), CapacitaConsole, true).size());
    EXPECT_EQ(27u, LeggiRosa(Scrivi(lunga), CapacitaEditor, false).size());
    EXPECT_TRUE(LeggiRosa(cartella.filePath(QStringLiteral("manca.csv")), 100, true).empty());
    LeggiRosa(Scrivi(QByteArray("\x00\xFF\xFE;;;;\x01\x02\x03\x04\x05\x06\r\n", 15)), 100, true);
}

TEST_F(SquadreTest, NamesOutsideWindows1252SurviveASaveAndAReload) {
    const QString percorso = cartella.filePath(QStringLiteral("team.csv"));
    const std::vector<Atleta> righe{{"5", "Klobučar", "Ivan", "4-Opposto", "C"},
                                    {"6", "Petrović", "Ana", "", "N"},
                                    {"7", "Città", "Luca", "5", "C"}};
    ASSERT_TRUE(ScriviRosa(percorso, righe, lingue));
    const auto lette = LeggiRosa(percorso, CapacitaEditor, false);
    ASSERT_EQ(3u, lette.size());
    EXPECT_EQ(QStringLiteral("Klobučar"), lette[0].Cognome);
    EXPECT_EQ(QStringLiteral("Petrović"), lette[1].Cognome);
    EXPECT_EQ(QStringLiteral("5-Banda"), lette[2].Ruolo);
    EXPECT_EQ(QStringLiteral("N"), lette[1].Convocato);
}

TEST_F(SquadreTest, Windows1252WhenEveryNameFits) {
    const QString percorso = cartella.filePath(QStringLiteral("team.csv"));
    ASSERT_TRUE(ScriviRosa(percorso, {{"7", "Città", "Luca", "2", "C"}}, lingue));
    QFile file(percorso);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("7;Citt\xE0;Luca;2-Centrale;C\r\n"), file.readAll());
}

TEST_F(SquadreTest, ASemicolonInAFieldWritesNothing) {
    const QString percorso = Scrivi("1;Rossi;Mario;;C\r\n");
    EXPECT_FALSE(ScriviRosa(percorso, {{"2", "De;Luca", "Anna", "", "C"}}, lingue));
    EXPECT_EQ(QStringLiteral("Rossi"), LeggiRosa(percorso, 27, false).at(0).Cognome);
}

TEST(NomeSquadraTest, Validation) {
    struct Caso {
        const char* nome;
        EsitoNome esito;
    };
    const QStringList esistenti{"Home", "Guests", "Lupi Rossi"};
    for (const Caso c : {Caso{"", EsitoNome::Annullato}, Caso{"   ", EsitoNome::Annullato},
                         Caso{"Ab", EsitoNome::NonValido},
                         Caso{"123456789012345678901234567890123456", EsitoNome::NonValido},
                         Caso{"Aquile/Nere", EsitoNome::NonValido},
                         Caso{"Le \"Aquile\"", EsitoNome::NonValido},
                         Caso{"..", EsitoNome::NonValido}, Caso{"...", EsitoNome::NonValido},
                         Caso{".nascosta", EsitoNome::NonValido},
                         Caso{"lupi rossi", EsitoNome::Duplicato},
                         Caso{"  Aquile Nere  ", EsitoNome::Accettato},
                         Caso{"Città di Castello", EsitoNome::Accettato}}) {
        EXPECT_EQ(c.esito, ValidaNomeSquadra(QString::fromUtf8(c.nome), esistenti)) << c.nome;
    }
    EXPECT_TRUE(SquadraProtetta(QStringLiteral("home")));
    EXPECT_TRUE(SquadraProtetta(QStringLiteral("  Guests ")));
    EXPECT_FALSE(SquadraProtetta(QStringLiteral("Homes")));
}

TEST(CartelleSquadreTest, NothingBuiltFromANameLeavesTeams) {
    const QString dati = QStringLiteral("/dati");
    EXPECT_EQ(QStringLiteral("/dati/Teams/Lupi"), CartellaSquadra(dati, QStringLiteral("Lupi")));
    for (const char* nome : {"", "..", "../..", "a/../../b", "..\\..", "."}) {
        EXPECT_TRUE(CartellaSquadra(dati, QString::fromUtf8(nome)).isEmpty()) << nome;
    }
    EXPECT_TRUE(FotoAtleta(QStringLiteral("/dati/Teams/Lupi"), QStringLiteral("../x")).isEmpty());
    EXPECT_EQ(QStringLiteral("/dati/Teams/Lupi/7.jpg"),
              FotoAtleta(QStringLiteral("/dati/Teams/Lupi"), QStringLiteral(" 7 ")));
}

TEST(CartelleSquadreTest, CreateRenameDeleteAndProtectedFolders) {
    QTemporaryDir dati;
    ASSERT_TRUE(CreaSquadra(dati.path(), QStringLiteral("  Aquile ")));
    ASSERT_TRUE(CreaSquadra(dati.path(), QStringLiteral("Home")));
    EXPECT_EQ((QStringList{"Aquile", "Home"}), ElencaSquadre(dati.path()).value());
    const QString aquile = CartellaSquadra(dati.path(), QStringLiteral("Aquile"));
    Ambiente::CreaFile(aquile + QStringLiteral("/team.csv"));
    EXPECT_FALSE(RinominaSquadra(dati.path(), QStringLiteral("home"), QStringLiteral("Casa")));
    ASSERT_TRUE(RinominaSquadra(dati.path(), QStringLiteral("Aquile"), QStringLiteral("Falchi")));
    EXPECT_TRUE(QFile::exists(CartellaSquadra(dati.path(), QStringLiteral("Falchi")) +
                              QStringLiteral("/team.csv")));
    EXPECT_FALSE(EliminaSquadra(dati.path(), QStringLiteral("HOME")));
    EXPECT_TRUE(EliminaSquadra(dati.path(), QStringLiteral("Falchi")));
    EXPECT_EQ(QStringList{"Home"}, ElencaSquadre(dati.path()).value());
}

TEST(CartelleSquadreTest, AudioPrefersMp3) {
    QTemporaryDir squadra;
    EXPECT_TRUE(AudioAtleta(squadra.path(), QStringLiteral("7")).endsWith(QStringLiteral("7.wav")));
    Ambiente::CreaFile(squadra.filePath(QStringLiteral("7.wav")));
    Ambiente::CreaFile(squadra.filePath(QStringLiteral("7.mp3")));
    EXPECT_TRUE(AudioAtleta(squadra.path(), QStringLiteral("7")).endsWith(QStringLiteral("7.mp3")));
}

TEST(RicercheTest, LookupsByNumber) {
    Rosa rosa{{"7", "ROSSI", "MARIO", "2-Centrale", "C"},
              {"A1", "van der berg", "jan", "", "C"},
              {"9", "Neri", "Paolo", "", "C"}};
    TabellaLingue lingue;
    struct Caso {
        const char* numero;
        const char* cognome;
        const char* nome;
        const char* ruolo;
    };
    for (const Caso c : {Caso{"7", "Rossi", "Mario", "Centrale"},
                         Caso{" a1 ", "Van Der berg", "Jan", " a1 "},
                         Caso{"A1", "Van Der berg", "Jan", "1° Allenatore"},
                         Caso{"D2", "NUMERO D2", ".", "2° Dirigente"},
                         Caso{"9", "Neri", "Paolo", "-"}, Caso{"12", "NUMERO 12", ".", "-"},
                         Caso{"", "", "", ""}}) {
        const QString n = QString::fromUtf8(c.numero);
        EXPECT_EQ(QString::fromUtf8(c.cognome), CognomeAtleta(rosa, n, lingue)) << c.numero;
        EXPECT_EQ(QString::fromUtf8(c.nome), NomeAtleta(rosa, n)) << c.numero;
        if (n.trimmed() == n) {
            EXPECT_EQ(QString::fromUtf8(c.ruolo), RuoloAtleta(rosa, n, lingue)) << c.numero;
        }
    }
    Rosa lunga(60, Atleta{"1", "X", "Y", "", "C"});
    lunga[55] = Atleta{"55", "Oltre", "Cinquanta", "", "C"};
    EXPECT_EQ(QStringLiteral("NUMERO 55"), CognomeAtleta(lunga, QStringLiteral("55"), lingue));
}

TEST(SceltaSquadraTest, RosterListAndTranslatedRoles) {
    QTemporaryDir dati;
    const QString cartella = dati.filePath(QStringLiteral("Teams/Lupi"));
    Ambiente::CreaFile(cartella + QStringLiteral("/team.csv"),
                       "7;Rossi;Mario;2-Centrale;C\r\n123;Lungo;Numero;9;C\r\nA1;Verdi;Anna;;C\r\n"
                       "8;Fuori;Rosa;1;N\r\n");
    const SquadraScelta s = ScegliSquadra(dati.path(), QStringLiteral("Lupi"), TabellaLingue{});
    EXPECT_EQ((QStringList{"E - Errore dell'avversario", " 7 Rossi Mario Centrale",
                           "23 Lungo Numero ", "A1 Verdi Anna "}),
              s.Righe);
    ASSERT_EQ(4u, s.Atleti.size());
    EXPECT_EQ(QStringLiteral("1-Alzatore"), s.Atleti[3].Ruolo);
    EXPECT_TRUE(s.Logo.isEmpty());
    EXPECT_EQ(QStringLiteral("7"), CodiceDaRiga(s.Righe[1]));
    EXPECT_EQ(QStringLiteral("E"), CodiceDaRiga(s.Righe[0]));
    EXPECT_EQ(QStringLiteral("Rossi"), NomeDaRiga(s.Righe[1]));

    const SquadraScelta vuota = ScegliSquadra(dati.path(), QStringLiteral(".."), TabellaLingue{});
    EXPECT_TRUE(vuota.Atleti.empty());
    EXPECT_EQ(1, vuota.Righe.size());
}

} // namespace
