#include "display/Animazioni.h"
#include "display/LayoutSenzaSponsor.h"
#include "display/Sponsor.h"

#include "doppi/Stampa.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::vector<QString> Orologio(int setCorrente, const std::array<QString, 5>& parziali, int tick) {
    CicloOrologio c;
    QString etichetta = QStringLiteral("--");
    std::vector<QString> mostrati;
    for (int i = 0; i < tick; ++i) {
        if (auto t = TickOrologio(c, setCorrente, parziali, QStringLiteral("15:42:10"))) {
            etichetta = *t;
        }
        mostrati.push_back(etichetta);
    }
    return mostrati;
}

TEST(OrologioTest, FirstSetShowsOnlyTheClock) {
    for (const QString& t : Orologio(1, {}, 12)) {
        EXPECT_EQ(QStringLiteral("15:42"), t);
    }
}

TEST(OrologioTest, FinishedSetsTakeTurnsWithTheClock) {
    const std::array<QString, 5> parziali{"25/16", "20/25", "", "", ""};
    const auto t = Orologio(3, parziali, 15);
    const std::vector<QString> attesi{"15:42", "15:42", "15:42", "1s 25/16", "1s 25/16",
                                      "15:42", "15:42", "15:42", "2s 20/25", "2s 20/25",
                                      "15:42", "15:42", "15:42", "15:42",    "15:42"};
    EXPECT_EQ(attesi, t);
}

TEST(ScorrimentoTest, RisesStaysSinksAndParks) {
    const int altezza = 3315;
    int tick = 0;
    int top = 6720;
    int ticksToTop = 0;
    for (int i = 1; i <= 400; ++i) {
        const PassoScorrimento p = Scorri(tick, top, altezza);
        top = p.Top;
        if (top == 0 && ticksToTop == 0) {
            ticksToTop = i;
        }
        if (i == 299) {
            EXPECT_EQ(0, top) << "up until tick 299";
        }
        EXPECT_EQ(i == 400, p.Fine) << i;
    }
    EXPECT_EQ(27, ticksToTop) << "ceil(6720 / 250)";
    EXPECT_EQ(altezza + 300, top);
    EXPECT_EQ(0, tick);
}

TEST(CorniceTest, CyclesOneToSevenThenZero) {
    int c = 0;
    std::vector<int> visti;
    for (int i = 0; i < 9; ++i) {
        c = ProssimoColoreCornice(c);
        visti.push_back(c);
    }
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0, 1}), visti);
}

TEST(SponsorTest, AcceptedNamesByTheirLastFourCharacters) {
    struct Caso {
        const char* nome;
        bool accettato;
    };
    for (const Caso c : {Caso{"a.jpg", true}, Caso{"b.Jpg", true}, Caso{"c.GIF", true},
                         Caso{"d.bmp", true}, Caso{"e.jpeg", false}, Caso{"f.png", false},
                         Caso{"header_logo.JPG", false}, Caso{"jpg", false}}) {
        EXPECT_EQ(c.accettato, FileSponsorAccettato(QString::fromUtf8(c.nome))) << c.nome;
    }
}

TEST(SponsorTest, ListingSeparatesTheLogoAndCapsAtAHundred) {
    QTemporaryDir dati;
    const QString cartella = dati.filePath(QStringLiteral("Sponsors"));
    EXPECT_TRUE(ElencaSponsor(dati.path()).Vuota) << "no folder";
    QDir().mkpath(cartella);
    auto crea = [&](const QString& nome) {
        QFile f(QDir(cartella).filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    crea(QStringLiteral("HEADER_LOGO.jpg"));
    EXPECT_FALSE(ElencaSponsor(dati.path()).Vuota) << "the logo alone keeps the band on";
    EXPECT_TRUE(ElencaSponsor(dati.path()).File.isEmpty());
    for (int i = 0; i < 120; ++i) {
        crea(QStringLiteral("s%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
    }
    crea(QStringLiteral("note.txt"));
    const ElencoSponsor e = ElencaSponsor(dati.path());
    EXPECT_EQ(100, e.File.size());
    EXPECT_TRUE(e.File.first().endsWith(QStringLiteral("s000.jpg")));
    EXPECT_TRUE(e.Logo.endsWith(QStringLiteral("HEADER_LOGO.jpg")));
}

TEST(SponsorTest, SixPicturesRotateSlotBySlot) {
    StatoBanda b;
    EXPECT_EQ(4, AvviaBanda(b, {"A", "B", "C", "D", "E", "F"}));
    std::vector<std::pair<int, int>> passi;
    for (int i = 0; i < 7; ++i) {
        const auto p = ProssimoPasso(b, 1);
        ASSERT_TRUE(p);
        passi.emplace_back(p->Slot, p->Indice);
        AvanzaBanda(b);
    }
    EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 5}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {0, 4},
                                                 {1, 5}}),
              passi);
}

TEST(SponsorTest, FiveOrFewerDoNotRotateNorDoesABandThatIsOff) {
    StatoBanda b;
    EXPECT_EQ(0, AvviaBanda(b, {"A"}));
    EXPECT_FALSE(ProssimoPasso(b, 1));
    EXPECT_EQ(-1, AvviaBanda(b, {}));
    AvviaBanda(b, {"A", "B", "C", "D", "E", "F", "G"});
    EXPECT_FALSE(ProssimoPasso(b, 0));
}

TEST(LayoutSenzaSponsorTest, ScoresTakeTheHalvesAndNamesTheBottomStrip) {
    ControlliSenzaSponsor c;
    c.LabScore[0] = {1980, 1200, 1635, 1575, 63.75f};
    c.LabScore[1] = {3600, 1200, 1635, 1575, 63.75f};
    c.teamLogos[0].Height = 1185;
    c.teamLogos[1].Height = 1185;
    c.setsWonLabels[0].Width = 255;
    c.setsWonLabels[1].Width = 255;
    const double W = 7080, H = 3500;
    LayoutSenzaSponsor(c, W, H);
    EXPECT_FLOAT_EQ(H - 1185 - H / 7, c.LabScore[0].Height);
    EXPECT_FLOAT_EQ(0, c.LabScore[0].Left);
    EXPECT_FLOAT_EQ(W / 2, c.LabScore[0].Width);
    EXPECT_FLOAT_EQ(3600, c.LabScore[1].Left);
    EXPECT_FLOAT_EQ(c.LabScore[0].Height / 22, c.LabScore[0].FontSize);
    EXPECT_FLOAT_EQ(H - H / 7, c.homeNameLabel.Top);
    EXPECT_FLOAT_EQ(H / 7, c.guestsNameLabel.Height);
    EXPECT_FLOAT_EQ(3600, c.guestsNameLabel.Left);
    EXPECT_FLOAT_EQ(1250, c.sideIcons[3].Top);
    EXPECT_FLOAT_EQ(1100, c.setsWonLabels[1].Top);
    EXPECT_FLOAT_EQ(W - 250 - 150 - 255, c.setsWonLabels[1].Left);
    EXPECT_FLOAT_EQ(W / 2 - 200, c.scoreFrames[1].Width);
}

} // namespace
