#include "console/Messages.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"
#include "shared/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

class StartupTest : public ::testing::Test {
  protected:
    void Start() {
        console = std::make_unique<ConsoleProbe>(a.f.platform);
        console->load();
    }
    void Set(const QString& key, const QString& value) { a.f.settings.values[key] = value; }
    QStringList Items(QListWidget* list) const {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) {
            items.append(list->item(i)->text());
        }
        return items;
    }

    Environment a;
    std::unique_ptr<ConsoleProbe> console;
};

TEST_F(StartupTest, FirstStartWithNoSettings) {
    Start();
    const CommonSettings& m = console->common();
    EXPECT_EQ(QStringLiteral("ITA"), m.Languages.CurrentLanguage);
    EXPECT_TRUE(console->languageActions()[0]->isChecked());
    EXPECT_EQ(200, console->previewInterval());
    EXPECT_EQ(1, m.SponsorBar);
    EXPECT_EQ(0, m.ActiveCheer);
    EXPECT_EQ(0, m.CheerDuration);
    EXPECT_EQ(0, console->cheerInterval());
    EXPECT_EQ(a.program, m.DataFolder);
    EXPECT_EQ(QStringLiteral("Brivanta : MATCH.txt"), console->windowTitle());

    DisplayProbe d = console->display();
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.isMaximized());
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(DisplayOnSharedScreen(free), d.geometry()) << "one screen: a window it is seen in";
    EXPECT_EQ(ConsolePosition(console->frameGeometry().size(), free),
              console->frameGeometry().topLeft());
    EXPECT_EQ(0, console->y());

    EXPECT_EQ(QStringLiteral("Home"), console->shownTeamName(0));
    EXPECT_EQ(QStringLiteral("Guests"), console->shownTeamName(1));
    EXPECT_EQ(QStringLiteral("Locali"), d.homeNameLabel()->text());
    EXPECT_EQ(QStringLiteral("Ospiti"), d.guestsNameLabel()->text());
    EXPECT_EQ(QStringLiteral("Blocca"), console->lockCaption());
    EXPECT_FALSE(console->undoEnabled());
    EXPECT_FALSE(console->endStatisticsEnabled());
    EXPECT_EQ((QStringList{"Della partita", "1° SET", "2° SET", "3° SET", "4° SET", "5° SET"}),
              console->statisticsChoices());
    EXPECT_EQ(0, console->chosenStatistics());
    EXPECT_EQ((QStringList{"Guests", "Home", "Lupi"}), console->teamChoices(0));
    EXPECT_EQ(console->teamChoices(0), console->teamChoices(1));
    const Match& match = console->match();
    EXPECT_EQ(5, match.TotalSets);
    EXPECT_EQ(25, match.SetPoints);
    EXPECT_EQ(15, match.TieBreakPoints);
    EXPECT_EQ(8, match.CourtChangePoints);
    EXPECT_EQ(1, match.ActiveCourtChange);
    EXPECT_EQ(QStringLiteral("1° SET"), match.SetLabel);
}

TEST_F(StartupTest, EveryKeySet) {
    Set("Language", "ENG");
    Set("ScoreBoardSpeed", "500");
    Set("SndExultationEnabled", "1");
    Set("SndExultationDuration", "7");
    for (int i = 0; i < 5; ++i) {
        Set(QStringLiteral("SndExultation%1").arg(i), QStringLiteral("/suoni/%1.mp3").arg(i));
    }
    Set("Sponsor", "0");
    Set("Top", "1500");
    Set("Left", "3000");
    Start();
    const CommonSettings& m = console->common();
    EXPECT_EQ(QStringLiteral("ENG"), m.Languages.CurrentLanguage);
    EXPECT_FALSE(console->languageActions()[0]->isChecked());
    EXPECT_EQ(500, console->previewInterval());
    EXPECT_EQ(1, m.ActiveCheer);
    EXPECT_EQ(7, m.CheerDuration);
    EXPECT_EQ(7000, console->cheerInterval());
    EXPECT_EQ(QStringLiteral("/suoni/4.mp3"), m.CheerSounds[4]);
    EXPECT_EQ(0, m.SponsorBar);
    EXPECT_TRUE(console->display().isMaximized());
}

TEST_F(StartupTest, TheSlowestPreviewSpeedIsKept) {
    Set("ScoreBoardSpeed", "2000");
    Start();
    EXPECT_EQ(2000, console->previewInterval());
}

struct WrongValueCase {
    const char* key;
    const char* value;
};

class WrongValuesTest : public StartupTest, public ::testing::WithParamInterface<WrongValueCase> {};

TEST_P(WrongValuesTest, KeepTheDefaults) {
    Set(QString::fromUtf8(GetParam().key), QString::fromUtf8(GetParam().value));
    Start();
    const CommonSettings& m = console->common();
    EXPECT_EQ(200, console->previewInterval());
    EXPECT_EQ(1, m.SponsorBar);
    EXPECT_EQ(0, m.ActiveCheer);
    EXPECT_EQ(QStringLiteral("ITA"), m.Languages.CurrentLanguage);
    EXPECT_FALSE(console->display().isMaximized());
}

