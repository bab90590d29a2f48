#include "console/ui/AboutBox.h"
#include "options/ui/OptionsWindow.h"
#include "scenari/ConsoleDiProva.h"
#include "shared/Prodotto.h"
#include "teams/ui/TeamEditor.h"

namespace {

using AiutoTest = ConsoleDiProva;

TEST_F(AiutoTest, HelpPagesOpenOnlyInTheCurrentLanguage) {
    for (const char* pagina : {"readmeITA.htm", "readmeTEAMITA.htm", "readmeSPONSITA.htm"}) {
        Ambiente::CreaFile(a.programma + u'/' + QString::fromLatin1(pagina));
    }
    console.openHelp();
    console.openTeamHelp();
    console.openSponsorHelp();
    EXPECT_EQ((QStringList{a.programma + "/readmeITA.htm", a.programma + "/readmeTEAMITA.htm",
                           a.programma + "/readmeSPONSITA.htm"}),
              a.f.shell.aperti);
    a.f.shell.aperti.clear();
    QFile::remove(a.programma + QStringLiteral("/readmeTEAMITA.htm"));
    console.openTeamHelp();
    EXPECT_TRUE(a.f.shell.aperti.isEmpty()) << "a missing page does nothing";
}

TEST_F(AiutoTest, AboutBoxShowsTheVersionAndMailsTheMaker) {
    a.f.modali.Attendi([&](QDialog& finestra) {
        auto& f = static_cast<AboutBox&>(finestra);
        EXPECT_EQ(QStringLiteral("About Brivanta"), f.windowTitle());
        EXPECT_EQ(QStringLiteral("Version ") + TestoVersione(VersioneProgramma()), f.lblVersion->text());
        EXPECT_FALSE(f.lblDescription->text().isEmpty());
        f.openContact();
        f.closeBox();
    });
    console.openAboutBox();
    EXPECT_EQ((QStringList{QStringLiteral("mailto:") + IndirizzoContatto()}), a.f.shell.aperti);
}

TEST_F(AiutoTest, UpdateNoticeThenTheProductPage) {
    const Versione v = VersioneProgramma();
    a.f.dialoghi.Attendi(QStringLiteral("Al momento stai usando la versione: %1.%2.%3\r\nClicca su "
                                        "OK per vedere su Internet l'ultima versione disponibile.")
                             .arg(v.Major)
                             .arg(v.Minor)
                             .arg(v.Revision));
    console.checkForUpdates();
    EXPECT_EQ((QStringList{PaginaProdotto()}), a.f.shell.aperti);
}

TEST_F(AiutoTest, OptionsOpenTheEditorAndTheConsoleStartsAgain) {
    Punti(0, 3);
    a.f.modali.Attendi([&](QDialog& finestra) { static_cast<OptionsWindow&>(finestra).openTeamEditor(); });
    a.f.modali.Attendi([&](QDialog& finestra) {
        ASSERT_NE(nullptr, qobject_cast<TeamEditor*>(&finestra));
        QDir().mkpath(a.programma + QStringLiteral("/Teams/Nuova Squadra"));
    });
    a.f.dialoghi.Attendi(QStringLiteral(
                             "Attenzione se interrompi adesso la partita perderai tutti i punteggi "
                             "di questo SET ed eventualmente dei precedenti : <OK> per Nuova "
                             "Partita <Annulla> Per continuare questa partita."),
                         Risposta::Ok);
    console.openOptions();
    EXPECT_FALSE(console.teamLists[1]->findItems(QStringLiteral("Nuova Squadra"), Qt::MatchExactly).isEmpty());
    EXPECT_EQ(0, console.historyList->count()) << "the start-up sequence ran again";
}

} // namespace
