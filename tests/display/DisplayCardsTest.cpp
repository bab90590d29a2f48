#include "display/Overlay.h"
#include "display/Winner.h"
#include "match/Match.h"
#include "match/Timeout.h"
#include "shared/FileText.h"
#include "shared/Language.h"

#include "doubles/Printing.h"

#include <gtest/gtest.h>

namespace {

// The table the program ships, in the language of `column` (0 Italian, then ENG, FRA, DEU, ESP).
LanguageTable Shipped(int column) {
    static const QStringList codes{"ITA", "ENG", "FRA", "DEU", "ESP"};
    const auto lines = ReadTextFile(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv", 1 << 22);
    LanguageTable t;
    if (lines) {
        t.Load(*lines);
    }
    t.CurrentLanguage = codes[column];
    t.LanguageColumn = column;
    return t;
}

Match Finished(int totalSets, std::array<int, 2> sets, std::array<QString, 5> partials) {
    Match m;
    m.TotalSets = totalSets;
    m.Display.Name = {QStringLiteral("Aquile Volley"), QStringLiteral("Lupi Neri")};
    m.SetsWon = sets;
    m.Partials = partials;
    m.MatchOver = true;
    return m;
}

TEST(WinnerTextTest, TheWinnerWithTheSetsAndEachSetFromTheWinnersSide) {
    const struct {
        int column;
        Match match;
        const char* winner;
        const char* sets;
    } cases[] = {
        {0, Finished(5, {3, 0}, {"25/20", "25/18", "27/25"}), "Aquile Volley vince 3–0",
         "25–20   25–18   27–25"},
        {1, Finished(5, {2, 3}, {"25/20", "23/25", "20/25", "25/22", "13/15"}),
         "Lupi Neri wins 3–2", "20–25   25–23   25–20   22–25   15–13"},
        {2, Finished(5, {3, 2}, {"25/20", "23/25", "20/25", "25/22", "15/ 9"}),
         "Aquile Volley gagne 3–2", "25–20   23–25   20–25   25–22   15–9"},
        {3, Finished(3, {1, 2}, {"25/20", "23/25", " 8/15"}), "Lupi Neri gewinnt 2–1",
         "20–25   25–23   15–8"},
        {4, Finished(3, {2, 0}, {"25/20", "25/23"}), "Aquile Volley gana 2–0", "25–20   25–23"},
        {1, Finished(1, {0, 1}, {"21/25"}), "Lupi Neri wins 1–0", "25–21"},
    };
    for (const auto& c : cases) {
        const WinnerText text = WinnerScreenText(c.match, Shipped(c.column));
        EXPECT_EQ(QString::fromUtf8(c.winner), text.Winner) << c.column;
        EXPECT_EQ(QString::fromUtf8(c.sets), text.Sets) << c.column;
    }
}

TEST(WinnerTextTest, NothingWhileTheMatchIsUnderWay) {
    Match m = Finished(5, {2, 1}, {"25/20", "23/25", "25/10"});
    m.MatchOver = false;
    const WinnerText text = WinnerScreenText(m, Shipped(1));
    EXPECT_TRUE(text.Winner.isEmpty());
    EXPECT_TRUE(text.Sets.isEmpty());
}

// The countdown names the team as the display does, in the display's language.
TEST(CountdownTextTest, TimeoutTextNamesTheTeamInEveryLanguage) {
    const char* expected[5][2] = {
        {"Tempo Aquile Volley\n1° Richiesta", "Tempo Aquile Volley\n2° Richiesta"},
        {"Timeout Aquile Volley\n1st request", "Timeout Aquile Volley\n2nd request"},
        {"Temps mort Aquile Volley\n1re demande", "Temps mort Aquile Volley\n2e demande"},
        {"Auszeit Aquile Volley\n1. Anfrage", "Auszeit Aquile Volley\n2. Anfrage"},
        {"Tiempo muerto Aquile Volley\n1ª petición", "Tiempo muerto Aquile Volley\n2ª petición"},
    };
    for (int column = 0; column < 5; ++column) {
        const LanguageTable languages = Shipped(column);
        for (int count = 1; count <= 2; ++count) {
            EXPECT_EQ(QString::fromUtf8(expected[column][count - 1]),
                      TimeoutText(QStringLiteral("Aquile Volley"), count, languages))
                << column;
        }
    }
}

TEST(CardLayoutTest, FittingShrinksUntilTheTextFitsAndNeverBelowOnePixel) {
    // A text half as wide as its pixel size is tall, one line.
    const auto measure = [](int pixels) { return QSize(pixels * 10 / 2, pixels); };
    EXPECT_EQ(100, FittingPixelSize(100, QSize(1000, 200), measure)) << "fits as preferred";
    const int shrunk = FittingPixelSize(100, QSize(300, 200), measure);
    EXPECT_LE(measure(shrunk).width(), 300);
    EXPECT_GE(shrunk, 50) << "close to the largest that fits (60)";
    EXPECT_EQ(1, FittingPixelSize(100, QSize(0, 0), measure));
}

TEST(CardLayoutTest, TheCardLiesInsideTheDisplayAndScalesWithIt) {
    for (const QSize display : {QSize(1280, 720), QSize(1920, 1080), QSize(3840, 2160)}) {
        const QRect card = CardRect(display);
        EXPECT_TRUE(QRect(QPoint(), display).contains(card)) << display.width();
        EXPECT_GE(card.height(), display.height() / 2) << display.width();
        EXPECT_GE(card.width(), display.width() * 4 / 5) << display.width();
    }
}

} // namespace
