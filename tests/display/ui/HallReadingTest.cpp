// The display as the hall reads it on a TV: the score band, the banner, the partials and the
// lower panels, in every language and on the usual screens.
#include "display/ScoreBand.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/DisplayProbe.h"
#include "doubles/Doubles.h"
#include "doubles/Printing.h"
#include "match/Match.h"
#include "shared/CommonSettings.h"
#include "shared/FileText.h"
#include "sound/Audio.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char* const Languages[] = {"ITA", "ENG", "FRA", "DEU", "ESP"};
const QSize Screens[] = {{1920, 1080}, {1366, 768}};

// Runs of columns that hold dark ink (the digits), between x0 and x1, over rows y0..y1.
std::vector<std::pair<int, int>> InkedColumns(const QImage& picture, int x0, int x1, int y0,
                                              int y1) {
    std::vector<std::pair<int, int>> runs;
    bool inRun = false;
    for (int x = x0; x < x1; ++x) {
        bool dark = false;
        for (int y = y0; y < y1 && !dark; ++y) {
            dark = picture.pixelColor(x, y).lightness() < 60;
        }
        if (dark && !inRun) {
            runs.push_back({x, x});
        }
        if (dark) {
            runs.back().second = x;
        }
        inRun = dark;
    }
    return runs;
}

std::string Text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
}

