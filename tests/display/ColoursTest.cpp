#include "display/Colours.h"

#include "doubles/Printing.h"

#include <gtest/gtest.h>

TEST(ColoursTest, DefaultsMakeTheDocumentedString) {
    EXPECT_EQ(QStringLiteral("FFFFFF00FFFFFFFF0000FFFFFFFF00000000000000"),
              PanelColoursText(DefaultColours()));
}

TEST(ColoursTest, RedIsStoredBlueFirst) {
    PanelColours c = DefaultColours();
    c[HomeText] = 0x0000FF;
    c[GuestsText] = 0xFF0000;
    EXPECT_EQ(QStringLiteral("0000FFFF0000"), PanelColoursText(c).right(12));
    PanelColours read{};
    ASSERT_TRUE(ReadPanelColours(PanelColoursText(c), read));
    EXPECT_EQ(c, read);
}

TEST(ColoursTest, ShortStringsAndBadGroups) {
    PanelColours c = DefaultColours();
    EXPECT_FALSE(ReadPanelColours(QStringLiteral("FFFFFF00FFFFFFFF0000FFFFFFFF0000000000000"), c))
        << "41 characters apply nothing";
    EXPECT_TRUE(
        ReadPanelColours(QStringLiteral("000000ZZZZZZ12345600FFFFFFFF0000000000000099"), c));
    EXPECT_EQ(0u, c[Background]);
    EXPECT_EQ(0x00FFFFu, c[HomeName]) << "a group that is not hexadecimal keeps its colour";
    EXPECT_EQ(0x123456u, c[GuestsName]);
}
