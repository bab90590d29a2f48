// Every place that shows a picture from outside, fed a hostile file: the default picture or
// nothing, never a crash.
#include "doppi/ImmaginiOstili.h"
#include "scenari/ConsoleDiProva.h"
#include "sponsor/ui/SponsorManager.h"
#include "teams/ui/TeamEditor.h"

#include <QCoreApplication>

namespace {

class ImmaginiOstiliScenario : public ConsoleDiProva,
                               public ::testing::WithParamInterface<ostili::Caso> {
protected:
    void Scrivi(const QString& relativo) {
        Ambiente::CreaFile(a.programma + u'/' + relativo, GetParam().dati);
    }
};

TEST_P(ImmaginiOstiliScenario, EveryPlaceShowsTheDefaultOrSkipsIt) {
    Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Lupi/team.csv"),
                       "7;Rossi;Anna;2-Centrale;C\r\n8;Neri;Luca;3-Libero;C\r\n");
    for (const char* file : {"Teams/Lupi/7.jpg", "Teams/Lupi/team.jpg", "Teams/Lupi/logo.jpg",
                             "Sponsors/a.jpg", "Sponsors/b.gif", "Sponsors/HEADER_LOGO.jpg"}) {
        Scrivi(QString::fromLatin1(file));
    }
    console.Form_Load();
    d.resize(1280, 720);
    console.teamLists[0]->setCurrentItem(console.teamLists[0]->findItems(QStringLiteral("Lupi"), Qt::MatchExactly).first());
    console.chooseTeam(0);
    d.FotoPreparate().Attendi();
    console.Loghi().Attendi();
    d.SponsorPreparati().Attendi();
    QCoreApplication::processEvents();
    for (int i = 0; i < 3; ++i) {
        d.sponsorTick();
    }

    console.togglePresentation();
    EXPECT_TRUE(d.presentationTimer.isActive()) << "the line-ups with the hostile photo";
    for (int i = 0; i < 3000 && d.presentationTimer.isActive(); ++i) {
        d.presentationTick();
    }

    // A 1 x 1 GIF is a picture after all: its first frame is shown, the others never read.
    const auto predefinitaOPiccola = [&](const QPixmap& predefinita) {
        return d.scorerPhoto->pixmap().toImage() == predefinita.toImage() ||
               d.scorerPhoto->pixmap().width() <= 1;
    };
    console.Match().NumeroMarcatore = QStringLiteral("7");
    console.codeBoxes[0]->setText(QStringLiteral("7"));
    console.changeScore(0);
    EXPECT_TRUE(predefinitaOPiccola(d.scorerBall->pixmap())) << "scorer photo";
    console.showLeadingTeam();
    EXPECT_TRUE(predefinitaOPiccola(QPixmap(QStringLiteral(":/teams/squadra.png"))))
        << "team photo: the team editor's default";


    a.f.modali.Attendi([](QDialog& finestra) {
        auto& editor = static_cast<TeamEditor&>(finestra);
        editor.teamList->setCurrentItem(editor.teamList->findItems(QStringLiteral("Lupi"), Qt::MatchExactly).first());
        editor.openSelectedTeam();
        EXPECT_FALSE(editor.athletePhoto->pixmap().isNull()) << "editor: the default athlete picture";
        EXPECT_FALSE(editor.logoImage->pixmap().isNull()) << "editor: the default logo";
        editor.exitWithoutSaving();
    });
    console.openTeamEditor();
    a.f.modali.Attendi([](QDialog& finestra) {
        auto& gestione = static_cast<SponsorManager&>(finestra);
        EXPECT_FALSE(gestione.headerLogo->pixmap().isNull()) << "manager: the default header";
    });
    console.openSponsorManager();
}

INSTANTIATE_TEST_SUITE_P(Casi, ImmaginiOstiliScenario, ::testing::ValuesIn(ostili::Tutti()),
                         [](const ::testing::TestParamInfo<ostili::Caso>& info) {
                             return std::to_string(info.index);
                         });

} // namespace
