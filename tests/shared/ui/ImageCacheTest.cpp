#include "shared/ui/Images.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool Write(const QString& path, QColor colour, int side) {
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(colour);
    QFile::remove(path);
    return picture.save(path, "PNG");
}

// A logo or photo replaced in an editor shows at its next use, not after a restart.
TEST(ImageCacheTest, APictureReplacedOnDiskIsDecodedAfresh) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("logo.jpg"));
    ASSERT_TRUE(Write(path, Qt::red, 40));
    ImageCache cache;
    EXPECT_EQ(QColor(Qt::red), cache.Image(path, 100).pixelColor(0, 0));
    cache.Prepare(path, 100);
    cache.Wait();
    ASSERT_TRUE(Write(path, Qt::blue, 60));
    EXPECT_FALSE(cache.Ready(path, 100)) << "the old picture is not offered";
    EXPECT_EQ(QColor(Qt::blue), cache.Image(path, 100).pixelColor(0, 0));
    QFile::remove(path);
    EXPECT_TRUE(cache.Image(path, 100).isNull()) << "a deleted picture is gone";
}

} // namespace
