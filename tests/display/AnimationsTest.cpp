#include "display/Animations.h"
#include "display/LayoutWithoutSponsor.h"
#include "display/Sponsor.h"

#include "doubles/Printing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::vector<QString> Clock(int currentSet, const std::array<QString, 5>& partials, int tick) {
    ClockLoop c;
    QString label = QStringLiteral("--");
    std::vector<QString> shown;
    for (int i = 0; i < tick; ++i) {
        if (auto t = TickClock(c, currentSet, partials, QStringLiteral("15:42:10"),
                               QStringLiteral("Satz %1: %2"))) {
            label = *t;
        }
        shown.push_back(label);
    }
    return shown;
}

TEST(ClockTest, FirstSetShowsOnlyTheClock) {
    for (const QString& t : Clock(1, {}, 12)) {
        EXPECT_EQ(QStringLiteral("15:42"), t);
    }
}

TEST(ClockTest, FinishedSetsTakeTurnsWithTheClock) {
    const std::array<QString, 5> partials{"25/16", "20/25", "", "", ""};
    const auto t = Clock(3, partials, 15);
    // Named in the language of the day: beside the set label, "1s 25/16" read as "SET 21s".
    const std::vector<QString> expected{"15:42", "15:42", "15:42", "Satz 1: 25-16", "Satz 1: 25-16",
                                        "15:42", "15:42", "15:42", "Satz 2: 20-25", "Satz 2: 20-25",
                                        "15:42", "15:42", "15:42", "15:42",         "15:42"};
    EXPECT_EQ(expected, t);
}

TEST(ScrollTest, RisesStaysSinksAndParks) {
    const int height = 3315;
    int tick = 0;
    int top = 6720;
    int ticksToTop = 0;
    for (int i = 1; i <= 400; ++i) {
        const ScrollStep p = Scroll(tick, top, height);
        top = p.Top;
        if (top == 0 && ticksToTop == 0) {
            ticksToTop = i;
        }
        if (i == 299) {
            EXPECT_EQ(0, top) << "up until tick 299";
        }
        EXPECT_EQ(i == 400, p.Finished) << i;
    }
    EXPECT_EQ(27, ticksToTop) << "ceil(6720 / 250)";
    EXPECT_EQ(height + 300, top);
    EXPECT_EQ(0, tick);
}

TEST(FrameTest, CyclesOneToSevenThenZero) {
    int c = 0;
    std::vector<int> seen;
    for (int i = 0; i < 9; ++i) {
        c = NextFrameColour(c);
        seen.push_back(c);
    }
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0, 1}), seen);
}

TEST(SponsorTest, AcceptedNamesByTheirLastFourCharacters) {
    struct Case {
        const char* name;
        bool accepted;
    };
    for (const Case c : {Case{"a.jpg", true}, Case{"b.Jpg", true}, Case{"c.GIF", true},
                         Case{"d.bmp", true}, Case{"e.jpeg", false}, Case{"f.png", false},
                         Case{"header_logo.JPG", false}, Case{"jpg", false}}) {
        EXPECT_EQ(c.accepted, AcceptedSponsorFile(QString::fromUtf8(c.name))) << c.name;
    }
}

