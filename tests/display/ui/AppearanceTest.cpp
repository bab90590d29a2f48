#include "display/Colours.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"

#include <gtest/gtest.h>

namespace {

// Pixels that differ from `bottom`; with no colour given, pixels lighter than `light`.
int Ink(const QImage& picture, int light, QColor bottom = {}) {
    int n = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            n += bottom.isValid() ? c != bottom : c.lightness() > light;
        }
    }
    return n;
}

// What the hall sees on the display, read back from a grab of the window.
class AppearanceTest : public ::testing::Test {
  protected:
    void Start() {
        console = std::make_unique<ConsoleProbe>(a.f.platform);
        console->load();
    }
    DisplayProbe Display() { return console->display(); }
    QImage Grab() { return Display().grab().toImage(); }

    Environment a;
    std::unique_ptr<ConsoleProbe> console;
};

TEST_F(AppearanceTest, StoredColoursAreOnTheDisplayFromTheFirstFrame) {
    PanelColours dark = DefaultColours();
    dark[Background] = 0x401010;
    dark[HomeName] = 0x800000;
    dark[HomeText] = 0xFFFFFF;
    dark[GuestsText] = 0xFFFFFF;
    a.f.settings.values[QStringLiteral("Serial")] = PanelColoursText(dark);
    Start();
    EXPECT_EQ(QColor(0x10, 0x10, 0x40), Grab().pixelColor(2, 2)) << "the board's background";
    Display().ensurePolished();
    const QPoint name = Display().homeNameLabel()->geometry().topLeft() + QPoint(2, 2);
    EXPECT_EQ(QColor(0, 0, 0x80), Grab().pixelColor(name)) << "the home name's panel";
    // The clock on the dark board turns light; the counters take their panel's text colour.
    for (QLabel* e :
         {Display().clockLabel(), Display().setsWonLabel(0), Display().timeoutLabel(1)}) {
        e->setText(QStringLiteral("88"));
        EXPECT_GT(Ink(e->grab().toImage(), 200), 20) << e->objectName().toStdString();
    }
}

TEST_F(AppearanceTest, NamesLeanTowardsTheCentreAfterEveryLayout) {
    Start();
    DisplayProbe d = Display();
    const auto towards = [&] {
        return std::pair{d.statisticsHomeName(0)->alignment() & Qt::AlignHorizontal_Mask,
                         d.statisticsGuestsName(0)->alignment() & Qt::AlignHorizontal_Mask};
    };
    EXPECT_EQ(std::pair(Qt::Alignment(Qt::AlignRight), Qt::Alignment(Qt::AlignLeft)), towards())
        << "at creation";
    d.resize(d.width() + 40, d.height());
    d.layOutControls();
    EXPECT_EQ(std::pair(Qt::Alignment(Qt::AlignRight), Qt::Alignment(Qt::AlignLeft)), towards())
        << "after a resize";
    d.swapDisplay();
    EXPECT_EQ(std::pair(Qt::Alignment(Qt::AlignLeft), Qt::Alignment(Qt::AlignRight)), towards())
        << "swapped: home names on the right lean left";
}

TEST_F(AppearanceTest, ThePresentationCardIsOutOfSightAfterEveryLayout) {
    Start();
    DisplayProbe d = Display();
    d.startOrStopPresentation();
    d.startOrStopPresentation();
    d.presentationTick();
    ASSERT_FALSE(d.presenting());
    d.layOutControls();
    EXPECT_GE(d.presentationCard()->x(), d.width()) << "after a resize";
    d.zoom(false);
    EXPECT_GE(d.presentationCard()->x(), d.width()) << "after Zoom All";
    d.zoomStep(true);
    EXPECT_GE(d.presentationCard()->x(), d.width()) << "after Zoom +";
}

TEST_F(AppearanceTest, TheLeadingTeamPanelShowsOneNumberAndTheTeamPicture) {
    Start();
    DisplayProbe d = Display();
    d.showLeadingTeam(0, QStringLiteral("Squadra in testa"), QString(), QStringLiteral("0-0"),
                      QStringLiteral("12 - 10"));
    const QImage shadow = d.scorerNumberBackdrop()->grab().toImage();
    EXPECT_EQ(0, Ink(shadow, 0, shadow.pixelColor(0, 0)))
        << "the shadow label carries only the side's colour";
    EXPECT_EQ(QPixmap(QStringLiteral(":/teams/team.png")).toImage(),
              d.scorerPhoto()->pixmap().toImage())
        << "no team photo: the team editor's default picture";
    console->match().Display.Panel.Title = QStringLiteral("Lupi : Ace");
    d.showMatch();
    EXPECT_EQ(QStringLiteral("Squadra in testa"), d.scorerTitle()->text())
        << "a console refresh leaves the overlay as filled";
}

} // namespace
