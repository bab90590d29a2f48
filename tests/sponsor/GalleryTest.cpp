#include "sponsor/Gallery.h"

#include "doubles/Printing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class GalleryTest : public ::testing::Test {
  protected:
    void Create(const QStringList& names) {
        QDir().mkpath(SponsorFolder(data.path()));
        for (const QString& name : names) {
            QFile file(QDir(SponsorFolder(data.path())).filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    QStringList Window(const Gallery& g) const {
        QStringList items;
        for (int k = 0; k < GallerySlot; ++k) {
            items << g.Item(k);
        }
        return items;
    }
    QTemporaryDir data;
};

TEST_F(GalleryTest, SevenPicturesScrollToTheLastAndStop) {
    Create({"A.jpg", "B.jpg", "C.JPG", "D.jpg", "E.jpg", "F.jpg", "G.jpg", "header_logo.JPG",
            "band.gif", "leggimi.txt"});
    Gallery g = ListGallery(data.path());
    EXPECT_EQ(7, g.GalleryNumber()) << "JPEG in any case, header logo and other kinds apart";
    EXPECT_EQ(2, g.Max());
    EXPECT_EQ((QStringList{"A.jpg", "B.jpg", "C.JPG", "D.jpg", "E.jpg"}), Window(g));
    EXPECT_TRUE(g.Right());
    EXPECT_TRUE(g.Right());
    EXPECT_EQ((QStringList{"C.JPG", "D.jpg", "E.jpg", "F.jpg", "G.jpg"}), Window(g));
    EXPECT_FALSE(g.Right());
    EXPECT_EQ(6, g.LastGallery());
    EXPECT_EQ(QStringLiteral("G.jpg"), g.Item(4)) << "the last delete button addresses G";
    g.Left();
    g.Left();
    g.Left();
    EXPECT_EQ(0, g.Start);
    g.Set(9);
    EXPECT_EQ(2, g.Start);
}

TEST_F(GalleryTest, ThreePicturesNeverMove) {
    Create({"uno.jpg", "due.jpg", "tre.jpg"});
    Gallery g = ListGallery(data.path());
    EXPECT_EQ(0, g.Max());
    EXPECT_FALSE(g.Right());
    g.Left();
    EXPECT_EQ((QStringList{"due.jpg", "tre.jpg", "uno.jpg", "", ""}), Window(g));
}

TEST_F(GalleryTest, NoFolderGivesAnEmptyGallery) {
    const Gallery g = ListGallery(data.filePath(QStringLiteral("manca")));
    EXPECT_EQ(0, g.GalleryNumber());
    EXPECT_TRUE(g.Item(0).isEmpty());
}

TEST_F(GalleryTest, NamesDifferingOnlyInCaseAreTheSamePicture) {
    Create({"Header_Logo.jpg", "Banca.JPG"});
    const QDir folder(SponsorFolder(data.path()));
    EXPECT_EQ(folder.filePath(QStringLiteral("Header_Logo.jpg")), ExistingHeaderLogo(data.path()));
    EXPECT_EQ(folder.filePath(QStringLiteral("Header_Logo.jpg")),
              HeaderLogoDestination(data.path()));
    EXPECT_EQ(folder.filePath(QStringLiteral("Banca.JPG")),
              SponsorDestination(data.path(), QStringLiteral("banca.jpg")));
    EXPECT_EQ(folder.filePath(QStringLiteral("nuova.jpg")),
              SponsorDestination(data.path(), QStringLiteral("nuova.jpg")));
    QFile::remove(folder.filePath(QStringLiteral("Header_Logo.jpg")));
    EXPECT_TRUE(ExistingHeaderLogo(data.path()).isEmpty());
    EXPECT_EQ(folder.filePath(QStringLiteral("HEADER_LOGO.jpg")),
              HeaderLogoDestination(data.path()));
}

} // namespace
