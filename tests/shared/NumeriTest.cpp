#include "shared/Numeri.h"

#include "doppi/Stampa.h"

#include <gtest/gtest.h>

struct CasoNumero {
    const char* testo;
    double valore;
};

class ValoreNumericoTest : public ::testing::TestWithParam<CasoNumero> {};

TEST_P(ValoreNumericoTest, LeadingNumberOrZero) {
    EXPECT_DOUBLE_EQ(GetParam().valore, ValoreNumerico(QString::fromUtf8(GetParam().testo)));
}

INSTANTIATE_TEST_SUITE_P(Testi, ValoreNumericoTest,
                         ::testing::Values(CasoNumero{"12", 12}, CasoNumero{"7abc", 7},
                                           CasoNumero{"abc", 0}, CasoNumero{"", 0},
                                           CasoNumero{"  5", 5}, CasoNumero{"0", 0},
                                           CasoNumero{"E", 0}, CasoNumero{"-3", -3},
                                           CasoNumero{"1.5x", 1.5}, CasoNumero{"٣", 0},
                                           CasoNumero{"99999999999999999999", 1e20}));

struct CasoIntero16 {
    const char* testo;
    std::optional<int> valore;
};

class Intero16Test : public ::testing::TestWithParam<CasoIntero16> {};

TEST_P(Intero16Test, WholeValueOrNothing) {
    EXPECT_EQ(GetParam().valore, Intero16(QString::fromUtf8(GetParam().testo)));
}

INSTANTIATE_TEST_SUITE_P(
    Impostazioni, Intero16Test,
    ::testing::Values(CasoIntero16{"200", 200}, CasoIntero16{" 12 ", 12},
                      CasoIntero16{"", std::nullopt}, CasoIntero16{"abc", std::nullopt},
                      CasoIntero16{"12abc", std::nullopt}, CasoIntero16{"40000", std::nullopt},
                      CasoIntero16{"-32768", -32768}, CasoIntero16{"2.5", 2},
                      CasoIntero16{"3.5", 4}, CasoIntero16{"nan", std::nullopt}));

TEST(Allinea2Test, OneDigitGetsALeadingBlank) {
    EXPECT_EQ(QStringLiteral(" 7"), Allinea2(7));
    EXPECT_EQ(QStringLiteral("25"), Allinea2(25));
    EXPECT_EQ(QStringLiteral("200"), Allinea2(200));
}
