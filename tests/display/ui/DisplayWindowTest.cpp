#include "display/ui/DisplayWindow.h"
#include "doppi/Doppi.h"
#include "doppi/Stampa.h"
#include "match/Partita.h"
#include "platform/Piattaforma.h"
#include "shared/Modulo1.h"
#include "sound/Audio.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DisplayWindowTest : public ::testing::Test {
protected:
    DisplayWindowTest() : display(f.piattaforma, p, m, lettore) {
        QObject::connect(&display, &DisplayWindow::Ridimensionato, [this] { ++richiesteSponsor; });
    }

    // The window's outer size as a multiple of its designed 7335 x 3930 twips.
    void Dimensiona(double fx, double fy) {
        const QSize bordi = display.frameGeometry().size() - display.size();
        display.resize(static_cast<int>(489 * fx) - bordi.width(),
                       static_cast<int>(262 * fy) - bordi.height());
        display.Form_Resize();
    }

    PiattaformaFinta f;
    ImpostazioniFinte& impostazioni = f.impostazioni;
    Partita p;
    Modulo1 m;
    Lettore lettore{f.audio, f.dialoghi};
    int richiesteSponsor = 0;
    DisplayWindow display;
};

TEST_F(DisplayWindowTest, RecordsTheDesignOfEveryControl) {
    const GeometriaControlli& g = display.Geometria();
    EXPECT_FLOAT_EQ(7335, g[0].Width) << "the outer size, borders and title bar included";
    EXPECT_FLOAT_EQ(3930, g[0].Height);
    const GeometriaControllo& ultimoTimer = g.back();
    EXPECT_FLOAT_EQ(0, ultimoTimer.Width);
    EXPECT_FLOAT_EQ(0, ultimoTimer.FontSize);
}

TEST_F(DisplayWindowTest, TwiceTheDesignSizeDoublesPositionsSizesAndFonts) {
    Dimensiona(1, 1);
    const QRect prima = display.LabScore[0]->geometry();
    Dimensiona(2, 2);
    EXPECT_DOUBLE_EQ(127.5, display.LabScore[0]->font().pointSizeF());
    EXPECT_DOUBLE_EQ(31.5, display.homeNameLabel->font().pointSizeF());
    const QRect dopo = display.LabScore[0]->geometry();
    EXPECT_NEAR(prima.x() * 2, dopo.x(), 1);
    EXPECT_NEAR(prima.width() * 2, dopo.width(), 1);
    EXPECT_NEAR(prima.height() * 2, dopo.height(), 1);
    EXPECT_GE(richiesteSponsor, 1);
}

TEST_F(DisplayWindowTest, WiderButNotTallerScalesFontsByWidthOnly) {
    Dimensiona(1, 1);
    const int altezza = display.LabScore[0]->height();
    Dimensiona(3, 1);
    EXPECT_NEAR(191.25, display.LabScore[0]->font().pointSizeF(), 0.01);
    EXPECT_NEAR(altezza, display.LabScore[0]->height(), 1);
}

TEST_F(DisplayWindowTest, ResizeDiscardsMovedPanels) {
    Dimensiona(1, 1);
    const QPoint riposo = display.overlayPanels[1]->pos();
    display.overlayPanels[1]->move(0, 0);
    display.Form_Resize();
    EXPECT_EQ(riposo, display.overlayPanels[1]->pos());
}

TEST_F(DisplayWindowTest, OnlyAMaximisedDisplayStoresItsPosition) {
    display.show();
    display.Form_Resize();
    EXPECT_TRUE(impostazioni.valori.isEmpty());
    display.showMaximized();
    display.Form_Resize();
    EXPECT_TRUE(impostazioni.valori.contains(QStringLiteral("Top")));
    EXPECT_TRUE(impostazioni.valori.contains(QStringLiteral("Left")));
    impostazioni.valori.clear();
    display.showMinimized();
    richiesteSponsor = 0;
    display.Form_Resize();
    EXPECT_TRUE(impostazioni.valori.isEmpty());
    EXPECT_EQ(0, richiesteSponsor) << "minimised: nothing happens";
}

TEST_F(DisplayWindowTest, BannerIsCentredAtTheTopOrParkedBeyondTheRightEdge) {
    p.Tabellone.Banner = true;
    p.Tabellone.TestoBanner = QStringLiteral("SET POINT");
    display.Aggiorna();
    const int w = display.bannerIcon->width();
    EXPECT_EQ(display.frameGeometry().width() / 2 - w / 2 - 3, display.bannerIcon->x())
        << "50 twips left of centre";
    EXPECT_EQ(0, display.bannerIcon->y());
    EXPECT_EQ(static_cast<int>(w * 164.0 / 640.0), display.bannerIcon->height());
    EXPECT_EQ(QStringLiteral("SET POINT"), display.bannerText->text());
    p.Tabellone.Banner = false;
    display.Aggiorna();
    EXPECT_EQ(display.width() + 1000, display.bannerIcon->x());
    EXPECT_EQ(display.width() + 1000, display.bannerFrame->x());
}

TEST_F(DisplayWindowTest, ScorerPhotoThatIsNotAPictureGivesTheDefault) {
    QTemporaryDir cartella;
    const QString falsa = cartella.filePath(QStringLiteral("7.jpg"));
    QFile file(falsa);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    p.FotoMarcatore = falsa;
    display.Aggiorna();
    // Decoded on a worker: the failure arrives like a picture would.
    display.FotoPreparate().Attendi();
    EXPECT_EQ(display.scorerBall->pixmap().cacheKey(), display.scorerPhoto->pixmap().cacheKey());
    EXPECT_EQ(static_cast<int>(display.width() / 1.6), display.scorerPhoto->width());
}

TEST_F(DisplayWindowTest, ShowsTheRecord) {
    p.Tabellone.Punti = {QStringLiteral("25"), QStringLiteral("23")};
    p.Tabellone.Nome = {QStringLiteral("Lupi"), QStringLiteral("Orsi")};
    p.Tabellone.Marcatore = {false, true};
    p.SetVinti = {1, 0};
    p.TimeChiesti = {2, 1};
    p.Parziali[0] = QStringLiteral("25/23");
    display.show();
    display.Aggiorna();
    EXPECT_EQ(QStringLiteral("25"), display.LabScore[0]->text());
    EXPECT_EQ(QStringLiteral("Orsi"), display.guestsNameLabel->text());
    EXPECT_EQ(QStringLiteral("1"), display.setsWonLabels[0]->text());
    EXPECT_EQ(QStringLiteral("1"), display.timeoutLabels[1]->text());
    EXPECT_EQ(QStringLiteral("25/23"), display.partialLabels[0]->text());
    EXPECT_FALSE(display.scoreFrames[0]->isVisible());
    EXPECT_TRUE(display.scoreFrames[1]->isVisible());
}

} // namespace
