#include "match/FilePartita.h"
#include "match/Partita.h"
#include "shared/Lingua.h"
#include "shared/TestoFile.h"

#include "doppi/Stampa.h"

#include <gtest/gtest.h>

namespace {

const QDateTime Momento{QDate(2024, 12, 8), QTime(15, 42, 7)};

Partita PartitaEsempio() {
    Partita p;
    RegolePredefinite(p);
    p.NomeSquadra = {QStringLiteral("Locali"), QStringLiteral("Ospiti")};
    p.SetVinti = {1, 0};
    p.Punti = {3, 1};
    p.SetCorrente = 2;
    p.Parziali[0] = QStringLiteral(" 8/25");
    p.TimeChiesti = {1, 0};
    p.Storico = {"(1) 0 -  0 - 15:10 - 0_0", "(1) 8 - 25 - 15:38 - G_N_0",
                 "(2) 0 -  0 - 15:38 - 0_0", "(2) 1 -  0 - 15:39 - H_E_0",
                 "1#H Timeout Locali - 15:40", "(2) 1 -  1 - 15:41 - G_N_0",
                 "(2) 2 -  1 - 15:41 - H_4_1", "(2) 3 -  1 - 15:42 - H_N_0"};
    return p;
}

Partita Rileggi(const QStringList& righe) {
    Partita p;
    RegolePredefinite(p);
    const auto file = LeggiFilePartita(righe);
    EXPECT_TRUE(file.has_value());
    if (file) {
        ApplicaFilePartita(p, *file, TabellaLingue{});
    }
    return p;
}

TEST(FilePartitaTest, WritesTheTaggedLinesThenTheWholeHistory) {
    Partita p = PartitaEsempio();
    p.RigaSelezionata = 3;
    const QStringList righe = RigheFilePartita(p, Momento, TabellaLingue{});
    const QStringList attese{"#Salvataggio  del : 08/12/2024 - 15:42:07",
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
    EXPECT_EQ(attese, righe) << "an earlier selected line never cuts the history";
    EXPECT_EQ(21, RigheFilePartita(Partita{}, Momento, TabellaLingue{}).size());
}

TEST(FilePartitaTest, ReadsBackTheMatchAndLocksASetWithPoints) {
    const Partita scritta = PartitaEsempio();
    const Partita p = Rileggi(RigheFilePartita(scritta, Momento, TabellaLingue{}));
    EXPECT_EQ(scritta.Storico, p.Storico);
    EXPECT_EQ(scritta.Punti, p.Punti);
    EXPECT_EQ((std::array<QString, 2>{"3", "1"}), p.Tabellone.Punti);
    EXPECT_EQ(scritta.SetVinti, p.SetVinti);
    EXPECT_EQ(scritta.TimeChiesti, p.TimeChiesti);
    EXPECT_EQ(2, p.SetCorrente);
    EXPECT_EQ(QStringLiteral("8/25"), p.Parziali[0]) << "the value comes back trimmed";
    EXPECT_TRUE(p.Bloccata);
    EXPECT_TRUE(p.UndoAttivo);
    EXPECT_EQ(7, p.RigaSelezionata);
    EXPECT_EQ((std::array<bool, 2>{true, false}), p.Tabellone.Marcatore);
    EXPECT_EQ(-1, p.ModoConteggio) << "an open countdown closes";
}

struct CasoBlocco {
    QStringList righe;
    bool bloccata;
};

class BloccoDopoCaricamentoTest : public ::testing::TestWithParam<CasoBlocco> {};

TEST_P(BloccoDopoCaricamentoTest, AMatchUnderWayLoadsLocked) {
    const Partita p = Rileggi(GetParam().righe);
    EXPECT_EQ(GetParam().bloccata, p.Bloccata);
    EXPECT_EQ(!GetParam().bloccata, p.PresentazioneAttiva);
}

INSTANTIATE_TEST_SUITE_P(
    File, BloccoDopoCaricamentoTest,
    ::testing::Values(
        // The copy of a set-winning point: the new set at 0-0.
        CasoBlocco{{"#HSCORE:1", "#CURSET:2", "(1)25 - 20 - 15:00 - H_N_0",
                    "(2) 0 -  0 - 15:00 - 0_0"},
                   true},
        CasoBlocco{{"#CURSET:2"}, true},
        CasoBlocco{{"#GSCORE:1", "#CURSET:1"}, true},
        // A removal back to 0-0 is still a point played.
        CasoBlocco{{"#CURSET:1", "(1) 0 -  0 - 15:00 - 0_0", "(1) 1 -  0 - 15:00 - H_N_0",
                    "(1) 0 -  0 - 15:00 - H_N_0"},
                   true},
        CasoBlocco{{"#CURSET:1", "(1) 0 -  0 - 15:00 - 0_0"}, false},
        CasoBlocco{{"#CURSET:1", "(1) 0 -  0 - 15:00 - 0_0", "1#H Timeout Locali - 15:01"},
                   false}));

TEST(FilePartitaTest, RulesOfTheFileComeBack) {
    Partita scritta = PartitaEsempio();
    scritta.SetTotali = 3;
    scritta.PuntiSet = 21;
    scritta.PuntiTieBreak = 15;
    const Partita p = Rileggi(RigheFilePartita(scritta, Momento, TabellaLingue{}));
    EXPECT_EQ(3, p.SetTotali);
    EXPECT_EQ(21, p.PuntiSet);
    EXPECT_EQ(15, p.PuntiTieBreak);
}

TEST(FilePartitaTest, AFinishedMatchReadsBackFinishedInItsLastSet) {
    Partita scritta = PartitaEsempio();
    scritta.SetVinti = {3, 0};
    scritta.SetCorrente = 4;
    BloccaBot(scritta, TabellaLingue{});
    const QStringList righe = RigheFilePartita(scritta, Momento, TabellaLingue{});
    EXPECT_TRUE(righe.contains(QStringLiteral("#GAMEOV:0")));
    const Partita p = Rileggi(righe);
    EXPECT_EQ(3, p.SetCorrente);
    EXPECT_EQ(1, p.PartitaFinita);
    EXPECT_FALSE(p.PunteggioAttivo);
    EXPECT_TRUE(p.UndoAttivo);
    EXPECT_EQ((std::array<QString, 2>{"3", "0"}), p.Tabellone.Punti);
}

TEST(FilePartitaTest, TagsActInFileOrderAndMatchTheirFirstSevenCharacters) {
    const Partita p = Rileggi({"#curset:4", "#GAMEOV:0", "(3)25 - 20 - 15:00 - H_N_0",
                               "#HOME  :  Lupi  ", "#SET 3 :25/20", "#UNKNOWN:1", "   "});
    EXPECT_EQ(3, p.SetCorrente);
    EXPECT_EQ(QStringList{"(3)25 - 20 - 15:00 - H_N_0"}, p.Storico);
    EXPECT_EQ(QStringLiteral("25/20"), p.Parziali[2]);
}

TEST(FilePartitaTest, TeamNamesComeBackForTheTeamChoice) {
    Partita p;
    const auto file = LeggiFilePartita({"#HOME  :  Lupi  ", "#GUESTS:Orsi", "#CURSET:1"});
    ASSERT_TRUE(file);
    EXPECT_EQ((std::array<QString, 2>{"Lupi", "Orsi"}), ApplicaFilePartita(p, *file, {}));
}

struct CasoDanneggiato {
    const char* nome;
    QByteArray dati;
    bool partita;
};

class FileDanneggiatoTest : public ::testing::TestWithParam<CasoDanneggiato> {};

TEST_P(FileDanneggiatoTest, NeverCrashesAndOnlyAMatchFileIsAccepted) {
    const auto file = LeggiFilePartita(DecodificaRighe(GetParam().dati));
    EXPECT_EQ(GetParam().partita, file.has_value());
    if (file) {
        Partita p;
        RegolePredefinite(p);
        ApplicaFilePartita(p, *file, TabellaLingue{});
        EXPECT_GE(p.Punti[0], 0);
        EXPECT_LE(p.Punti[0], 200);
        EXPECT_GE(p.SetCorrente, 0);
        EXPECT_LE(p.SetCorrente, 9);
        EXPECT_GE(p.TimeChiesti[1], 0);
        EXPECT_LE(p.TimeChiesti[1], 2);
        for (const QString& riga : p.Storico) {
            EXPECT_LE(riga.size(), 256);
        }
        const QStringList salvato =
            RigheFilePartita(p, QDateTime(QDate(2026, 12, 10), QTime(20, 0)), TabellaLingue{});
        EXPECT_TRUE(LeggiFilePartita(salvato).has_value()) << "saved again, it loads again";
    }
}

QByteArray Ripeti(const QByteArray& riga, int volte) {
    QByteArray dati = "#CURSET:1\r\n";
    dati.reserve(riga.size() * volte + 16);
    for (int i = 0; i < volte; ++i) {
        dati += riga;
    }
    return dati;
}

INSTANTIATE_TEST_SUITE_P(
    Casi, FileDanneggiatoTest,
    ::testing::Values(
        CasoDanneggiato{"vuoto", "", false},
        CasoDanneggiato{"binario", QByteArray("\x00\xFF\x10\x89PNG\r\n\x1A\n\x00", 12), false},
        CasoDanneggiato{"testo qualsiasi", "Caro diario,\r\noggi abbiamo vinto.\r\n", false},
        CasoDanneggiato{"troncato", "#HOME  :Lupi\r\n#CURSET:2\r\n(2) 3 -  1 - 15:4", true},
        CasoDanneggiato{"tag senza valore", "#HPART.\r\n#CURSET\r\n#TIMER1:\r\n", false},
        CasoDanneggiato{"tag senza valore poi set", "#HPART.\r\n#TIMER2\r\n#CURSET:1\r\n", true},
        CasoDanneggiato{"set zero poi storia", "#CURSET:0\r\n(1) 1 -  0 - 15:00 - H_N_0\r\n",
                        false},
        CasoDanneggiato{"set zero dopo la storia",
                        "#CURSET:1\r\n(1) 1 -  0 - 15:00 - H_N_0\r\n#CURSET:0\r\n", false},
        CasoDanneggiato{"fine partita nel set zero",
                        "#CURSET:1\r\n(1) 1 -  0 - 15:00 - H_N_0\r\n#GAMEOV:0\r\n", false},
        CasoDanneggiato{"due fini partita",
                        "#CURSET:1\r\n#GAMEOV:0\r\n#GAMEOV:0\r\n(1) 1 -  0 - 15:00\r\n",
                        false},
        CasoDanneggiato{"storia prima del set", "(1) 1 -  0 - 15:00 - H_N_0\r\n#CURSET:1\r\n",
                        false},
        CasoDanneggiato{"centomila righe", Ripeti("(1) 1 -  0 - 15:00 - H_N_0\r\n", 100000),
                        true},
        CasoDanneggiato{"riga di un mega", Ripeti(QByteArray(1 << 20, 'x') + "\r\n", 1), true},
        CasoDanneggiato{"valori non numerici",
                        "#CURSET:due\r\n#HPART.:molti\r\n#TIMER2:-7\r\n#CURSET:3x\r\n", true},
        CasoDanneggiato{"numeri enormi",
                        "#CURSET:99999999999\r\n#HPART.:99999\r\n#HSCORE:-4\r\n#TIMER2:9\r\n",
                        true},
        CasoDanneggiato{"set oltre il quinto", "#CURSET:8\r\n#SET 8 :25/20\r\n(8) 1 -  0\r\n",
                        true},
        CasoDanneggiato{"fine riga CR", "#CURSET:2\r#HPART.:3\r(2) 3 -  0 - 15:00 - H_N_0\r",
                        true},
        CasoDanneggiato{"nomi UTF-8", "#HOME  :Klobu\xC4\x8D" "ar\r\n#CURSET:1\r\n", true},
        CasoDanneggiato{"nomi 1252", "#HOME  :Citt\xE0\r\n#CURSET:1\r\n", true}),
    [](const ::testing::TestParamInfo<CasoDanneggiato>& info) {
        return std::to_string(info.index);
    });

} // namespace
