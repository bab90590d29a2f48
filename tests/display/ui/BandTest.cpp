#include "display/LayoutWithoutSponsor.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/DisplayProbe.h"
#include "doubles/Doubles.h"
#include "doubles/Printing.h"
#include "match/Match.h"
#include "shared/CommonSettings.h"
#include "shared/ui/Images.h"
#include "sound/Audio.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Pictures of distinct sizes so a slot tells which one it shows.
void Image(const QString& path, int width, int height) {
    QDir().mkpath(QFileInfo(path).path());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(path, "JPG"));
}

class BandTest : public ::testing::Test {
  protected:
    BandTest() {
        m.DataFolder = data.path();
        sponsor = data.filePath(QStringLiteral("Sponsors"));
    }
    void Sponsor(int howMany) {
        for (int i = 0; i < howMany; ++i) {
            Image(QDir(sponsor).filePath(QStringLiteral("s%1.jpg").arg(i)), 160, 90 + i);
        }
    }
    // A display of its own, created once the folder is ready.
    DisplayProbe Display() {
        display = std::make_unique<DisplayWindow>(f.platform, p, m, player);
        DisplayProbe d(*display);
        d.resize(1040, 540);
        d.layOutControls();
        d.preparedSponsors().Wait();
        return d;
    }
    int Height(int k) const { return DisplayProbe(*display).sponsorSlot(k)->pixmap().height(); }

    QTemporaryDir data;
    QString sponsor;
    FakePlatform f;
    Match p;
    CommonSettings m;
    Player player{f.audio, f.dialogs};
    std::unique_ptr<DisplayWindow> display;
};

TEST_F(BandTest, NoSponsorFolderSwitchesTheBandOffForTheRun) {
    Display();
    EXPECT_EQ(0, m.SponsorBar);
}

TEST_F(BandTest, FirstFiveFillTheSlotsAtTheirWidthAndTheLogoItsOwn) {
    Sponsor(7);
    Image(QDir(sponsor).filePath(QStringLiteral("HEADER_LOGO.jpg")), 400, 200);
    DisplayProbe d = Display();
    EXPECT_EQ(1, m.SponsorBar);
    EXPECT_EQ(7, d.band().SponsorNumber);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(d.width() * 10 / 52, d.sponsorSlot(k)->width()) << k;
        EXPECT_FALSE(d.sponsorSlot(k)->pixmap().isNull()) << k;
    }
    EXPECT_EQ(static_cast<int>(d.width() / 3.7), d.headerLogo()->width());
    EXPECT_EQ(d.headerLogo()->width() / 2, d.headerLogo()->height());
}

TEST_F(BandTest, SevenPicturesRotateSlotBySlot) {
    Sponsor(7);
    DisplayProbe d = Display();
    const int slot0 = Height(0);
    d.sponsorTick();
    EXPECT_NE(slot0, Height(0)) << "slot 0 shows the sixth";
    d.preparedSponsors().Wait();
    const int slot1 = Height(1);
    d.sponsorTick();
    EXPECT_NE(slot1, Height(1)) << "slot 1 shows the seventh";
    d.sponsorTick();
    EXPECT_EQ(slot0, Height(2)) << "slot 2 shows the first again";
}

TEST_F(BandTest, ADeletedPictureStopsTheRotationWhenItsTurnComes) {
    Sponsor(6);
    DisplayProbe d = Display();
    QFile::remove(QDir(sponsor).filePath(QStringLiteral("s5.jpg")));
    d.startBandRotation();
    d.sponsorTick();
    EXPECT_FALSE(d.bandRotating());
}

TEST_F(BandTest, BandOffLaysTheScoresOutOverTheWholeHeight) {
    Sponsor(2);
    m.SponsorBar = 0;
    DisplayProbe d = Display();
    d.LayoutWithoutSponsor();
    EXPECT_FALSE(d.sponsorSlot(0)->isVisible());
    EXPECT_FALSE(d.bandRotating());
    EXPECT_NEAR(d.width() * (1 - ScoreGapShare) / 2, d.scoreLabel(0)->width(), 1);
    EXPECT_EQ(0, d.scoreLabel(0)->x());
    EXPECT_NEAR(d.height() - d.height() / 7, d.homeNameLabel()->y(), 1);
    EXPECT_TRUE(d.sponsorSlot(0)->pixmap().isNull()) << "a band that is off fills no slot";
}

TEST_F(BandTest, BandOnLeavesTheLayoutAlone) {
    Sponsor(2);
    DisplayProbe d = Display();
    const QRect before = d.scoreLabel(0)->geometry();
    d.LayoutWithoutSponsor();
    EXPECT_EQ(before, d.scoreLabel(0)->geometry());
}

struct HostileCase {
    const char* name;
    QByteArray data;
};

// A real JPEG header with its size rewritten to 30000 x 30000.
QByteArray HugeJpeg() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("p.jpg"));
    Image(path, 16, 16);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QByteArray data = file.readAll();
    const qsizetype sof = data.indexOf(QByteArray("\xFF\xC0", 2));
    data[sof + 5] = static_cast<char>(0x75);
    data[sof + 6] = static_cast<char>(0x30);
    data[sof + 7] = static_cast<char>(0x75);
    data[sof + 8] = static_cast<char>(0x30);
    return data;
}

QByteArray TruncatedJpeg() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("p.jpg"));
    Image(path, 400, 300);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll().left(300);
}

TEST(HostileImagesTest, GiveNothingAndNeverCrash) {
    QTemporaryDir folder;
    for (const HostileCase& c :
         {HostileCase{"vuoto.jpg", QByteArray()}, HostileCase{"testo.jpg", "non sono una foto"},
          HostileCase{"enorme.jpg", HugeJpeg()}}) {
        const QString path = folder.filePath(QString::fromUtf8(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.data);
        file.close();
        EXPECT_TRUE(DecodeImage(path, 300).isNull()) << c.name;
    }
    const QString truncated = folder.filePath(QStringLiteral("troncato.jpg"));
    QFile file(truncated);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(TruncatedJpeg());
    file.close();
    DecodeImage(truncated, 300);
    EXPECT_TRUE(DecodeImage(folder.filePath(QStringLiteral("manca.jpg")), 300).isNull());
}

TEST(ImagesTest, DecodedNoWiderThanShown) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("foto.jpg"));
    Image(path, 800, 600);
    EXPECT_EQ(QSize(200, 150), DecodeImage(path, 200).size());
    EXPECT_EQ(QSize(800, 600), DecodeImage(path, 1600).size()) << "never enlarged";
    ImageCache cache;
    EXPECT_FALSE(cache.Ready(path, 200));
    cache.Prepare(path, 200);
    cache.Wait();
    ASSERT_TRUE(cache.Ready(path, 200));
    EXPECT_EQ(200, cache.Ready(path, 200)->width());
}

} // namespace
