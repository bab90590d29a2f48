#include "options/SettingsFile.h"
#include "doubles/Doubles.h"

#include <gtest/gtest.h>

namespace {

FakeSettings Laptop() {
    FakeSettings s;
    s.values = {{"Language", "ENG"},
                {"ScoreBoardSpeed", "300"},
                {"Top", "120.5"},
                {"HubPort", "8800"},
                {"HubToken", "0123456789abcdef0123456789abcdef"},
                {"MqttPassword", "palestra"},
                {"KeyHomePlus", "F1"},
                {"Serial", "201010500000000050400000000040FFFFFF00FFFF"}};
    return s;
}

TEST(SettingsFileTest, EverySettingGoesToTheNewLaptopTheSecretsOnlyWhenAsked) {
    const FakeSettings old = Laptop();
    FakeSettings fresh;
    const auto result = SettingsFile::Import(SettingsFile::Export(old, false), fresh);
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.ignored.isEmpty());
    auto expected = old.values;
    expected.remove(QStringLiteral("HubToken"));
    expected.remove(QStringLiteral("MqttPassword"));
    EXPECT_EQ(expected, fresh.values);
    FakeSettings withSecret;
    SettingsFile::Import(SettingsFile::Export(old, true), withSecret);
    EXPECT_EQ(old.values, withSecret.values);
}

TEST(SettingsFileTest, WhatDoesNotCheckKeepsTheCurrentSettingAndIsListed) {
    FakeSettings current = Laptop();
    const auto result =
        SettingsFile::Import("Brivanta settings 1\r\nScoreBoardSpeed=99999\r\n"
                             "HubLan=maybe\r\nFavouriteColour=blue\r\nnot a line\r\n"
                             "Language=DEU\r\n",
                             current);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ((QStringList{"ScoreBoardSpeed", "HubLan", "FavouriteColour", "not a line"}),
              result.ignored);
    EXPECT_EQ(QStringLiteral("300"), current.values.value("ScoreBoardSpeed"));
    EXPECT_EQ(QStringLiteral("DEU"), current.values.value("Language"));

    const auto damaged = SettingsFile::Import("PK\x03\x04 garbage", current);
    EXPECT_FALSE(damaged.ok);
    EXPECT_EQ(QStringLiteral("DEU"), current.values.value("Language")) << "nothing changed";
}

} // namespace