TEST(SponsorTest, ListingSeparatesTheLogoAndCapsAtAHundred) {
    QTemporaryDir data;
    const QString folder = data.filePath(QStringLiteral("Sponsors"));
    EXPECT_TRUE(ListSponsors(data.path()).Empty) << "no folder";
    QDir().mkpath(folder);
    auto create = [&](const QString& name) {
        QFile f(QDir(folder).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    create(QStringLiteral("HEADER_LOGO.jpg"));
    EXPECT_FALSE(ListSponsors(data.path()).Empty) << "the logo alone keeps the band on";
    EXPECT_TRUE(ListSponsors(data.path()).File.isEmpty());
    for (int i = 0; i < 120; ++i) {
        create(QStringLiteral("s%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
    }
    create(QStringLiteral("note.txt"));
    const SponsorList e = ListSponsors(data.path());
    EXPECT_EQ(100, e.File.size());
    EXPECT_TRUE(e.File.first().endsWith(QStringLiteral("s000.jpg")));
    EXPECT_TRUE(e.Logo.endsWith(QStringLiteral("HEADER_LOGO.jpg")));
}

TEST(SponsorTest, SixPicturesRotateSlotBySlot) {
    BandState b;
    EXPECT_EQ(4, StartBand(b, {"A", "B", "C", "D", "E", "F"}));
    std::vector<std::pair<int, int>> steps;
    for (int i = 0; i < 7; ++i) {
        const auto p = NextStep(b, 1);
        ASSERT_TRUE(p);
        steps.emplace_back(p->Slot, p->Index);
        AdvanceBand(b);
    }
    EXPECT_EQ(
        (std::vector<std::pair<int, int>>{{0, 5}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {0, 4}, {1, 5}}),
        steps);
}

TEST(SponsorTest, FiveOrFewerDoNotRotateNorDoesABandThatIsOff) {
    BandState b;
    EXPECT_EQ(0, StartBand(b, {"A"}));
    EXPECT_FALSE(NextStep(b, 1));
    EXPECT_EQ(-1, StartBand(b, {}));
    StartBand(b, {"A", "B", "C", "D", "E", "F", "G"});
    EXPECT_FALSE(NextStep(b, 0));
}

TEST(LayoutWithoutSponsorTest, ScoresTakeTheHalvesApartAndTheirCountersTheBottom) {
    ControlsWithoutSponsor c;
    c.scoreLabels[0] = {2040, 1200, 1560, 1845, 54};
    c.scoreLabels[1] = {3735, 1200, 1560, 1845, 54};
    c.teamLogos[0].Height = 1185;
    c.teamLogos[1].Height = 1185;
    for (int k = 0; k < 2; ++k) {
        c.setsWonLabels[k] = {0, 2580, 720, 420, 21.75f};
        c.timeoutLabels[k] = {0, 2580, 660, 420, 21.75f};
    }
    const double W = 7080, H = 3500;
    LayoutWithoutSponsor(c, W, H);
    const auto right = [](const ControlGeometry& g) { return g.Left + g.Width; };
    const auto bottom = [](const ControlGeometry& g) { return g.Top + g.Height; };
    EXPECT_FLOAT_EQ(H - 1185 - H / 7, c.scoreLabels[0].Height);
    EXPECT_FLOAT_EQ(0, c.scoreLabels[0].Left);
    EXPECT_FLOAT_EQ(W, right(c.scoreLabels[1])) << "no strip on the right, nothing beyond";
    EXPECT_FLOAT_EQ(W * ScoreGapShare, c.scoreLabels[1].Left - right(c.scoreLabels[0]))
        << "the board between the scores";
    EXPECT_FLOAT_EQ(H - H / 7, c.homeNameLabel.Top);
    EXPECT_FLOAT_EQ(H, bottom(c.guestsNameLabel)) << "no unused strip at the bottom";
    EXPECT_FLOAT_EQ(c.scoreLabels[1].Left, c.guestsNameLabel.Left);
    for (int k = 0; k < 2; ++k) {
        const ControlGeometry& score = c.scoreLabels[k];
        EXPECT_FLOAT_EQ(score.Left, c.scoreFrames[k].Left) << "the marker frames its score";
        EXPECT_FLOAT_EQ(score.Width, c.scoreFrames[k].Width);
        // The digits' line (about 1.2 em, 20 twips a point) ends above the counters.
        EXPECT_LT(score.Top + score.FontSize * 20 * 1.2, c.setsWonLabels[k].Top) << k;
        for (const ControlGeometry* counter : {&c.setsWonLabels[k], &c.timeoutLabels[k]}) {
            EXPECT_GE(counter->Left, score.Left) << k;
            EXPECT_LE(right(*counter), right(score)) << k;
            EXPECT_LE(bottom(*counter), bottom(score)) << k;
        }
    }
    EXPECT_LT(c.setsWonLabels[0].Left, c.timeoutLabels[0].Left) << "sets won outside";
    EXPECT_GT(c.setsWonLabels[1].Left, c.timeoutLabels[1].Left);
}

} // namespace
