#include "shared/Numbers.h"

#include "doubles/Printing.h"

#include <gtest/gtest.h>

struct NumberCase {
    const char* text;
    double value;
};

class NumericValueTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumericValueTest, LeadingNumberOrZero) {
    EXPECT_DOUBLE_EQ(GetParam().value, NumericValue(QString::fromUtf8(GetParam().text)));
}

INSTANTIATE_TEST_SUITE_P(Texts, NumericValueTest,
                         ::testing::Values(NumberCase{"12", 12}, NumberCase{"7abc", 7},
                                           NumberCase{"abc", 0}, NumberCase{"", 0},
                                           NumberCase{"  5", 5}, NumberCase{"0", 0},
                                           NumberCase{"E", 0}, NumberCase{"-3", -3},
                                           NumberCase{"1.5x", 1.5}, NumberCase{"٣", 0},
                                           NumberCase{"99999999999999999999", 1e20}));

struct Int16Case {
    const char* text;
    std::optional<int> value;
};

class Int16Test : public ::testing::TestWithParam<Int16Case> {};

TEST_P(Int16Test, WholeValueOrNothing) {
    EXPECT_EQ(GetParam().value, Int16(QString::fromUtf8(GetParam().text)));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, Int16Test,
    ::testing::Values(Int16Case{"200", 200}, Int16Case{" 12 ", 12}, Int16Case{"", std::nullopt},
                      Int16Case{"abc", std::nullopt}, Int16Case{"12abc", std::nullopt},
                      Int16Case{"40000", std::nullopt}, Int16Case{"-32768", -32768},
                      Int16Case{"2.5", 2}, Int16Case{"3.5", 4}, Int16Case{"nan", std::nullopt}));

TEST(Align2Test, OneDigitGetsALeadingBlank) {
    EXPECT_EQ(QStringLiteral(" 7"), Align2(7));
    EXPECT_EQ(QStringLiteral("25"), Align2(25));
    EXPECT_EQ(QStringLiteral("200"), Align2(200));
}