QRect InWindow(const QWidget* w, const QWidget* window) {
    return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

class HallReadingTest : public ::testing::Test {
  protected:
    HallReadingTest() {
        const auto lines = ReadTextFile(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv", 1 << 22);
        m.Languages.Load(lines.value());
        m.DataFolder = data.path();
        p.TotalSets = 5;
        p.Display.Name = {QStringLiteral("Aquile Volley"), QStringLiteral("Lupi Neri")};
    }
    // A display of `screen` outer size, the band on (a sponsor picture) or off.
    DisplayProbe Display(QSize screen, bool band, const char* language) {
        m.Languages.CurrentLanguage = QString::fromLatin1(language);
        m.Languages.LanguageColumn = static_cast<int>(
            std::find(std::begin(Languages), std::end(Languages), std::string_view(language)) -
            std::begin(Languages));
        if (band) {
            QDir().mkpath(data.filePath(QStringLiteral("Sponsors")));
            QImage picture(160, 98, QImage::Format_RGB32);
            picture.fill(Qt::darkGreen);
            picture.save(data.filePath(QStringLiteral("Sponsors/a.jpg")), "JPG");
        } else {
            QDir(data.filePath(QStringLiteral("Sponsors"))).removeRecursively();
        }
        m.SponsorBar = 1;
        display = std::make_unique<DisplayWindow>(f.platform, p, m, player);
        DisplayProbe d(*display);
        const QSize borders = d.frameGeometry().size() - d.size();
        d.resize(screen - borders);
        d.layOutControls();
        d.preparedSponsors().Wait();
        return d;
    }
    // 24-20, home serving, with the match point banner up.
    void MatchPoint(DisplayProbe& d) {
        p.Display.Points = {QStringLiteral("24"), QStringLiteral("20")};
        p.SetsWon = {2, 1};
        p.TimeoutsCalled = {1, 2};
        p.Display.Serving = {true, false};
        p.Display.Banner = true;
        p.Display.BannerMatchPoint = true;
        p.Display.BannerText = m.Translate(QStringLiteral("MATCH POINT"));
        d.showMatch();
    }
    static std::string Case(QSize screen, bool band, const char* language) {
        return std::to_string(screen.width()) + (band ? " band " : " no band ") + language;
    }

    QTemporaryDir data;
    FakePlatform f;
    Match p;
    CommonSettings m;
    Player player{f.audio, f.dialogs};
    std::unique_ptr<DisplayWindow> display;
};

TEST_F(HallReadingTest, TheTwoScoresReadAsTwoNumbers) {
    for (const QSize screen : Screens) {
        for (bool band : {true, false}) {
            DisplayProbe d = Display(screen, band, "ENG");
            MatchPoint(d);
            const QImage picture = d.grab().toImage();
            const QRect home = d.scoreLabel(0)->geometry();
            const QRect guests = d.scoreLabel(1)->geometry();
            const int digitsBottom = d.setsWonLabel(0)->geometry().top();
            const auto runs =
                InkedColumns(picture, home.left(), guests.right(), home.top(), digitsBottom);
            ASSERT_EQ(4u, runs.size()) << Case(screen, band, "ENG") << ": 2 4 | 2 0";
            const int insideHome = runs[1].first - runs[0].second;
            const int insideGuests = runs[3].first - runs[2].second;
            const int between = runs[2].first - runs[1].second;
            const int digit = runs[1].second - runs[1].first;
            EXPECT_GT(between, 2 * std::max(insideHome, insideGuests))
                << Case(screen, band, "ENG") << ": " << between << " px apart, digits "
                << insideHome;
            EXPECT_GT(between, digit / 2) << Case(screen, band, "ENG");
            EXPECT_GT(guests.left(), home.right()) << "the board shows between the scores";
        }
    }
}

TEST_F(HallReadingTest, TheBandFillsTheWindowAndNothingLeavesIt) {
    for (const QSize screen : Screens) {
        for (bool band : {true, false}) {
            DisplayProbe d = Display(screen, band, "ENG");
            MatchPoint(d);
            const QRect window(QPoint(0, 0), d.size());
            const std::string name = Case(screen, band, "ENG");
            std::vector<QWidget*> shown{d.homeNameLabel(), d.guestsNameLabel(), d.scoreLabel(0),
                                        d.scoreLabel(1),   d.setsWonLabel(0),   d.setsWonLabel(1),
                                        d.timeoutLabel(0), d.timeoutLabel(1),   d.scoreFrame(0),
                                        d.serveMarker(0),  d.clockLabel(),      d.setLabel(),
                                        d.bannerIcon(),    d.teamLogo(1)};
            for (QLabel* slot : d.sponsorSlots()) {
                if (slot->isVisibleTo(&d.window())) {
                    shown.push_back(slot);
                }
            }
            for (QWidget* w : shown) {
                EXPECT_TRUE(window.contains(w->geometry())) << name << " " << Text(w->geometry());
            }
            EXPECT_GE(d.guestsNameLabel()->geometry().right(), window.right() - 1)
                << name << ": no strip on the right";
            int bottom = d.guestsNameLabel()->geometry().bottom();
            for (QLabel* slot : d.sponsorSlots()) {
                bottom = std::max(bottom,
                                  slot->isVisibleTo(&d.window()) ? slot->geometry().bottom() : 0);
            }
            EXPECT_GT(bottom, window.height() * 0.97) << name << ": no unused bottom";
        }
    }
}

TEST_F(HallReadingTest, CountersAreNamedAndClearOfTheDigitsServeIsSeen) {
    for (const char* language : Languages) {
        for (bool band : {true, false}) {
            DisplayProbe d = Display({1920, 1080}, band, language);
            MatchPoint(d);
            const std::string name = Case({1920, 1080}, band, language);
            for (int side = 0; side < 2; ++side) {
                FittedLabel* sets = d.setsWonLabel(side);
                FittedLabel* timeouts = d.timeoutLabel(side);
                EXPECT_EQ(m.Translate(QStringLiteral("SET VINTI")), sets->caption()) << name;
                EXPECT_EQ(m.Translate(QStringLiteral("T.O.")), timeouts->caption()) << name;
                const QRect score = d.scoreLabel(side)->geometry();
                const QFontMetrics digits(d.scoreLabel(side)->font());
                for (FittedLabel* counter : {sets, timeouts}) {
                    EXPECT_EQ(counter->text(), counter->drawnText()) << name << " drawn whole";
                    EXPECT_TRUE(score.contains(counter->geometry())) << name << side;
                    EXPECT_GT(counter->geometry().top(), score.top() + digits.ascent())
                        << name << ": below the digits";
                }
                EXPECT_FALSE(sets->geometry().intersects(timeouts->geometry())) << name;
            }
            EXPECT_TRUE(d.serveMarker(0)->isVisibleTo(&d.window())) << name;
            EXPECT_FALSE(d.serveMarker(1)->isVisibleTo(&d.window())) << name;
            EXPECT_GE(d.serveMarker(0)->width(), 1920 / 25) << name << ": seen from the stands";
            EXPECT_TRUE(d.homeNameLabel()->geometry().contains(d.serveMarker(0)->geometry()))
                << name;
            EXPECT_TRUE(d.scoreFrame(0)->styleSheet().contains(
                QStringLiteral("border:%1px").arg(ServeFrameWidth(1920))))
                << name;
        }
    }
}

TEST_F(HallReadingTest, BannerIsDrawnWholeInTheLanguageOfTheDay) {
    for (const QSize screen : Screens) {
        for (const char* language : Languages) {
            for (bool matchPoint : {true, false}) {
                DisplayProbe d = Display(screen, true, language);
                MatchPoint(d);
                p.Display.BannerMatchPoint = matchPoint;
                p.Display.BannerText = m.Translate(matchPoint ? QStringLiteral("MATCH POINT")
                                                              : QStringLiteral("SET POINT"));
                d.showMatch();
                const std::string name = Case(screen, true, language);
                FittedLabel* text = d.bannerText();
                EXPECT_EQ(p.Display.BannerText, text->drawnText()) << name << " not elided";
                const QRect drawn =
                    text->drawnRectangle().translated(InWindow(text, &d.window()).topLeft());
                EXPECT_TRUE(QRect(QPoint(0, 0), d.size()).contains(drawn)) << name << Text(drawn);
                EXPECT_TRUE(d.bannerIcon()->geometry().contains(drawn)) << name;
                EXPECT_GE(text->fittedFont().pointSizeF(), text->font().pointSizeF() * 0.5)
                    << name << ": large enough for the hall";
            }
        }
    }
}

TEST_F(HallReadingTest, PartialsAndLastPointsAreDrawnWhole) {
    const QString longName = QStringLiteral("Polisportiva Pallavolo Valle dell'Adige Femminile");
    for (const QSize screen : Screens) {
        for (const char* language : Languages) {
            DisplayProbe d = Display(screen, true, language);
            const std::string name = Case(screen, true, language);
            p.CurrentSet = 5;
            p.Partials = {"25/20", "21/25", "25/23", "23/25", "15/ 0"};
            QStringList shown;
            for (int tick = 0; tick < 30; ++tick) {
                d.clockTick();
                shown << d.clockLabel()->text();
                EXPECT_EQ(d.clockLabel()->text(), d.clockLabel()->drawnText()) << name;
            }
            const QString pattern = m.Translate(QStringLiteral("Set %1: %2"));
            EXPECT_TRUE(shown.contains(pattern.arg(1).arg(QStringLiteral("25-20")))) << name;
            EXPECT_TRUE(shown.contains(pattern.arg(5).arg(QStringLiteral("15-0")))) << name;

            StatisticsPanel rows;
            rows.Title = m.Translate(QStringLiteral("Ultimi 4 punti")) + u':';
            rows.Names[0] = rows.Names[1] = longName;
            rows.Totals[0] = QStringLiteral("25");
            rows.Totals[1] = QStringLiteral("20");
            rows.HomeNames[0] = longName + u' ';
            rows.GuestsNames[1] = u' ' + longName;
            d.window().showStatistics(rows);
            for (FittedLabel* label :
                 {d.statisticsTeamName(0), d.statisticsTeamName(1), d.statisticsHomeName(0),
                  d.statisticsGuestsName(1), d.statisticsTitle()}) {
                const QString drawn = label->drawnText();
                EXPECT_TRUE(drawn == label->text() || drawn.endsWith(QChar(0x2026)))
                    << name << " " << drawn.toStdString() << ": whole or elided, never cut";
                EXPECT_TRUE(label->contentsRect().contains(label->drawnRectangle())) << name;
            }
            EXPECT_GT(d.statisticsTotal(1)->geometry().left(),
                      d.statisticsTotal(0)->geometry().right())
                << name << ": \"25 20\", not \"2520\"";
        }
    }
}

TEST_F(HallReadingTest, OneLowerPanelInViewAtATime) {
    DisplayProbe d = Display({1920, 1080}, true, "ENG");
    const QRect window(QPoint(0, 0), d.size());
    const auto inView = [&](int i) {
        QFrame* panel = d.overlayPanel(i);
        return panel->isVisibleTo(&d.window()) ? panel->geometry() & window : QRect();
    };
    StatisticsPanel rows;
    rows.Title = QStringLiteral("Statistics:");
    // The end-of-match cycle: statistics rise; the winner's panel is asked for meanwhile;
    // the cycle's next statistics rise while it is still up.
    p.AnimatedPanel = 0;
    d.window().showStatistics(rows);
    d.window().startScroll(InView::Statistics);
    for (int tick = 0; tick < 100; ++tick) {
        d.panelSlideTick();
    }
    p.AnimatedPanel = 1;
    d.window().startScroll(InView::LeadingTeam);
    for (int tick = 0; tick < 60; ++tick) {
        d.panelSlideTick();
        EXPECT_FALSE(inView(0).intersects(inView(1))) << "winner over statistics, tick " << tick;
    }
    p.AnimatedPanel = 0;
    d.window().showStatistics(rows);
    d.window().startScroll(InView::Statistics);
    for (int tick = 0; tick < 100; ++tick) {
        d.panelSlideTick();
        EXPECT_FALSE(inView(0).intersects(inView(1))) << "statistics over winner, tick " << tick;
    }
    // Up, the panel covers the score band whole: no counter shows under its edge.
    const QRect panel = inView(0);
    for (QWidget* w :
         std::initializer_list<QWidget*>{d.setsWonLabel(0), d.timeoutLabel(1), d.homeNameLabel()}) {
        EXPECT_TRUE(panel.contains(w->geometry())) << Text(w->geometry());
    }
}

} // namespace
