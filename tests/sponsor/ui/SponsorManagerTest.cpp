#include "sponsor/ui/SponsorManager.h"
#include "scenarios/TestConsole.h"
#include "shared/Messages.h"
#include "shared/ui/Images.h"
#include "sponsor/Messages.h"

#include <QImageReader>

namespace {

void Jpeg(const QString& path, QColor colour = Qt::blue) {
    QImage image(320, 180, QImage::Format_RGB32);
    image.fill(colour);
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(image.save(path, "JPG"));
}

QByteArray Content(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SponsorManagerTest : public TestConsole {
  protected:
    QString Sponsor(const QString& name) const {
        return a.program + QStringLiteral("/Sponsors/") + name;
    }
    // Opens the manager from the console's menu and hands it to the test's steps.
    void Handle(const std::function<void(SponsorManager&)>& steps) {
        a.f.modal.Expect([&](QDialog& window) { steps(static_cast<SponsorManager&>(window)); });
        console.openSponsorManager();
    }
};

TEST_F(SponsorManagerTest, BrowsesSevenPicturesAndDeletesTheLastOne) {
    for (const char* name : {"A", "B", "C", "D", "E", "F", "G"}) {
        Jpeg(Sponsor(QString::fromLatin1(name) + QStringLiteral(".jpg")));
    }
    Handle([&](SponsorManager& f) {
        EXPECT_EQ(2, f.galleryBar->maximum());
        EXPECT_FALSE(f.gallerySlots[4]->pixmap().isNull());
        f.scrollRight();
        f.scrollRight();
        f.scrollRight();
        EXPECT_EQ(2, f.gallery().Start);
        EXPECT_EQ(2, f.galleryBar->value());
        const QString g = Sponsor(QStringLiteral("G.jpg"));
        const QString question =
            SponsorMessages::DeleteSponsorQuestion + QStringLiteral("\r\n") + g;
        a.f.dialogs.Expect(question, Answer::Cancel);
        f.deleteSponsor(4);
        EXPECT_TRUE(QFileInfo::exists(g));
        a.f.dialogs.Expect(question, Answer::Ok);
        f.deleteSponsor(4);
        EXPECT_FALSE(QFileInfo::exists(g));
        EXPECT_EQ(0, f.gallery().Start) << "the gallery returns to its start";
        EXPECT_EQ(6, f.gallery().GalleryNumber());
        f.galleryBar->setValue(1);
        EXPECT_EQ(QStringLiteral("F.jpg"), f.gallery().Item(4));
    });
}

TEST_F(SponsorManagerTest, AnEmptySlotsDeleteButtonSaysSo) {
    for (const char* name : {"uno.jpg", "due.jpg", "tre.jpg"}) {
        Jpeg(Sponsor(QString::fromLatin1(name)));
    }
    Handle([&](SponsorManager& f) {
        EXPECT_TRUE(f.gallerySlots[3]->pixmap().isNull());
        f.scrollRight();
        EXPECT_EQ(0, f.gallery().Start);
        a.f.dialogs.Expect(SponsorMessages::EmptyPicture);
        f.deleteSponsor(3);
    });
}

TEST_F(SponsorManagerTest, AddingConvertsAndReplacesOrRefusesWhatIsNoPicture) {
    const QString existing = Sponsor(QStringLiteral("Banca.jpg"));
    Jpeg(existing, Qt::green);
    const QByteArray before = Content(existing);
    const QString text = a.root.filePath(QStringLiteral("banca.jpg"));
    Environment::CreateFile(text, "not a picture at all");
    QImage transparent(200, 100, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    const QString png = a.root.filePath(QStringLiteral("logo.jpg"));
    ASSERT_TRUE(transparent.save(png, "PNG"));
    Handle([&](SponsorManager& f) {
        f.bandCheck->click();
        a.f.dialogs.ExpectFile(text);
        a.f.dialogs.Expect(SharedMessages::NotAPicture + QStringLiteral("\r\n") + text);
        f.addSponsor();
        EXPECT_EQ(before, Content(existing)) << "nothing written over the old picture";
        a.f.dialogs.ExpectFile(png);
        a.f.dialogs.Expect(SponsorMessages::PictureAdded + QStringLiteral("\r\n") + png);
        f.addSponsor();
        EXPECT_TRUE(f.bandCheck->isChecked()) << "the box returns to the stored band setting";
        EXPECT_EQ(2, f.gallery().GalleryNumber());
    });
    QImageReader reader(Sponsor(QStringLiteral("logo.jpg")));
    EXPECT_EQ(QByteArray("jpeg"), reader.format());
    EXPECT_EQ(QColor(Qt::white), QColor(reader.read().pixel(10, 10)))
        << "a clear background becomes white";
}

TEST_F(SponsorManagerTest, HeaderLogoIsSetShownAndDeleted) {
    const QString chosen = a.root.filePath(QStringLiteral("testata.jpg"));
    Jpeg(chosen, Qt::red);
    const QString logo = Sponsor(QStringLiteral("HEADER_LOGO.jpg"));
    Handle([&](SponsorManager& f) {
        const qint64 byDefault = f.defaultHeaderLogo->pixmap().cacheKey();
        EXPECT_EQ(byDefault, f.headerLogo->pixmap().cacheKey());
        a.f.dialogs.ExpectFile(chosen);
        f.chooseHeaderLogo();
        EXPECT_TRUE(QFileInfo::exists(logo));
        EXPECT_NE(byDefault, f.headerLogo->pixmap().cacheKey());
        EXPECT_EQ(0, f.gallery().GalleryNumber()) << "the header logo is no gallery picture";
        a.f.dialogs.Expect(
            SponsorMessages::DeleteHeaderLogoQuestion + QStringLiteral("\r\n") + logo, Answer::Ok);
        f.deleteHeaderLogo();
        EXPECT_FALSE(QFileInfo::exists(logo));
        EXPECT_EQ(byDefault, f.headerLogo->pixmap().cacheKey());
        f.deleteHeaderLogo();
    });
}

TEST_F(SponsorManagerTest, FinishedSwitchesTheBandOffAndOnAgain) {
    Jpeg(Sponsor(QStringLiteral("A.jpg")));
    console.load();
    Handle([&](SponsorManager& f) {
        f.bandCheck->click();
        EXPECT_FALSE(f.galleryFrame->isVisibleTo(&f));
        f.finish();
    });
    EXPECT_EQ(QStringLiteral("0"), a.f.settings.values.value(QStringLiteral("Sponsor")));
    EXPECT_EQ(0, console.common().SponsorBar);
    for (QLabel* slot : d.sponsorSlots()) {
        EXPECT_TRUE(slot->isHidden());
    }
    Swap();
    ASSERT_TRUE(console.common().DisplaySidesSwapped);
    Handle([&](SponsorManager& f) {
        f.bandCheck->click();
        f.finish();
    });
    EXPECT_EQ(QStringLiteral("1"), a.f.settings.values.value(QStringLiteral("Sponsor")));
    EXPECT_FALSE(console.common().DisplaySidesSwapped);
    EXPECT_FALSE(console.sidesSwappedShown());
    EXPECT_LT(d.scoreLabel(0)->x(), d.scoreLabel(1)->x());
    EXPECT_TRUE(d.bandRotating());
    EXPECT_FALSE(d.sponsorSlot(0)->isHidden());
}

TEST_F(SponsorManagerTest, ExploreAndHelpOpenWithTheSystem) {
    const QString page = a.program + QStringLiteral("/readmeSPONSITA.htm");
    Handle([&](SponsorManager& f) {
        f.openHelp();
        EXPECT_TRUE(a.f.shell.open.isEmpty()) << "no help page, nothing happens";
        Environment::CreateFile(page);
        f.openHelp();
        f.exploreFolder();
    });
    EXPECT_EQ((QStringList{page, a.program + QStringLiteral("/Sponsors")}), a.f.shell.open);
}

TEST(ConvertImageTest, WritesOnlyRealPicturesAndKeepsWhatWasThere) {
    QTemporaryDir folder;
    const QString destination = folder.filePath(QStringLiteral("uscita.jpg"));
    Environment::CreateFile(destination, "old");
    struct Case {
        const char* name;
        QByteArray data;
    };
    for (const Case& c : {Case{"vuoto.jpg", {}}, Case{"testo.jpg", "hello"},
                          Case{"mezzo.png", QByteArray("\x89PNG\r\n\x1a\n", 8)}}) {
        const QString source = folder.filePath(QString::fromLatin1(c.name));
        Environment::CreateFile(source, c.data);
        EXPECT_EQ(Conversion::NotAnImage, ConvertImage(source, destination)) << c.name;
        EXPECT_EQ(QByteArray("old"), Content(destination)) << c.name;
    }
    const QString photo = folder.filePath(QStringLiteral("foto.bmp"));
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(photo, "BMP"));
    EXPECT_EQ(Conversion::FailedWriting,
              ConvertImage(photo, folder.filePath(QStringLiteral("uscita.jpg/dentro.jpg"))));
    EXPECT_EQ(Conversion::Success, ConvertImage(QStringLiteral("  ") + photo + u' ', destination))
        << "the path is trimmed of blanks";
    EXPECT_EQ(QSize(64, 32), QImage(destination, "JPG").size());
}

} // namespace

namespace {

TEST_F(SponsorManagerTest, DoneShowsTheHeaderLogoDecodedAtTheDisplaysSize) {
    QImage large(2000, 1200, QImage::Format_RGB32);
    large.fill(Qt::darkGreen);
    ASSERT_TRUE(large.save(Sponsor(QStringLiteral("HEADER_LOGO.jpg")), "JPG"));
    d.resize(1600, 900);
    Handle([&](SponsorManager& f) {
        f.bandCheck->setChecked(false);
        f.finish();
    });
    EXPECT_EQ(static_cast<int>(d.outerWidth() / 3.7), d.headerLogo()->pixmap().width())
        << "not the manager's thumbnail stretched";
}

} // namespace
