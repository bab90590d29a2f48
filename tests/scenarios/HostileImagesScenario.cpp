// Every place that shows a picture from outside, fed a hostile file: the default picture or
// nothing, never a crash.
#include "doubles/HostileImages.h"
#include "scenarios/TestConsole.h"
#include "sponsor/ui/SponsorManager.h"
#include "teams/ui/TeamEditor.h"

#include <QCoreApplication>

namespace {

class HostileImagesScenario : public TestConsole,
                              public ::testing::WithParamInterface<hostile::Case> {
  protected:
    void Write(const QString& relative) {
        Environment::CreateFile(a.program + u'/' + relative, GetParam().data);
    }
};

TEST_P(HostileImagesScenario, EveryPlaceShowsTheDefaultOrSkipsIt) {
    Environment::CreateFile(a.program + QStringLiteral("/Teams/Lupi/team.csv"),
                            "7;Rossi;Anna;2-Centrale;C\r\n8;Neri;Luca;3-Libero;C\r\n");
    for (const char* file : {"Teams/Lupi/7.jpg", "Teams/Lupi/team.jpg", "Teams/Lupi/logo.jpg",
                             "Sponsors/a.jpg", "Sponsors/b.gif", "Sponsors/HEADER_LOGO.jpg"}) {
        Write(QString::fromLatin1(file));
    }
    console.load();
    d.resize(1280, 720);
    console.teamList(0)->setCurrentItem(
        console.teamList(0)->findItems(QStringLiteral("Lupi"), Qt::MatchExactly).first());
    console.chooseTeam(0);
    d.preparedPhotos().Wait();
    console.logos().Wait();
    d.preparedSponsors().Wait();
    QCoreApplication::processEvents();
    for (int i = 0; i < 3; ++i) {
        d.sponsorTick();
    }

    console.togglePresentation();
    EXPECT_TRUE(d.presenting()) << "the line-ups with the hostile photo";
    for (int i = 0; i < 3000 && d.presenting(); ++i) {
        d.presentationTick();
    }

    // A 1 x 1 GIF is a picture after all: its first frame is shown, the others never read.
    const auto defaultOrSmall = [&](const QPixmap& byDefault) {
        return d.scorerPhoto()->pixmap().toImage() == byDefault.toImage() ||
               d.scorerPhoto()->pixmap().width() <= 1;
    };
    console.match().PickedAthlete = QStringLiteral("7");
    console.codeBox(0)->setText(QStringLiteral("7"));
    console.changeScore(0);
    EXPECT_TRUE(defaultOrSmall(d.scorerBall()->pixmap())) << "scorer photo";
    console.showLeadingTeam();
    EXPECT_TRUE(defaultOrSmall(QPixmap(QStringLiteral(":/teams/team.png"))))
        << "team photo: the team editor's default";

    a.f.modal.Expect([](QDialog& window) {
        auto& editor = static_cast<TeamEditor&>(window);
        editor.teamList->setCurrentItem(
            editor.teamList->findItems(QStringLiteral("Lupi"), Qt::MatchExactly).first());
        editor.openSelectedTeam();
        EXPECT_FALSE(editor.athletePhoto->pixmap().isNull())
            << "editor: the default athlete picture";
        EXPECT_FALSE(editor.logoImage->pixmap().isNull()) << "editor: the default logo";
        editor.exitWithoutSaving();
    });
    console.openTeamEditor();
    a.f.modal.Expect([](QDialog& window) {
        auto& handling = static_cast<SponsorManager&>(window);
        EXPECT_FALSE(handling.headerLogo->pixmap().isNull()) << "manager: the default header";
    });
    console.openSponsorManager();
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileImagesScenario, ::testing::ValuesIn(hostile::All()),
                         [](const ::testing::TestParamInfo<hostile::Case>& info) {
                             return std::to_string(info.index);
                         });

} // namespace
