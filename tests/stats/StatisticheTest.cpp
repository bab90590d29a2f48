#include "stats/Statistiche.h"

#include "doppi/Stampa.h"

#include <gtest/gtest.h>

namespace {

QStringList Storia(std::initializer_list<const char*> righe) {
    QStringList s;
    for (const char* r : righe) {
        s << QString::fromUtf8(r);
    }
    return s;
}

TEST(StatisticheTest, CountsPerCodeAndGuestsNeverListEorN) {
    const auto punti = PuntiAccreditati(Storia({"(1) 0 -  0 - 15:00 - 0_0",
                                                "(1) 1 -  0 - 15:00 - H_7_2",
                                                "(1) 2 -  0 - 15:00 - H_7_0",
                                                "(1) 3 -  0 - 15:00 - H_E_0",
                                                "(1) 3 -  1 - 15:00 - G_12_3",
                                                "(1) 3 -  2 - 15:00 - G_N_0",
                                                "(1) 3 -  3 - 15:00 - G_E_0",
                                                "(1) 4 -  3 - 15:00 - H_N_0"}));
    EXPECT_EQ((QStringList{"Home  :   7 2", "Guests:  12 1", "Home  :   N 1", "Home  :   E 1"}),
              RigheStatistiche(punti, 0));
}

TEST(StatisticheTest, EqualCountsComeOutSwappedAndSetsFilter) {
    const auto punti = PuntiAccreditati(Storia({"(1) 1 -  0 - 15:00 - H_4_0",
                                                "(1) 2 -  0 - 15:00 - H_9_0",
                                                "1#H Timeout Locali - 15:01",
                                                "(2) 0 -  0 - 15:00 - 0_0",
                                                "(2) 1 -  0 - 15:00 - H_4_0",
                                                "(2) 1 -  1 - 15:00 - G_5_1"}));
    EXPECT_EQ((QStringList{"Home  :   9 1", "Home  :   4 1"}), RigheStatistiche(punti, 1));
    EXPECT_EQ((QStringList{"Guests:   5 1", "Home  :   4 1"}), RigheStatistiche(punti, 2));
    EXPECT_EQ((QStringList{"Home  :   4 2", "Guests:   5 1", "Home  :   9 1"}),
              RigheStatistiche(punti, 0));
}

TEST(StatisticheTest, ARemovalTakesBackTheLastPointOfItsSideInItsSet) {
    const auto punti = PuntiAccreditati(Storia({"(1) 1 -  0 - 15:00 - H_7_2",
                                                "(1) 2 -  0 - 15:00 - H_9_3",
                                                "(1) 2 -  1 - 15:00 - G_5_0",
                                                "(1) 1 -  1 - 15:00 - H_9_3",
                                                "(1) 2 -  1 - 15:00 - H_7_1",
                                                "(2) 0 -  0 - 15:00 - 0_0",
                                                "(2) 0 -  0 - 15:00 - G_5_0"}));
    ASSERT_EQ(3u, punti.size());
    EXPECT_EQ(QStringLiteral("7"), punti[0].Codice);
    EXPECT_EQ(QStringLiteral("5"), punti[1].Codice);
    EXPECT_EQ(1, punti[2].Tipo);
    EXPECT_EQ((QStringList{"Home  :   7 2", "Guests:   5 1"}), RigheStatistiche(punti, 0))
        << "9 lost its point to the removal; the removal at 0 in set 2 is nothing";
}

TEST(StatisticheTest, BestScorersFourASideWithoutEorN) {
    const QStringList righe{"Home  :   E 9", "Home  :   7 5", "Guests:  12 4", "Home  :   N 4",
                            "Home  :   3 3", "Home  :   1 2", "Home  :   2 2", "Home  :   8 1"};
    const Migliori m = MiglioriMarcatori(righe);
    EXPECT_EQ((QStringList{"7", "3", "1", "2"}), m.Codici[0]);
    EXPECT_EQ((QStringList{"5", "3", "2", "2"}), m.Conteggi[0]);
    EXPECT_EQ(QStringList{"12"}, m.Codici[1]);
}

TEST(RiepilogoTest, CountsPerTypeByNumericValueAndStopsAtStaff) {
    const Rosa rosa{{"07", "Rossi", "Mario", "", "C"},
                    {"10", "Bianchi", "Luca", "", "N"},
                    {"A1", "Verdi", "Anna", "", "C"},
                    {"12", "Dopo", "Staff", "", "C"}};
    const auto punti = PuntiAccreditati(Storia({"(1) 1 -  0 - 15:00 - H_7_2",
                                                "(1) 2 -  0 - 15:00 - H_7_2",
                                                "(1) 3 -  0 - 15:00 - H_7_0",
                                                "(1) 3 -  1 - 15:00 - G_7_1"}));
    const auto righe = Riepilogo(rosa, 0, punti);
    ASSERT_EQ(2u, righe.size());
    EXPECT_EQ(3, righe[0].Totale);
    EXPECT_EQ(1, righe[0].PerTipo[0]);
    EXPECT_EQ(2, righe[0].PerTipo[2]);
    EXPECT_EQ(0, righe[1].Totale);
    EXPECT_EQ(1, Riepilogo(rosa, 1, punti)[0].Totale) << "the guests' 7 is the guests' own";
    EXPECT_EQ((QStringList{"N.;Cognome;Punti;N.Specific.;Aces;Muri;Schiacciate;Pallonetti",
                           "07;Rossi;3;1;0;2;0;0", "10;Bianchi;0;0;0;0;0;0"}),
              RigheEsportazione(righe));
    EXPECT_EQ(QStringList{"N.;Cognome;Punti;N.Specific.;Aces;Muri;Schiacciate;Pallonetti"},
              RigheEsportazione(Riepilogo(Rosa{{"A1", "Staff", "", "", "C"}}, 0, punti)));
}

} // namespace
