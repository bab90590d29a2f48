#include "console/Messages.h"
#include "console/ui/AboutBox.h"
#include "options/ui/OptionsWindow.h"
#include "scenarios/TestConsole.h"
#include "shared/FileText.h"
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
        EXPECT_EQ(QStringLiteral("Informazioni su Brivanta"), f.windowTitle());
        EXPECT_EQ(QStringLiteral("Versione ") + VersionText(ProgramVersion()),
                  f.lblVersion->text());
        EXPECT_FALSE(f.lblDescription->text().isEmpty());
        f.openContact();
        f.closeBox();
    });
    console.openAboutBox();
    EXPECT_EQ((QStringList{QStringLiteral("mailto:") + ContactAddress()}), a.f.shell.open);
}

std::string Named(const QWidget* w) {
    const auto* l = qobject_cast<const QLabel*>(w);
    return l != nullptr ? l->text().toStdString() : w->metaObject()->className();
}

// Each text of the about box has its own room, in every language, on a 1366 x 768 laptop.
TEST_F(HelpTest, AboutBoxTextsNeverOverlapInAnyLanguage) {
    CommonSettings common;
    const auto table = ReadTextFile(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv", 1 << 22);
    ASSERT_TRUE(table);
    common.Languages.Load(*table);
    for (int language = 0; language < 5; ++language) {
        common.Languages.LanguageColumn = language;
        common.Languages.CurrentLanguage = common.Languages.LanguageCodes()[language + 1];
        AboutBox box(common, a.f.shell);
        box.load();
        box.show();
        const std::string in = common.Languages.CurrentLanguage.toStdString();
        EXPECT_LE(box.frameGeometry().width(), 1366) << in;
        EXPECT_LE(box.frameGeometry().height(), 768) << in;
        QList<QWidget*> parts;
        for (QWidget* w : box.findChildren<QWidget*>()) {
            if (w->isVisible()) {
                parts << w;
            }
        }
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const QRect place(parts[i]->mapTo(&box, QPoint()), parts[i]->size());
            EXPECT_TRUE(box.rect().contains(place)) << in << ' ' << i;
            for (qsizetype j = i + 1; j < parts.size(); ++j) {
                const QRect other(parts[j]->mapTo(&box, QPoint()), parts[j]->size());
                EXPECT_FALSE(place.intersects(other))
                    << in << ": " << Named(parts[i]) << " / " << Named(parts[j]);
            }
        }
        for (const QLabel* l : box.findChildren<QLabel*>()) {
            if (l == box.picture) {
                continue;
            }
            EXPECT_LE(l->wordWrap() ? l->heightForWidth(l->width()) : l->sizeHint().height(),
                      l->height())
                << in << ": " << l->text().toStdString();
            if (!l->wordWrap()) {
                EXPECT_LE(l->sizeHint().width(), l->width())
                    << in << ": " << l->text().toStdString();
            }
        }
    }
}

// This build names no update address (the tests' build never does): the operator is told,
// with the version, and no page opens.
TEST_F(HelpTest, UpdateCheckWithoutAnAddressSaysSoAndOpensNothing) {
    ASSERT_TRUE(UpdateAddress().isEmpty());
    a.f.dialogs.Expect(SharedMessages::NoUpdateAddress + QStringLiteral("\r\n") +
                       SharedMessages::VersionInUse + VersionText(ProgramVersion()));
    console.checkForUpdates();
    EXPECT_TRUE(a.f.shell.open.isEmpty()) << a.f.shell.open.join(u' ').toStdString();
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
