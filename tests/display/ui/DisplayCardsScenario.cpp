// The countdown and the result drawn inside the display at a TV's size, in the hall's language:
// no window manager can keep them behind the full-screen display.
#include "console/Messages.h"
#include "display/ui/CountdownOverlay.h"
#include "display/ui/WinnerOverlay.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"
#include "match/Messages.h"
#include "match/Timeout.h"

#include <QFile>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

// A console in `language` on the shipped language table, Aquile Volley against Lupi Neri, its
// display 1920 x 1080.
struct Hall {
    explicit Hall(const char* language) {
        QFile::copy(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv",
                    a.program + QStringLiteral("/Languages.csv"));
        a.f.settings.values[QStringLiteral("Language")] = QString::fromLatin1(language);
        for (const char* team : {"Aquile Volley", "Lupi Neri"}) {
            Environment::CreateFile(a.program + QStringLiteral("/Teams/") +
                                        QString::fromLatin1(team) + QStringLiteral("/team.csv"),
                                    "7;Rossi;Mario;2-Centrale;C\r\n");
        }
        console.load();
        Choose(0, QStringLiteral("Aquile Volley"));
        Choose(1, QStringLiteral("Lupi Neri"));
        console.display().resize(1920, 1080);
    }
    void Choose(int side, const QString& name) {
        EXPECT_TRUE(console.selectTeam(side, name)) << name.toStdString();
        console.chooseTeam(side);
        console.logos().Wait();
    }

    Environment a;
    ConsoleProbe console{a.f.platform};
};

// A label's text, every line of it, inside the label at the label's font.
void ExpectFits(const QLabel* label) {
    const QSize text = QFontMetrics(label->font()).size(0, label->text());
    EXPECT_LE(text.width(), label->contentsRect().width()) << label->text().toStdString();
    EXPECT_LE(text.height(), label->contentsRect().height()) << label->text().toStdString();
}

// A card of the display, on it and of it, as large as a hall needs.
void ExpectOnTheDisplay(QWidget* card, DisplayProbe display) {
    EXPECT_EQ(&display.window(), card->parentWidget());
    EXPECT_FALSE(card->isWindow());
    EXPECT_TRUE(card->isVisible());
    EXPECT_TRUE(QRect(QPoint(), display.size()).contains(card->geometry()));
    EXPECT_GE(card->height(), display.height() * 2 / 5);
}

TEST(DisplayCards, TheTimeoutCountdownIsOnTheDisplayNamingTheTeamInItsLanguage) {
    const struct {
        const char* language;
        const char* text;
    } cases[] = {
        {"ITA", "Tempo Aquile Volley\n1° Richiesta"},
        {"ENG", "Timeout Aquile Volley\n1st request"},
        {"FRA", "Temps mort Aquile Volley\n1re demande"},
        {"DEU", "Auszeit Aquile Volley\n1. Anfrage"},
        {"ESP", "Tiempo muerto Aquile Volley\n1ª petición"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        Hall hall(c.language);
        ConsoleProbe& console = hall.console;
        console.changeScore(0);
        ASSERT_FALSE(console.grantTimeout(0).has_value());
        CountdownOverlay* countdown = console.countdown();
        ASSERT_NE(nullptr, countdown);
        EXPECT_EQ(QString::fromUtf8(c.text), console.countdownReason());
        ExpectOnTheDisplay(countdown, console.display());
        ExpectFits(console.countdownReasonLabel());
        ExpectFits(console.countdownSecondsLabel());
        // Seconds a fifth of the screen tall and the request a twentieth: read from 20 m.
        EXPECT_GE(console.countdownSecondsLabel()->font().pixelSize(), 1080 / 5);
        EXPECT_GE(console.countdownReasonLabel()->font().pixelSize(), 1080 / 20);
    }
}

TEST(DisplayCards, TheCountdownFollowsTheDisplayAndGoesWhenItEnds) {
    Hall hall("ENG");
    ConsoleProbe& console = hall.console;
    console.changeScore(0);
    ASSERT_FALSE(console.grantTimeout(1).has_value());
    EXPECT_EQ(QStringLiteral("Timeout Lupi Neri\n1st request"), console.countdownReason());
    console.display().resize(1280, 720);
    ExpectOnTheDisplay(console.countdown(), console.display());
    ExpectFits(console.countdownReasonLabel());
    for (int i = 0; i < TickCountdown; ++i) {
        console.countdownTick();
    }
    EXPECT_TRUE(console.countdown()->isOpen());
    console.countdownTick();
    EXPECT_FALSE(console.countdown()->isOpen()) << "the scores are free again";
    EXPECT_FALSE(console.countdown()->isVisible());
}

TEST(DisplayCards, TheWinnerIsOnTheDisplayFromTheMatchsEndToTheNextMatch) {
    const struct {
        const char* language;
        const char* winner;
    } cases[] = {
        {"ENG", "Aquile Volley wins 3–0"},
        {"DEU", "Aquile Volley gewinnt 3–0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        Hall hall(c.language);
        ConsoleProbe& console = hall.console;
        DisplayProbe display = console.display();
        for (int i = 0; i < 74; ++i) {
            console.changeScore(0);
        }
        EXPECT_TRUE(display.winnerCard()->isHidden()) << "not before the last point";
        const LanguageTable& languages = console.common().Languages;
        hall.a.f.dialogs.Expect(languages.Translate(QString::fromUtf8(MatchMessages::WonBy)) +
                                QStringLiteral(" Aquile Volley"));
        hall.a.f.dialogs.Expect(
            languages.Translate(QString::fromUtf8(ConsoleMessages::ReportQuestion)), Answer::No);
        console.changeScore(0);
        ASSERT_TRUE(console.match().MatchOver);
        ExpectOnTheDisplay(display.winnerCard(), display);
        EXPECT_EQ(QString::fromUtf8(c.winner), display.winnerLine()->text());
        EXPECT_EQ(QString::fromUtf8("25–0   25–0   25–0"), display.setsLine()->text());
        ExpectFits(display.winnerLine());
        ExpectFits(display.setsLine());
        EXPECT_GE(display.winnerLine()->font().pixelSize(), 1080 / 12);

        console.newMatch();
        EXPECT_TRUE(display.winnerCard()->isHidden()) << "a new match starts on a clear board";
    }
}

} // namespace
