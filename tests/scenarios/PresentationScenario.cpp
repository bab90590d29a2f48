#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class PresentationScenario : public ::testing::Test {
  protected:
    PresentationScenario() {
        Choose(0, QStringLiteral("Lupi"));
        Choose(1, QStringLiteral("Orsi"));
    }
    // The teams' folders, then the console on them.
    std::unique_ptr<ConsoleProbe> Prepare() {
        const QString wolves = a.program + QStringLiteral("/Teams/Lupi");
        Environment::CreateFile(
            wolves + QStringLiteral("/team.csv"),
            "7;ROSSI;MARIO;2-Centrale;C\r\nA1;Verdi;Anna;;C\r\n9;Fuori;Lista;1;N\r\n");
        QImage photo(300, 600, QImage::Format_RGB32);
        photo.fill(Qt::gray);
        photo.save(wolves + QStringLiteral("/7.jpg"), "JPG");
        Environment::CreateFile(wolves + QStringLiteral("/7.wav"), "RIFF");
        Environment::CreateFile(a.program + QStringLiteral("/Teams/Orsi/team.csv"),
                                "12;Neri;Paolo;3-Libero;C\r\n");
        auto fresh = std::make_unique<ConsoleProbe>(a.f.platform);
        fresh->load();
        return fresh;
    }
    void Choose(int side, const QString& name) {
        console->teamList(side)->setCurrentItem(
            console->teamList(side)->findItems(name, Qt::MatchExactly).first());
        console->chooseTeam(side);
    }
    // Ticks until the panel holds a person in the middle; returns the ticks it took.
    int UpToCentre() {
        for (int i = 1; i < 5000; ++i) {
            d.presentationTick();
            // The photo's steps are made while the panel enters.
            d.waitForPresentationPhoto();
            if (d.presentationInterval() == 4000 || !d.presenting()) {
                // The photo grows a step a frame.
                for (int step = 0; step < 10 && d.photoZooming(); ++step) {
                    d.zoomTick();
                }
                return i;
            }
        }
        return -1;
    }
    // Ticks until the next person is loaded (the panel has left on the left).
    void UntilNext() {
        const int line = d.presentation().PresentedLine;
        const int team = d.presentation().PresentedTeam;
        for (int i = 0; i < 5000 && d.presenting(); ++i) {
            d.presentationTick();
            if (d.presentation().PresentedLine != line || d.presentation().PresentedTeam != team) {
                return;
            }
        }
    }

    Environment a;
    std::unique_ptr<ConsoleProbe> console = Prepare();
    DisplayProbe d = console->display();
};

TEST_F(PresentationScenario, BothLineUpsOnePersonAtATime) {
    console->togglePresentation();
    EXPECT_TRUE(d.presenting());
    ASSERT_GT(UpToCentre(), 1);
    EXPECT_EQ(QStringLiteral("7"), d.presentationNumber()->text());
    EXPECT_EQ(QStringLiteral("Rossi Mario"), d.presentationHeading()->text());
    EXPECT_EQ(QStringLiteral("Centrale"), d.presentationRole()->text());
    EXPECT_EQ(QStringLiteral("H O M E"), d.presentationSide()->text());
    EXPECT_TRUE(a.f.audio.calls.contains("apri " + a.program + "/Teams/Lupi/7.wav"));
    // Seven rounded steps: a pixel each at most.
    EXPECT_NEAR(d.frameGeometry().width() / 3.4 * 2.83, d.presentationPhoto()->width(), 7)
        << "the photo grew seven times by 1.16";
    EXPECT_TRUE(console->eventLightText().contains(QStringLiteral("Presenta")));

    UntilNext();
    UpToCentre();
    EXPECT_EQ(QStringLiteral("1° Allenatore"), d.presentationRole()->text());
    EXPECT_EQ(static_cast<int>(d.frameGeometry().width() / 3.4), d.presentationPhoto()->width())
        << "the default silhouette is not enlarged";

    UntilNext();
    UpToCentre();
    EXPECT_EQ(QStringLiteral("G U E S T S"), d.presentationSide()->text());
    EXPECT_EQ(QStringLiteral("12"), d.presentationNumber()->text());

    UntilNext();
    for (int i = 0; i < 10 && d.presenting(); ++i) {
        d.presentationTick();
    }
    EXPECT_FALSE(d.presenting()) << "the end of the guests ends the presentation";
    EXPECT_TRUE(console->eventLightText().isEmpty());
    EXPECT_EQ(0, d.presentation().PresentedTeam);
}

TEST_F(PresentationScenario, AStopRequestTakesEffectAtTheNextTick) {
    const QRect photo = d.presentationPhoto()->geometry();
    console->togglePresentation();
    UpToCentre();
    console->togglePresentation();
    EXPECT_EQ(QStringLiteral("Statistiche SET: 1"), console->eventLightText());
    EXPECT_TRUE(d.presenting());
    d.presentationTick();
    EXPECT_FALSE(d.presenting());
    EXPECT_GE(d.presentationCard()->x(), d.frameGeometry().width());
    EXPECT_EQ(photo, d.presentationPhoto()->geometry()) << "the photo's geometry is restored";
    console->togglePresentation();
    d.presentationTick();
    EXPECT_EQ(QStringLiteral("7"), d.presentationNumber()->text())
        << "a new start begins with the first home row";
}

TEST_F(PresentationScenario, ATeamWithNobodyCalledUpPassesToTheGuests) {
    Environment::CreateFile(a.program + QStringLiteral("/Teams/Lupi/team.csv"),
                            "7;Rossi;Mario;2;N\r\n");
    Choose(0, QStringLiteral("Lupi"));
    console->togglePresentation();
    UpToCentre();
    EXPECT_EQ(QStringLiteral("G U E S T S"), d.presentationSide()->text());
}

} // namespace
