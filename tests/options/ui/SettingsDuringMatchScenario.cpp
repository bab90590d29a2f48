// The settings during a match: the match, its teams and its rules survive every visit.
#include "options/ui/OptionsWindow.h"
#include "scenarios/TestConsole.h"

#include <QFile>
#include <QImage>

namespace {

class SettingsDuringMatch : public TestConsole {
  protected:
    SettingsDuringMatch() {
        QFile::copy(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv",
                    a.program + QStringLiteral("/Languages.csv"));
        const QString wolves = a.program + QStringLiteral("/Teams/Lupi");
        Environment::CreateFile(wolves + QStringLiteral("/team.csv"),
                                "7;Rossi;Mario;2-Centrale;C\r\n4;Bianchi;Luca;1-Alzatore;C\r\n");
        QImage logo(64, 64, QImage::Format_RGB32);
        logo.fill(Qt::blue);
        logo.save(wolves + QStringLiteral("/logo.jpg"), "JPG");
        Environment::CreateFile(a.program + QStringLiteral("/Teams/Orsi/team.csv"),
                                "12;Neri;Paolo;3-Libero;C\r\n");
        console.load();
        Choose(0, QStringLiteral("Lupi"));
        Choose(1, QStringLiteral("Orsi"));
    }
    void Choose(int side, const QString& name) {
        ASSERT_TRUE(console.selectTeam(side, name));
        console.chooseTeam(side);
        console.logos().Wait();
    }
    // The settings opened as the operator opens them, answered by `step`.
    void Settings(std::function<void(OptionsWindow&)> step) {
        a.f.modal.Expect([step](QDialog& d) { step(static_cast<OptionsWindow&>(d)); });
        console.window().openSettings();
        console.logos().Wait();
    }
    // The home logo the console and the display show, as pixels.
    QImage HomeLogo() { return console.shownLogo(0).toImage(); }
    void ExpectTeamsKept(const QImage& logo, const QStringList& homeRoster) {
        EXPECT_EQ(QStringLiteral("Lupi"), console.shownTeamName(0));
        EXPECT_EQ(QStringLiteral("Orsi"), console.shownTeamName(1));
        EXPECT_EQ(QStringLiteral("Lupi"), d.homeNameLabel()->text());
        EXPECT_EQ(QStringLiteral("Orsi"), d.guestsNameLabel()->text());
        EXPECT_EQ(homeRoster, console.rosterLines(0));
        EXPECT_EQ(2, console.rosterLines(1).size());
        EXPECT_EQ(2u, console.match().Rosters[0].size());
        EXPECT_EQ(logo, HomeLogo());
        EXPECT_NE(console.defaultLogo(0).cacheKey(), console.shownLogo(0).cacheKey());
    }
};

struct Visit {
    const char* name;
    int points; // played before the settings open
    bool done;  // closed with "Done", else Cancel
    int visits; // a second visit once lost logos and rosters too
};

void PrintTo(const Visit& v, std::ostream* out) {
    *out << v.name;
}

class SettingsClosed : public SettingsDuringMatch, public ::testing::WithParamInterface<Visit> {};

TEST_P(SettingsClosed, KeepTheMatchTheTeamsTheirLogosAndRosters) {
    const Visit v = GetParam();
    Points(0, v.points);
    const QImage logo = HomeLogo();
    const int lines = console.historyCount();
    const bool locked = console.match().Locked;
    for (int i = 0; i < v.visits; ++i) {
        Settings([&](OptionsWindow& f) {
            if (v.done) {
                f.saveAndClose();
            } else {
                f.cancel();
            }
        });
    }
    ExpectTeamsKept(logo, {QStringLiteral("E - Errore dell'avversario"),
                           QStringLiteral(" 7 Rossi Mario Centrale"),
                           QStringLiteral(" 4 Bianchi Luca Alzatore")});
    EXPECT_EQ(QString::number(v.points), console.shownScore(0));
    EXPECT_EQ(QString::number(v.points), d.scoreLabel(0)->text());
    EXPECT_EQ(lines, console.historyCount());
    EXPECT_EQ(locked, console.match().Locked);
    EXPECT_TRUE(a.f.dialogs.Shown.isEmpty()) << "no question ends the match";
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsClosed,
                         ::testing::Values(Visit{"NoPointDone", 0, true, 1},
                                           Visit{"NoPointCancel", 0, false, 1},
                                           Visit{"NoPointTwoVisits", 0, true, 2},
                                           Visit{"PointsDone", 3, true, 1},
                                           Visit{"PointsCancel", 3, false, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LanguageChange {
    const char* name;
    int points;
    bool fromSettings; // else from the Language menu
};

void PrintTo(const LanguageChange& c, std::ostream* out) {
    *out << c.name;
}

class LanguageChanged : public SettingsDuringMatch,
                        public ::testing::WithParamInterface<LanguageChange> {};

TEST_P(LanguageChanged, KeepsTheTeamsWithRostersInTheNewLanguage) {
    const LanguageChange c = GetParam();
    Points(3, c.points);
    const QImage logo = HomeLogo();
    if (c.fromSettings) {
        Settings([](OptionsWindow& f) {
            f.languageCombo->setCurrentIndex(1);
            f.saveAndClose();
        });
    } else {
        console.chooseLanguage(1);
        console.logos().Wait();
    }
    EXPECT_EQ(QStringLiteral("Exit"), console.exitCaption());
    ExpectTeamsKept(logo, {QStringLiteral("E - Opponent's error"),
                           QStringLiteral(" 7 Rossi Mario Middle"),
                           QStringLiteral(" 4 Bianchi Luca Setter")});
    EXPECT_EQ(QString::number(c.points), console.shownScore(1));
}

INSTANTIATE_TEST_SUITE_P(Cases, LanguageChanged,
                         ::testing::Values(LanguageChange{"MenuNoPoint", 0, false},
                                           LanguageChange{"MenuMidMatch", 2, false},
                                           LanguageChange{"SettingsMidMatch", 2, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsDuringMatch, RulesAreLockedWhileAMatchIsUnderWayAndSayWhy) {
    struct Case {
        const char* name;
        std::function<void()> before;
        bool locked;
    };
    const Case cases[] = {
        {"before the match", [] {}, false},
        {"console locked, no point yet", [this] { console.toggleLock(); }, true},
        {"points played", [this] { Points(0, 2); }, true},
    };
    console.chooseLanguage(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.before();
        Settings([&](OptionsWindow& f) {
            for (QWidget* rule : std::initializer_list<QWidget*>{
                     f.setsCombo, f.pointsCombo, f.tieBreakCombo, f.courtChangeCheck,
                     f.restoreButton, f.teamsButton}) {
                EXPECT_EQ(!c.locked, rule->isEnabled()) << rule->metaObject()->className();
                EXPECT_EQ(c.locked, rule->toolTip().contains(QStringLiteral("under way")));
            }
            if (c.locked) {
                EXPECT_EQ(
                    QStringLiteral("The match rules cannot be changed while a match is under way"),
                    f.setsCombo->toolTip());
            }
            for (QWidget* other : std::initializer_list<QWidget*>{
                     f.languageCombo, f.speedBar, f.sponsorButton, f.soundsButton, f.Live,
                     f.venueFrame, f.defaultColoursButton, f.screenCombo, f.doneButton}) {
                EXPECT_TRUE(other->isEnabled()) << other->metaObject()->className();
            }
            // Even a rule changed behind the locked field does not reach the match.
            f.setsCombo->setCurrentIndex(2);
            f.pointsCombo->setCurrentIndex(0);
            f.saveAndClose();
        });
        EXPECT_EQ(c.locked ? 5 : 1, console.match().TotalSets);
        EXPECT_EQ(c.locked ? 25 : 15, console.match().SetPoints);
        console.match().TotalSets = 5;
        console.match().SetPoints = 25;
    }
}

TEST_F(SettingsDuringMatch, MenusOfferDuringAMatchWhatLeavesItAlone) {
    struct Item {
        const char* caption;
        bool duringMatch;
    };
    const Item items[] = {
        {"Nuova Partita ...", false},
        {"Carica Partita ...", false},
        {"Gestione delle squadre ...", false},
        {"Importa squadra…", false},
        {"Esci", false},
        {"Importa impostazioni ...", false},
        {"Salva Partita ...", true},
        {"Gestione dei suoni ed effetti sonori ...", true},
        {"Gestione immagini degli sponsor ...", true},
        {"Salva impostazioni", true},
        {"Ultimi 4 punti ...", true},
        {"Tasti ...", true},
        {"Remote ...", true},
        {"Esporta impostazioni ...", true},
        {"Italiano", true},
    };
    for (const Item& item : items) {
        EXPECT_EQ(true, console.menuItemEnabled(QString::fromUtf8(item.caption))) << item.caption;
    }
    Points(0, 1);
    for (const Item& item : items) {
        EXPECT_EQ(item.duringMatch, console.menuItemEnabled(QString::fromUtf8(item.caption)))
            << item.caption;
    }
}

} // namespace
