#include "console/ui/ConsoleWindow.h"
#include "display/Colori.h"
#include "display/ui/DisplayWindow.h"
#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"

#include <gtest/gtest.h>

namespace {

// Pixels that differ from `fondo`; with no colour given, pixels lighter than `luce`.
int Inchiostro(const QImage& figura, int luce, QColor fondo = {}) {
    int n = 0;
    for (int y = 0; y < figura.height(); ++y) {
        for (int x = 0; x < figura.width(); ++x) {
            const QColor c = figura.pixelColor(x, y);
            n += fondo.isValid() ? c != fondo : c.lightness() > luce;
        }
    }
    return n;
}

// What the hall sees on the display, read back from a grab of the window.
class AspettoTest : public ::testing::Test {
protected:
    void Avvia() {
        console = std::make_unique<ConsoleWindow>(a.f.piattaforma);
        console->Form_Load();
    }
    DisplayWindow& Display() { return console->Tabellone(); }
    QImage Grab() { return Display().grab().toImage(); }

    Ambiente a;
    std::unique_ptr<ConsoleWindow> console;
};

TEST_F(AspettoTest, StoredColoursAreOnTheDisplayFromTheFirstFrame) {
    ColoriPannello scuri = ColoriPredefiniti();
    scuri[Sfondo] = 0x401010;
    scuri[NomeCasa] = 0x800000;
    scuri[TestoCasa] = 0xFFFFFF;
    scuri[TestoOspiti] = 0xFFFFFF;
    a.f.impostazioni.valori[QStringLiteral("Serial")] = CostruisciSerial(scuri);
    Avvia();
    EXPECT_EQ(QColor(0x10, 0x10, 0x40), Grab().pixelColor(2, 2)) << "the board's background";
    Display().ensurePolished();
    const QPoint nome = Display().homeNameLabel->geometry().topLeft() + QPoint(2, 2);
    EXPECT_EQ(QColor(0, 0, 0x80), Grab().pixelColor(nome)) << "the home name's panel";
    // The clock on the dark board turns light; the counters take their panel's text colour.
    for (QLabel* e : {Display().clockLabel, Display().setsWonLabels[0], Display().timeoutLabels[1]}) {
        e->setText(QStringLiteral("88"));
        EXPECT_GT(Inchiostro(e->grab().toImage(), 200), 20) << e->objectName().toStdString();
    }
}

TEST_F(AspettoTest, NamesLeanTowardsTheCentreAfterEveryLayout) {
    Avvia();
    DisplayWindow& d = Display();
    const auto verso = [&] {
        return std::pair{d.statisticsHomeNames[0]->alignment() & Qt::AlignHorizontal_Mask,
                         d.statisticsGuestsNames[0]->alignment() & Qt::AlignHorizontal_Mask};
    };
    EXPECT_EQ(std::pair(Qt::Alignment(Qt::AlignRight), Qt::Alignment(Qt::AlignLeft)), verso())
        << "at creation";
    d.resize(d.width() + 40, d.height());
    d.Form_Resize();
    EXPECT_EQ(std::pair(Qt::Alignment(Qt::AlignRight), Qt::Alignment(Qt::AlignLeft)), verso())
        << "after a resize";
    d.GiraTabellone();
    EXPECT_EQ(std::pair(Qt::Alignment(Qt::AlignLeft), Qt::Alignment(Qt::AlignRight)), verso())
        << "swapped: home names on the right lean left";
}

TEST_F(AspettoTest, ThePresentationCardIsOutOfSightAfterEveryLayout) {
    Avvia();
    DisplayWindow& d = Display();
    d.AvviaOFermaPresentazione();
    d.AvviaOFermaPresentazione();
    d.presentationTick();
    ASSERT_FALSE(d.presentationTimer.isActive());
    d.Form_Resize();
    EXPECT_GE(d.presentationCard->x(), d.width()) << "after a resize";
    d.zooma(false);
    EXPECT_GE(d.presentationCard->x(), d.width()) << "after Zoom All";
    d.PassoZoom(true);
    EXPECT_GE(d.presentationCard->x(), d.width()) << "after Zoom +";
}

TEST_F(AspettoTest, TheLeadingTeamPanelShowsOneNumberAndTheTeamPicture) {
    Avvia();
    DisplayWindow& d = Display();
    d.MostraSquadraInTesta(0, QStringLiteral("Squadra in testa"), QString(), QStringLiteral("0-0"),
                           QStringLiteral("12 - 10"));
    const QImage ombra = d.scorerNumberBackdrop->grab().toImage();
    EXPECT_EQ(0, Inchiostro(ombra, 0, ombra.pixelColor(0, 0)))
        << "the shadow label carries only the side's colour";
    EXPECT_EQ(QPixmap(QStringLiteral(":/teams/squadra.png")).toImage(),
              d.scorerPhoto->pixmap().toImage())
        << "no team photo: the team editor's default picture";
    console->Match().Tabellone.Pannello.Titolo = QStringLiteral("Lupi : Ace");
    d.Aggiorna();
    EXPECT_EQ(QStringLiteral("Squadra in testa"), d.scorerTitle->text())
        << "a console refresh leaves the overlay as filled";
}

} // namespace
