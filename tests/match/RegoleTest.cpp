#include "match/Regole.h"

#include <QSet>
#include "doppi/Stampa.h"

#include <gtest/gtest.h>

TEST(RegoleTest, DecidingSetIsPlayedToTheTieBreakTarget) {
    struct Caso {
        int setTotali, setCorrente, atteso;
    };
    for (const Caso c : {Caso{5, 1, 25}, Caso{5, 4, 25}, Caso{5, 5, 15}, Caso{3, 2, 25},
                         Caso{3, 3, 15}, Caso{1, 1, 25}}) {
        EXPECT_EQ(c.atteso, PuntiPerVincere(c.setTotali, c.setCorrente, 25, 15))
            << c.setTotali << " sets, set " << c.setCorrente;
    }
}

TEST(RegoleTest, CourtChangePointIsHalfTheTieBreakRoundedToEven) {
    const std::pair<int, int> casi[] = {{15, 8}, {13, 6}, {11, 6}, {25, 12}, {10, 5}};
    for (const auto& [tieBreak, atteso] : casi) {
        EXPECT_EQ(atteso, CalcolaPuntiCambioCampo(tieBreak)) << tieBreak;
    }
}

TEST(RegoleTest, SetNeedsTheTargetAndTwoPointsOfMargin) {
    struct Caso {
        int casa, ospiti, obiettivo;
        bool concluso;
    };
    for (const Caso c : {Caso{25, 23, 25, true}, Caso{25, 24, 25, false}, Caso{26, 24, 25, true},
                         Caso{24, 22, 25, false}, Caso{23, 25, 25, true}, Caso{31, 29, 25, true},
                         Caso{15, 13, 15, true}, Caso{15, 14, 15, false}, Caso{16, 14, 15, true},
                         Caso{200, 199, 25, false}}) {
        EXPECT_EQ(c.concluso, SetConcluso(c.casa, c.ospiti, c.obiettivo))
            << c.casa << "-" << c.ospiti << " to " << c.obiettivo;
    }
}

TEST(RegoleTest, BannerIsDueOnePointFromTheTarget) {
    EXPECT_FALSE(VicinoAlSet(23, 22, 25));
    EXPECT_TRUE(VicinoAlSet(24, 22, 25));
    EXPECT_TRUE(VicinoAlSet(10, 14, 15));
}

namespace {
QSet<QString> CodiciMatchPoint(int setTotali, int lato) {
    QSet<QString> codici;
    for (int casa = 0; casa <= 3; ++casa) {
        for (int ospiti = 0; ospiti <= 3; ++ospiti) {
            if (MatchPoint(setTotali, lato, CodiceSet(casa, ospiti))) {
                codici.insert(CodiceSet(casa, ospiti));
            }
        }
    }
    return codici;
}

QSet<QString> CodiciFine(int setTotali) {
    QSet<QString> codici;
    for (int casa = 0; casa <= 3; ++casa) {
        for (int ospiti = 0; ospiti <= 3; ++ospiti) {
            if (PartitaConclusa(setTotali, CodiceSet(casa, ospiti))) {
                codici.insert(CodiceSet(casa, ospiti));
            }
        }
    }
    return codici;
}
} // namespace

TEST(RegoleTest, MatchPointCodesOfEachSide) {
    EXPECT_EQ((QSet<QString>{"20", "21", "22"}), CodiciMatchPoint(5, 0));
    EXPECT_EQ((QSet<QString>{"02", "12", "22"}), CodiciMatchPoint(5, 1));
    EXPECT_EQ((QSet<QString>{"10", "11"}), CodiciMatchPoint(3, 0));
    EXPECT_EQ((QSet<QString>{"01", "11"}), CodiciMatchPoint(3, 1));
    EXPECT_EQ(16, CodiciMatchPoint(1, 0).size());
    EXPECT_TRUE(CodiciMatchPoint(4, 0).isEmpty());
}

TEST(RegoleTest, MatchOverCodes) {
    EXPECT_EQ((QSet<QString>{"30", "31", "32", "03", "13", "23"}), CodiciFine(5));
    EXPECT_EQ((QSet<QString>{"20", "21", "02", "12"}), CodiciFine(3));
    EXPECT_EQ(16, CodiciFine(1).size());
}

TEST(RegoleTest, CourtChangeWhenTheScorerReachesEightInTheDecidingSet) {
    struct Caso {
        int setTotali, setCorrente, attivo, lato, altro;
        bool cambio;
    };
    for (const Caso c : {Caso{5, 5, 1, 8, 5, true}, Caso{5, 5, 1, 8, 0, true},
                         Caso{3, 3, 1, 8, 7, true}, Caso{5, 5, 1, 9, 5, false},
                         Caso{5, 5, 1, 8, 9, false}, Caso{5, 4, 1, 8, 5, false},
                         Caso{5, 5, 0, 8, 5, false}, Caso{1, 1, 1, 8, 5, false},
                         Caso{5, 5, 1, 8, 8, false}}) {
        EXPECT_EQ(c.cambio, CambioCampo(c.setTotali, c.setCorrente, c.attivo, c.lato, c.altro))
            << c.setTotali << "/" << c.setCorrente << " " << c.lato << "-" << c.altro;
    }
}