INSTANTIATE_TEST_SUITE_P(
    Settings, WrongValuesTest,
    ::testing::Values(WrongValueCase{"ScoreBoardSpeed", "abc"},
                      WrongValueCase{"ScoreBoardSpeed", "0"},
                      WrongValueCase{"ScoreBoardSpeed", "-5"},
                      WrongValueCase{"ScoreBoardSpeed", "99999"}, WrongValueCase{"Sponsor", "sì"},
                      WrongValueCase{"SndExultationEnabled", "1e9"}, WrongValueCase{"Language", ""},
                      WrongValueCase{"Top", "1500"}, WrongValueCase{"Left", "abc"}));

TEST_F(StartupTest, DisplayPositionNeedsBothValuesNonZero) {
    Set("Top", "0");
    Set("Left", "3000");
    Start();
    EXPECT_FALSE(console->display().isMaximized());
    EXPECT_EQ(DisplayOnSharedScreen(QGuiApplication::primaryScreen()->availableGeometry()),
              console->display().geometry());
}

TEST_F(StartupTest, DurationBeyondThirtyTwoKeepsTheTimerInterval) {
    Set("SndExultationDuration", "40");
    Start();
    EXPECT_EQ(40, console->common().CheerDuration);
    EXPECT_EQ(10000, console->cheerInterval());
}

TEST_F(StartupTest, DocumentsDataFolderNeedsAFileInItsHomeTeam) {
    const QString data = a.documents + QStringLiteral("/Brivanta");
    QDir().mkpath(data + QStringLiteral("/Teams/Home/sottocartella"));
    QDir().mkpath(data + QStringLiteral("/Teams/Aquile"));
    Start();
    EXPECT_EQ(a.program, console->common().DataFolder) << "a subfolder is not a file";

    Environment::CreateFile(data + QStringLiteral("/Teams/Home/team.csv"));
    console->load();
    EXPECT_EQ(QDir(a.documents).filePath(QStringLiteral("Brivanta")), console->common().DataFolder);
    EXPECT_EQ((QStringList{"Aquile", "Home"}), console->teamChoices(1));
}

TEST_F(StartupTest, NoDocumentsFolderFallsBackToTheProgram) {
    a.f.folders.documents.clear();
    Start();
    EXPECT_EQ(a.program, console->common().DataFolder);
}

TEST_F(StartupTest, MissingTeamsFolderKeepsTheLists) {
    Start();
    QDir(a.program + QStringLiteral("/Teams")).removeRecursively();
    console->load();
    EXPECT_EQ((QStringList{"Guests", "Home", "Lupi"}), console->teamChoices(0));
}

TEST_F(StartupTest, RunningAgainMidMatchKeepsTheMatchInPlace) {
    Start();
    Match& match = console->match();
    match.SetPoints = 3;
    for (int i = 0; i < 3; ++i) {
        console->changeScore(0);
    }
    console->changeScore(3);
    const QStringList history = HistoryLines(match.History);
    ASSERT_EQ(2, match.CurrentSet);
    console->load();
    EXPECT_EQ(2, match.CurrentSet);
    EXPECT_EQ(QStringLiteral("2° SET"), match.SetLabel);
    EXPECT_EQ(history, HistoryLines(match.History));
    EXPECT_EQ(history.size(), console->historyCount());
    EXPECT_EQ(history.size() - 1, console->selectedHistoryLine());
    EXPECT_EQ(QStringLiteral(" 3/ 0"), match.Partials[0]);
    EXPECT_EQ((std::array<int, 2>{1, 0}), match.SetsWon);
    EXPECT_EQ(QStringLiteral("1"), console->display().shownScore(1));
    EXPECT_EQ(3, match.SetPoints) << "rules are kept";
}

TEST_F(StartupTest, ConsoleResizedToHalfKeepsFonts) {
    Start();
    QWidget* area = console->centralWidget();
    const QRect before = console->scoreButton(0)->geometry();
    const double font = console->scoreFontSize(0);
    area->resize(area->width() / 2, area->height() / 2);
    console->layOutControls();
    const QRect after = console->scoreButton(0)->geometry();
    EXPECT_NEAR(before.x() / 2.0, after.x(), 1.0);
    EXPECT_NEAR(before.y() / 2.0, after.y(), 1.0);
    EXPECT_NEAR(before.width() / 2.0, after.width(), 1.0);
    EXPECT_NEAR(before.height() / 2.0, after.height(), 1.0);
    EXPECT_DOUBLE_EQ(font, console->scoreFontSize(0));
}

TEST_F(StartupTest, ConsoleRefusesToCloseFromTheTitleBar) {
    Start();
    console->show();
    a.f.dialogs.Expect(ConsoleMessages::UseExit);
    EXPECT_FALSE(console->close());
    EXPECT_TRUE(console->isVisible());
    EXPECT_FALSE(console->display().close()) << "the display refuses silently";
    EXPECT_TRUE(console->display().isVisible());
}

} // namespace
