#include "display/ui/DisplayWindow.h"
#include "doppi/Doppi.h"
#include "doppi/Stampa.h"
#include "match/Partita.h"
#include "shared/Modulo1.h"
#include "sound/Audio.h"
#include "shared/ui/Immagini.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Pictures of distinct sizes so a slot tells which one it shows.
void Immagine(const QString& percorso, int larghezza, int altezza) {
    QDir().mkpath(QFileInfo(percorso).path());
    QImage immagine(larghezza, altezza, QImage::Format_RGB32);
    immagine.fill(Qt::darkGreen);
    ASSERT_TRUE(immagine.save(percorso, "JPG"));
}

class BandaTest : public ::testing::Test {
protected:
    BandaTest() {
        m.CartellaDati = dati.path();
        sponsor = dati.filePath(QStringLiteral("Sponsors"));
    }
    void Sponsor(int quanti) {
        for (int i = 0; i < quanti; ++i) {
            Immagine(QDir(sponsor).filePath(QStringLiteral("s%1.jpg").arg(i)), 160, 90 + i);
        }
    }
    // A display of its own, created once the folder is ready.
    DisplayWindow& Display() {
        display = std::make_unique<DisplayWindow>(f.piattaforma, p, m, lettore);
        display->resize(1040, 540);
        display->Form_Resize();
        display->SponsorPreparati().Attendi();
        return *display;
    }
    int Altezza(int k) const { return display->sponsorSlots[k]->pixmap().height(); }

    QTemporaryDir dati;
    QString sponsor;
    PiattaformaFinta f;
    Partita p;
    Modulo1 m;
    Lettore lettore{f.audio, f.dialoghi};
    std::unique_ptr<DisplayWindow> display;
};

TEST_F(BandaTest, NoSponsorFolderSwitchesTheBandOffForTheRun) {
    Display();
    EXPECT_EQ(0, m.BarraSponsor);
}

TEST_F(BandaTest, FirstFiveFillTheSlotsAtTheirWidthAndTheLogoItsOwn) {
    Sponsor(7);
    Immagine(QDir(sponsor).filePath(QStringLiteral("HEADER_LOGO.jpg")), 400, 200);
    DisplayWindow& d = Display();
    EXPECT_EQ(1, m.BarraSponsor);
    EXPECT_EQ(7, d.Banda().NumeroSponsor);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(d.width() * 10 / 52, d.sponsorSlots[k]->width()) << k;
        EXPECT_FALSE(d.sponsorSlots[k]->pixmap().isNull()) << k;
    }
    EXPECT_EQ(static_cast<int>(d.width() / 3.7), d.headerLogo->width());
    EXPECT_EQ(d.headerLogo->width() / 2, d.headerLogo->height());
}

TEST_F(BandaTest, SevenPicturesRotateSlotBySlot) {
    Sponsor(7);
    DisplayWindow& d = Display();
    const int slot0 = Altezza(0);
    d.sponsorTick();
    EXPECT_NE(slot0, Altezza(0)) << "slot 0 shows the sixth";
    d.SponsorPreparati().Attendi();
    const int slot1 = Altezza(1);
    d.sponsorTick();
    EXPECT_NE(slot1, Altezza(1)) << "slot 1 shows the seventh";
    d.sponsorTick();
    EXPECT_EQ(slot0, Altezza(2)) << "slot 2 shows the first again";
}

TEST_F(BandaTest, ADeletedPictureStopsTheRotationWhenItsTurnComes) {
    Sponsor(6);
    DisplayWindow& d = Display();
    QFile::remove(QDir(sponsor).filePath(QStringLiteral("s5.jpg")));
    d.sponsorTimer.start();
    d.sponsorTick();
    EXPECT_FALSE(d.sponsorTimer.isActive());
}

TEST_F(BandaTest, BandOffLaysTheScoresOutOverTheWholeHeight) {
    Sponsor(2);
    m.BarraSponsor = 0;
    DisplayWindow& d = Display();
    d.LayoutSenzaSponsor();
    EXPECT_FALSE(d.sponsorSlots[0]->isVisible());
    EXPECT_FALSE(d.sponsorTimer.isActive());
    EXPECT_NEAR(d.width() / 2, d.LabScore[0]->width(), 1);
    EXPECT_EQ(0, d.LabScore[0]->x());
    EXPECT_NEAR(d.height() - d.height() / 7, d.homeNameLabel->y(), 1);
    EXPECT_TRUE(d.sponsorSlots[0]->pixmap().isNull()) << "a band that is off fills no slot";
}

TEST_F(BandaTest, BandOnLeavesTheLayoutAlone) {
    Sponsor(2);
    DisplayWindow& d = Display();
    const QRect prima = d.LabScore[0]->geometry();
    d.LayoutSenzaSponsor();
    EXPECT_EQ(prima, d.LabScore[0]->geometry());
}

struct CasoOstile {
    const char* nome;
    QByteArray dati;
};

// A real JPEG header with its size rewritten to 30000 x 30000.
QByteArray JpegEnorme() {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("p.jpg"));
    Immagine(percorso, 16, 16);
    QFile file(percorso);
    file.open(QIODevice::ReadOnly);
    QByteArray dati = file.readAll();
    const qsizetype sof = dati.indexOf(QByteArray("\xFF\xC0", 2));
    dati[sof + 5] = static_cast<char>(0x75);
    dati[sof + 6] = static_cast<char>(0x30);
    dati[sof + 7] = static_cast<char>(0x75);
    dati[sof + 8] = static_cast<char>(0x30);
    return dati;
}

QByteArray JpegTroncato() {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("p.jpg"));
    Immagine(percorso, 400, 300);
    QFile file(percorso);
    file.open(QIODevice::ReadOnly);
    return file.readAll().left(300);
}

TEST(ImmaginiOstiliTest, GiveNothingAndNeverCrash) {
    QTemporaryDir cartella;
    for (const CasoOstile& c : {CasoOstile{"vuoto.jpg", QByteArray()},
                                CasoOstile{"testo.jpg", "non sono una foto"},
                                CasoOstile{"enorme.jpg", JpegEnorme()}}) {
        const QString percorso = cartella.filePath(QString::fromUtf8(c.nome));
        QFile file(percorso);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.dati);
        file.close();
        EXPECT_TRUE(DecodificaImmagine(percorso, 300).isNull()) << c.nome;
    }
    const QString troncato = cartella.filePath(QStringLiteral("troncato.jpg"));
    QFile file(troncato);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(JpegTroncato());
    file.close();
    DecodificaImmagine(troncato, 300);
    EXPECT_TRUE(DecodificaImmagine(cartella.filePath(QStringLiteral("manca.jpg")), 300).isNull());
}

TEST(ImmaginiTest, DecodedNoWiderThanShown) {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("foto.jpg"));
    Immagine(percorso, 800, 600);
    EXPECT_EQ(QSize(200, 150), DecodificaImmagine(percorso, 200).size());
    EXPECT_EQ(QSize(800, 600), DecodificaImmagine(percorso, 1600).size()) << "never enlarged";
    CacheImmagini cache;
    EXPECT_FALSE(cache.Pronta(percorso, 200));
    cache.Prepara(percorso, 200);
    cache.Attendi();
    ASSERT_TRUE(cache.Pronta(percorso, 200));
    EXPECT_EQ(200, cache.Pronta(percorso, 200)->width());
}

} // namespace
