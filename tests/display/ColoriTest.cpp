#include "display/Colori.h"

#include "doppi/Stampa.h"

#include <gtest/gtest.h>

TEST(ColoriTest, DefaultsMakeTheDocumentedString) {
    EXPECT_EQ(QStringLiteral("FFFFFF00FFFFFFFF0000FFFFFFFF00000000000000"),
              CostruisciSerial(ColoriPredefiniti()));
}

TEST(ColoriTest, RedIsStoredBlueFirst) {
    ColoriPannello c = ColoriPredefiniti();
    c[TestoCasa] = 0x0000FF;
    c[TestoOspiti] = 0xFF0000;
    EXPECT_EQ(QStringLiteral("0000FFFF0000"), CostruisciSerial(c).right(12));
    ColoriPannello letti{};
    ASSERT_TRUE(ApplicaSerial(CostruisciSerial(c), letti));
    EXPECT_EQ(c, letti);
}

TEST(ColoriTest, ShortStringsAndBadGroups) {
    ColoriPannello c = ColoriPredefiniti();
    EXPECT_FALSE(ApplicaSerial(QStringLiteral("FFFFFF00FFFFFFFF0000FFFFFFFF0000000000000"), c))
        << "41 characters apply nothing";
    EXPECT_TRUE(ApplicaSerial(QStringLiteral("000000ZZZZZZ12345600FFFFFFFF0000000000000099"), c));
    EXPECT_EQ(0u, c[Sfondo]);
    EXPECT_EQ(0x00FFFFu, c[NomeCasa]) << "a group that is not hexadecimal keeps its colour";
    EXPECT_EQ(0x123456u, c[NomeOspiti]);
}
