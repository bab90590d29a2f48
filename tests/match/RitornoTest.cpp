#include "match/FilePartita.h"
#include "match/Partita.h"
#include "match/Ritorno.h"
#include "match/Storico.h"
#include "match/Timeout.h"
#include "shared/Lingua.h"

#include "doppi/Stampa.h"

#include <gtest/gtest.h>

namespace {

// A real history: set 1 won 25-23 with a removal line inside, set 2 with timeouts, set 3 under way.
const QStringList Storia{
    "(1) 0 -  0 - 15:00 - 0_0",  // 0
    "(1) 1 -  0 - 15:00 - H_N_0",  // 1
    "1#G Timeout Ospiti - 15:01",  // 2
    "(1)24 - 23 - 15:10 - H_N_0",  // 3
    "(1)25 - 23 - 15:10 - H_7_1",  // 4
    "(2) 0 -  0 - 15:10 - 0_0",  // 5
    "(2) 1 -  0 - 15:11 - H_N_0",  // 6
    "(2) 0 -  0 - 15:11 - H_N_0",  // 7 removal
    "1#H Timeout Locali - 15:12",  // 8
    "(2)20 - 25 - 15:30 - G_E_0",  // 9
    "(3) 0 -  0 - 15:30 - 0_0",  // 10
    "1#H Timeout Locali - 15:31",  // 11
    "(3) 3 -  1 - 15:32 - H_N_0",  // 12
    "2#H Timeout Locali - 15:33",  // 13
    "(3) 4 -  1 - 15:34 - H_N_0",  // 14
    "(3) 5 -  1 - 15:35 - H_N_0",  // 15
    "1#G Timeout Ospiti - 15:36",  // 16
    "(3) 6 -  1 - 15:37 - H_N_0",  // 17
    "(3) 7 -  1 - 15:38 - H_N_0",  // 18
    "(3) 8 -  1 - 15:39 - H_N_0",  // 19
};

struct CasoRitorno {
    int riga;
    bool accade;
    int set, casa, ospiti;
    std::array<int, 2> vinti;
    std::array<int, 2> timeout;
    const char* parziali[2];
    int righeRimaste;
};

class RitornoTest : public ::testing::TestWithParam<CasoRitorno> {
protected:
    RitornoTest() {
        RegolePredefinite(p);
        p.Storico = Storia;
    }
    Partita p;
    TabellaLingue lingue;
};

TEST_P(RitornoTest, RebuildsTheMatchFromTheHistory) {
    const CasoRitorno c = GetParam();
    const auto d = DestinazioneRitorno(p, c.riga);
    ASSERT_EQ(c.accade, d.has_value());
    if (!d) {
        return;
    }
    EseguiRitorno(p, *d, lingue);
    EXPECT_EQ(c.set, p.SetCorrente);
    EXPECT_EQ((std::array<int, 2>{c.casa, c.ospiti}), p.Punti);
    EXPECT_EQ((std::array<QString, 2>{QString::number(c.casa), QString::number(c.ospiti)}),
              p.Tabellone.Punti);
    EXPECT_EQ(c.vinti, p.SetVinti);
    EXPECT_EQ(c.timeout, p.TimeChiesti);
    EXPECT_EQ(QString::fromUtf8(c.parziali[0]), p.Parziali[0]);
    EXPECT_EQ(QString::fromUtf8(c.parziali[1]), p.Parziali[1]);
    EXPECT_EQ(c.righeRimaste, p.Storico.size());
    EXPECT_EQ(c.righeRimaste - 1, p.RigaSelezionata);
}

INSTANTIATE_TEST_SUITE_P(
    Storia, RitornoTest,
    ::testing::Values(
        CasoRitorno{2, false, 0, 0, 0, {}, {}, {"", ""}, 20},  // timeout line
        CasoRitorno{19, false, 0, 0, 0, {}, {}, {"", ""}, 20}, // last line
        CasoRitorno{-1, false, 0, 0, 0, {}, {}, {"", ""}, 20}, // nothing selected
        CasoRitorno{3, true, 1, 24, 23, {0, 0}, {0, 1}, {"", ""}, 4},
        CasoRitorno{4, true, 2, 0, 0, {1, 0}, {0, 0}, {"25/23", ""}, 6}, // set point: next set
        // The removal line inside set 2 does not count as the end of a set.
        CasoRitorno{9, true, 3, 0, 0, {1, 1}, {0, 0}, {"25/23", "20/25"}, 11},
        CasoRitorno{12, true, 3, 3, 1, {1, 1}, {1, 0}, {"25/23", "20/25"}, 13},
        CasoRitorno{14, true, 3, 4, 1, {1, 1}, {2, 0}, {"25/23", "20/25"}, 15},
        // Score lines between the timeouts and the target do not end the walk.
        CasoRitorno{18, true, 3, 7, 1, {1, 1}, {2, 1}, {"25/23", "20/25"}, 19}));

// The banner follows the score wherever it comes from: a point, Undo, a rollback, a load.
TEST(BannerTest, UndoRollbackAndLoadDecideTheBannerAgain) {
    struct Caso {
        const char* nome;
        QStringList storico;
        std::array<int, 2> punti; // as the click before left them
        int destinazione;
        int statoAtteso; // 0 none, 1 set point, 2 match point
    };
    const Caso casi[] = {
        {"Undo of the point that made set point", {"(1) 0 -  0 - 15:00 - 0_0", "(1)23 -  1 - 15:05 - H_N_0", "(1)24 -  1 - 15:06 - H_N_0"},
         {24, 1}, 1, 0},
        {"rollback into a set at 24-23", {"(1) 0 -  0 - 15:00 - 0_0", "(1)24 - 23 - 15:10 - H_N_0", "(1)25 - 23 - 15:10 - H_7_1", "(2) 0 -  0 - 15:10 - 0_0"},
         {0, 0}, 1, 1},
        {"Undo across the end of the set that would win the match",
         {"(1) 0 -  0 - 15:00 - 0_0", "(1)25 - 20 - 15:10 - H_N_0", "(2) 0 -  0 - 15:10 - 0_0", "(2)25 - 20 - 15:20 - H_N_0",
          "(3) 0 -  0 - 15:20 - 0_0", "(3)24 - 20 - 15:30 - H_N_0", "(3)25 - 20 - 15:31 - H_N_0", "(4) 0 -  0 - 15:31 - 0_0"},
         {0, 0}, 5, 2},
        {"Undo of a point that was not near the end", {"(1) 0 -  0 - 15:00 - 0_0", "(1) 3 -  1 - 15:05 - H_N_0", "(1) 3 -  2 - 15:06 - G_N_0"},
         {3, 2}, 1, 0},
    };
    for (const Caso& c : casi) {
        Partita p;
        RegolePredefinite(p);
        p.Storico = c.storico;
        p.Punti = c.punti;
        p.Tabellone.Banner = true; // what the last click may have left
        p.StatoSetPoint = 1;
        EseguiRitorno(p, c.destinazione, TabellaLingue{});
        EXPECT_EQ(c.statoAtteso, p.StatoSetPoint) << c.nome;
        EXPECT_EQ(c.statoAtteso != 0, p.Tabellone.Banner) << c.nome;
        EXPECT_EQ(c.statoAtteso == 2 ? QStringLiteral("MATCH POINT") : c.statoAtteso == 1 ? QStringLiteral("SET POINT") : p.Tabellone.TestoBanner,
                  p.Tabellone.TestoBanner) << c.nome;
    }

    // A match file saved at match point opens with its banner.
    const auto file = LeggiFilePartita({"#Salvataggio  del : 07/12/2026 - 21:40:00", "#HOME  :Lupi", "#GUESTS:Orsi",
                                        "#HSCORE:2", "#GSCORE:0", "#HPART.:24", "#GPART.:20", "#CURSET:3",
                                        "#SET 1 :25/20", "#SET 2 :25/20", "#TIMER1:0", "#TIMER2:0", "#GAMEOV:1",
                                        "#SETTOT:5", "#PUNTIS:25", "#PUNTIT:15", "#PUNTIC:8",
                                        "#--------- Sotto tutti gli eventi della partita -------------",
                                        "(3) 0 -  0 - 15:20 - 0_0", "(3)24 - 20 - 15:30 - H_N_0"});
    ASSERT_TRUE(file);
    Partita caricata;
    RegolePredefinite(caricata);
    ApplicaFilePartita(caricata, *file, TabellaLingue{});
    EXPECT_EQ(2, caricata.StatoSetPoint);
    EXPECT_TRUE(caricata.Tabellone.Banner);
}

// The serving side follows the history back: Undo gives the serve back to who had it, a set's
// start has none, a removal leaves it where it was.
TEST(BattutaTest, UndoRollbackAndLoadGiveTheServeBack) {
    struct Caso {
        const char* nome;
        QStringList storico;
        int destinazione;
        std::array<bool, 2> attesa;
    };
    const QStringList storia{"(1) 0 -  0 - 15:00 - 0_0", "(1) 1 -  0 - 15:01 - H_7_0", "1#G Timeout Ospiti - 15:01",
                             "(1) 1 -  1 - 15:02 - G_4_0", "(1) 1 -  0 - 15:02 - G_N_0", "(1) 2 -  0 - 15:03 - H_N_0"};
    const Caso casi[] = {
        {"Undo of the guests' point", storia, 2, {true, false}},
        {"back to the start of the set", storia, 0, {false, false}},
        {"a removal leaves the serve with the guests", storia, 4, {false, true}},
        {"the last point", storia, 5, {true, false}},
        {"a set that has just begun",
         {"(1) 0 -  0 - 15:00 - 0_0", "(1)25 - 23 - 15:10 - H_N_0", "(2) 0 -  0 - 15:10 - 0_0"}, 2, {false, false}},
    };
    for (const Caso& c : casi) {
        Partita p;
        RegolePredefinite(p);
        p.Storico = c.storico;
        p.Tabellone.Marcatore = {false, true};
        EseguiRitorno(p, c.destinazione, TabellaLingue{});
        EXPECT_EQ(c.attesa, p.Tabellone.Marcatore) << c.nome;
    }
}

TEST(RitornoRegoleTest, FifteenPointSetsEndAtTheirOwnTarget) {
    Partita p;
    p.SetTotali = 3;
    p.PuntiSet = 15;
    p.PuntiTieBreak = 15;
    p.Storico = {"(1)14 - 13 - 15:00 - H_N_0", "(1)15 - 13 - 15:00 - H_N_0",
                 "(2) 0 -  0 - 15:00 - 0_0", "(2) 1 -  0 - 15:00 - H_N_0"};
    const auto d = DestinazioneRitorno(p, 1);
    ASSERT_TRUE(d);
    EXPECT_EQ(2, *d) << "the start of set 2";
}

TEST(DomandaRitornoTest, NamesScoreAndSet) {
    TabellaLingue lingue;
    Partita p;
    p.Storico = Storia;
    EXPECT_EQ(QStringLiteral("Desideri riportare la partita a questo precedente punteggio ?\n\n"
                             "Locali 24 - 23 Ospiti\n1°SET"),
              DomandaRitorno(p, 3, lingue));
}

struct CasoUndo {
    QStringList storia;
    std::optional<int> riga;
};

class UndoTest : public ::testing::TestWithParam<CasoUndo> {};

TEST_P(UndoTest, ChoosesTheLineToGoBackTo) {
    Partita p;
    RegolePredefinite(p);
    p.Storico = GetParam().storia;
    EXPECT_EQ(GetParam().riga, RigaUndo(p));
}

INSTANTIATE_TEST_SUITE_P(
    Storie, UndoTest,
    ::testing::Values(
        CasoUndo{{"(1) 0 -  0 - 15:00 - 0_0"}, std::nullopt},
        CasoUndo{{"(1) 0 -  0 - 15:00 - 0_0", "(1) 1 -  0 - 15:00 - H_N_0"}, 0},
        // After set 1, as after any set: the score before the set-winning point.
        CasoUndo{{"(1)24 - 23 - 15:00 - H_N_0", "(1)25 - 23 - 15:00 - H_N_0",
                  "(2) 0 -  0 - 15:00 - 0_0"},
                 0},
        // After set 2: the score before the set-winning point.
        CasoUndo{{"(2)24 - 20 - 15:00 - H_N_0", "(2)25 - 20 - 15:00 - H_N_0",
                  "(3) 0 -  0 - 15:00 - 0_0"},
                 0},
        CasoUndo{{"(2) 3 -  2 - 15:00 - H_N_0", "1#H Timeout Locali - 15:01",
                  "(2) 4 -  2 - 15:02 - H_N_0"},
                 1}));

struct CasoUndoFineSet {
    QStringList storia;
    int set;
    std::array<int, 2> punti;
    std::array<int, 2> vinti;
};

class UndoFineSetTest : public ::testing::TestWithParam<CasoUndoFineSet> {};

TEST_P(UndoFineSetTest, UndoRightAfterASetTakesItsWinningPointBack) {
    Partita p;
    RegolePredefinite(p);
    p.Storico = GetParam().storia;
    p.DaUndo = -1;
    const auto d = DestinazioneRitorno(p, *RigaUndo(p));
    ASSERT_TRUE(d);
    EseguiRitorno(p, *d, TabellaLingue{});
    EXPECT_EQ(GetParam().set, p.SetCorrente);
    EXPECT_EQ(GetParam().punti, p.Punti);
    EXPECT_EQ(GetParam().vinti, p.SetVinti);
    EXPECT_EQ(GetParam().storia.size() - 2, p.Storico.size());
}

INSTANTIATE_TEST_SUITE_P(
    Set, UndoFineSetTest,
    ::testing::Values(
        CasoUndoFineSet{{"(1) 0 -  0 - 15:00 - 0_0", "(1)24 - 20 - 15:00 - H_N_0",
                         "(1)25 - 20 - 15:00 - H_N_0", "(2) 0 -  0 - 15:00 - 0_0"},
                        1, {24, 20}, {0, 0}},
        CasoUndoFineSet{{"(1)25 - 20 - 15:00 - H_N_0", "(2)24 - 20 - 15:00 - H_N_0",
                         "(2)25 - 20 - 15:00 - H_N_0", "(3) 0 -  0 - 15:00 - 0_0"},
                        2, {24, 20}, {1, 0}}));

TEST(RitornoFinePartitaTest, TheDecidingSetsWinningLineGoesNowhereBeyondTheRules) {
    Partita p;
    RegolePredefinite(p);
    p.Storico = {"(5)14 - 13 - 15:00 - H_N_0", "(5)15 - 13 - 15:00 - H_N_0",
                 "(6) 0 -  0 - 15:00 - 0_0"};
    EXPECT_FALSE(DestinazioneRitorno(p, 1)) << "no sixth set in a best of five";
    p.SetTotali = 3;
    p.Storico = {"(3)14 - 13 - 15:00 - H_N_0", "(3)15 - 13 - 15:00 - H_N_0",
                 "(4) 0 -  0 - 15:00 - 0_0"};
    EXPECT_FALSE(DestinazioneRitorno(p, 1)) << "no fourth set in a best of three";
    EXPECT_EQ(0, DestinazioneRitorno(p, 0)) << "the point before stays reachable";
}

TEST(TimeoutTest, TwoPerSideThenRefused) {
    Partita p;
    TabellaLingue lingue;
    EXPECT_TRUE(ConcediTimeout(p, 0, QStringLiteral("15:50:10"), lingue));
    EXPECT_TRUE(ConcediTimeout(p, 0, QStringLiteral("15:51:10"), lingue));
    EXPECT_FALSE(ConcediTimeout(p, 0, QStringLiteral("15:52:10"), lingue));
    EXPECT_TRUE(ConcediTimeout(p, 1, QStringLiteral("15:53:10"), lingue));
    EXPECT_EQ((std::array<int, 2>{2, 1}), p.TimeChiesti);
    EXPECT_EQ((QStringList{"1#H Timeout Locali - 15:50", "2#H Timeout Locali - 15:51",
                           "1#G Timeout Ospiti - 15:53"}),
              p.Storico);
    EXPECT_EQ(-1, p.RigaSelezionata) << "a timeout does not move the selection";
    EXPECT_EQ(QStringLiteral("Tempo Locali\n2° Richiesta"), TestoTimeout(0, 2, lingue));
}

TEST(TimeoutTest, CountdownClosesAtTheThirtyFirstTickOrAfterAScoreChange) {
    Partita p;
    int aperta = 0;
    while (TickTimeout(p)) {
        ++aperta;
    }
    EXPECT_EQ(30, aperta);
    EXPECT_EQ(0, p.TickConteggio);
    EXPECT_TRUE(TickTimeout(p));
    p.ModoConteggio = -1;
    EXPECT_FALSE(TickTimeout(p));
}

} // namespace
