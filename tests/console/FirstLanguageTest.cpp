#include "console/FirstLanguage.h"

#include "doubles/Doubles.h"
#include "shared/Language.h"

#include <gtest/gtest.h>

namespace {

LanguageTable Table(const char* header) {
    LanguageTable languages;
    languages.Load(
        {QStringLiteral("title"), QString::fromUtf8(header), QStringLiteral("Esci;Exit")});
    return languages;
}

TEST(FirstLanguageTest, OffersTheSystemsLanguageWhenTheTableHasItElseEnglish) {
    const LanguageTable five =
        Table("ITA Italiano;ENG English;FRA Français;DEU Deutsch;ESP Español");
    const LanguageTable two = Table("ITA Italiano;ENG English");
    struct Case {
        const LanguageTable& table;
        const char* locale;
        const char* offered;
    };
    const Case cases[] = {
        {five, "it_IT", "ITA"}, {five, "en_GB", "ENG"}, {five, "fr_CH", "FRA"},
        {five, "de_AT", "DEU"}, {five, "es", "ESP"},    {five, "pt_BR", "ENG"},
        {five, "C", "ENG"},     {five, "", "ENG"},      {two, "de_DE", "ENG"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QLatin1String(c.offered), OfferedLanguage(QLatin1String(c.locale), c.table))
            << c.locale;
    }
}

TEST(FirstLanguageTest, SelectingALanguageMovesTheTableToItsColumn) {
    LanguageTable languages = Table("ITA Italiano;ENG English");
    ASSERT_TRUE(SelectLanguage(languages, QStringLiteral("ENG")));
    EXPECT_EQ(QStringLiteral("Exit"), languages.Translate(QStringLiteral("Esci")));
    EXPECT_FALSE(SelectLanguage(languages, QStringLiteral("DEU")));
    EXPECT_EQ(QStringLiteral("ENG"), languages.CurrentLanguage) << "left as it was";
}

TEST(FirstLanguageTest, AsksOnlyWhileNoLanguageIsStored) {
    FakeSettings settings;
    EXPECT_TRUE(AsksForLanguage(settings));
    settings.values[QStringLiteral("Language")] = QStringLiteral("ITA");
    EXPECT_FALSE(AsksForLanguage(settings));
}

} // namespace
