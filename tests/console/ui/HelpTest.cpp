#include "console/Messages.h"
#include "console/ui/AboutBox.h"
#include "options/ui/OptionsWindow.h"
#include "scenarios/TestConsole.h"
#include "shared/Messages.h"
#include "shared/Product.h"
#include "teams/ui/TeamEditor.h"

namespace {

using HelpTest = TestConsole;

TEST_F(HelpTest, HelpPagesOpenOnlyInTheCurrentLanguage) {
    for (const char* page : {"readmeITA.htm", "readmeTEAMITA.htm", "readmeSPONSITA.htm"}) {
        Environment::CreateFile(a.program + u'/' + QString::fromLatin1(page));
    }
    console.openHelp();
    console.openTeamHelp();
    console.openSponsorHelp();
    EXPECT_EQ((QStringList{a.program + "/readmeITA.htm", a.program + "/readmeTEAMITA.htm",
                           a.program + "/readmeSPONSITA.htm"}),
              a.f.shell.open);
    a.f.shell.open.clear();
    QFile::remove(a.program + QStringLiteral("/readmeTEAMITA.htm"));
    console.openTeamHelp();
    EXPECT_TRUE(a.f.shell.open.isEmpty()) << "a missing page does nothing";
}

TEST_F(HelpTest, AboutBoxShowsTheVersionAndMailsTheMaker) {
    a.f.modal.Expect([&](QDialog& window) {
        auto& f = static_cast<AboutBox&>(window);
        EXPECT_EQ(QStringLiteral("About Brivanta"), f.windowTitle());
        EXPECT_EQ(QStringLiteral("Version ") + VersionText(ProgramVersion()), f.lblVersion->text());
        EXPECT_FALSE(f.lblDescription->text().isEmpty());
        f.openContact();
        f.closeBox();
    });
    console.openAboutBox();
    EXPECT_EQ((QStringList{QStringLiteral("mailto:") + ContactAddress()}), a.f.shell.open);
}

TEST_F(HelpTest, UpdateNoticeThenTheProductPage) {
    const Version v = ProgramVersion();
    a.f.dialogs.Expect(
        (SharedMessages::VersionInUse + QStringLiteral("%1.%2.%3\r\n") + SharedMessages::UpdateHint)
            .arg(v.Major)
            .arg(v.Minor)
            .arg(v.Revision));
    console.checkForUpdates();
    EXPECT_EQ((QStringList{ProductPage()}), a.f.shell.open);
}

TEST_F(HelpTest, OptionsOpenTheEditorAndTheConsoleStartsAgain) {
    a.f.modal.Expect(
        [&](QDialog& window) { static_cast<OptionsWindow&>(window).openTeamEditor(); });
    a.f.modal.Expect([&](QDialog& window) {
        ASSERT_NE(nullptr, qobject_cast<TeamEditor*>(&window));
        QDir().mkpath(a.program + QStringLiteral("/Teams/Nuova Squadra"));
    });
    console.window().openSettings();
    EXPECT_FALSE(
        console.teamList(1)->findItems(QStringLiteral("Nuova Squadra"), Qt::MatchExactly).isEmpty())
        << "the start-up sequence ran again";
}

} // namespace
