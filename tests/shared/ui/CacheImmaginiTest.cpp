#include "shared/ui/Immagini.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool Scrivi(const QString& percorso, QColor colore, int lato) {
    QImage figura(lato, lato, QImage::Format_RGB32);
    figura.fill(colore);
    QFile::remove(percorso);
    return figura.save(percorso, "PNG");
}

// A logo or photo replaced in an editor shows at its next use, not after a restart.
TEST(CacheImmaginiTest, APictureReplacedOnDiskIsDecodedAfresh) {
    QTemporaryDir cartella;
    const QString percorso = QDir(cartella.path()).filePath(QStringLiteral("logo.jpg"));
    ASSERT_TRUE(Scrivi(percorso, Qt::red, 40));
    CacheImmagini cache;
    EXPECT_EQ(QColor(Qt::red), cache.Immagine(percorso, 100).pixelColor(0, 0));
    cache.Prepara(percorso, 100);
    cache.Attendi();
    ASSERT_TRUE(Scrivi(percorso, Qt::blue, 60));
    EXPECT_FALSE(cache.Pronta(percorso, 100)) << "the old picture is not offered";
    EXPECT_EQ(QColor(Qt::blue), cache.Immagine(percorso, 100).pixelColor(0, 0));
    QFile::remove(percorso);
    EXPECT_TRUE(cache.Immagine(percorso, 100).isNull()) << "a deleted picture is gone";
}

} // namespace
