#include "sponsor/Galleria.h"

#include "doppi/Stampa.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class GalleriaTest : public ::testing::Test {
protected:
    void Crea(const QStringList& nomi) {
        QDir().mkpath(CartellaSponsor(dati.path()));
        for (const QString& nome : nomi) {
            QFile file(QDir(CartellaSponsor(dati.path())).filePath(nome));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    QStringList Finestra(const Galleria& g) const {
        QStringList voci;
        for (int k = 0; k < SlotGalleria; ++k) {
            voci << g.Voce(k);
        }
        return voci;
    }
    QTemporaryDir dati;
};

TEST_F(GalleriaTest, SevenPicturesScrollToTheLastAndStop) {
    Crea({"A.jpg", "B.jpg", "C.JPG", "D.jpg", "E.jpg", "F.jpg", "G.jpg", "header_logo.JPG",
          "band.gif", "leggimi.txt"});
    Galleria g = ElencaGalleria(dati.path());
    EXPECT_EQ(7, g.NumeroGalleria()) << "JPEG in any case, header logo and other kinds apart";
    EXPECT_EQ(2, g.Massimo());
    EXPECT_EQ((QStringList{"A.jpg", "B.jpg", "C.JPG", "D.jpg", "E.jpg"}), Finestra(g));
    EXPECT_TRUE(g.Destra());
    EXPECT_TRUE(g.Destra());
    EXPECT_EQ((QStringList{"C.JPG", "D.jpg", "E.jpg", "F.jpg", "G.jpg"}), Finestra(g));
    EXPECT_FALSE(g.Destra());
    EXPECT_EQ(6, g.UltimaGalleria());
    EXPECT_EQ(QStringLiteral("G.jpg"), g.Voce(4)) << "the last delete button addresses G";
    g.Sinistra();
    g.Sinistra();
    g.Sinistra();
    EXPECT_EQ(0, g.Inizio);
    g.Imposta(9);
    EXPECT_EQ(2, g.Inizio);
}

TEST_F(GalleriaTest, ThreePicturesNeverMove) {
    Crea({"uno.jpg", "due.jpg", "tre.jpg"});
    Galleria g = ElencaGalleria(dati.path());
    EXPECT_EQ(0, g.Massimo());
    EXPECT_FALSE(g.Destra());
    g.Sinistra();
    EXPECT_EQ((QStringList{"due.jpg", "tre.jpg", "uno.jpg", "", ""}), Finestra(g));
}

TEST_F(GalleriaTest, NoFolderGivesAnEmptyGallery) {
    const Galleria g = ElencaGalleria(dati.filePath(QStringLiteral("manca")));
    EXPECT_EQ(0, g.NumeroGalleria());
    EXPECT_TRUE(g.Voce(0).isEmpty());
}

TEST_F(GalleriaTest, NamesDifferingOnlyInCaseAreTheSamePicture) {
    Crea({"Header_Logo.jpg", "Banca.JPG"});
    const QDir cartella(CartellaSponsor(dati.path()));
    EXPECT_EQ(cartella.filePath(QStringLiteral("Header_Logo.jpg")), LogoTestataEsistente(dati.path()));
    EXPECT_EQ(cartella.filePath(QStringLiteral("Header_Logo.jpg")),
              DestinazioneLogoTestata(dati.path()));
    EXPECT_EQ(cartella.filePath(QStringLiteral("Banca.JPG")),
              DestinazioneSponsor(dati.path(), QStringLiteral("banca.jpg")));
    EXPECT_EQ(cartella.filePath(QStringLiteral("nuova.jpg")),
              DestinazioneSponsor(dati.path(), QStringLiteral("nuova.jpg")));
    QFile::remove(cartella.filePath(QStringLiteral("Header_Logo.jpg")));
    EXPECT_TRUE(LogoTestataEsistente(dati.path()).isEmpty());
    EXPECT_EQ(cartella.filePath(QStringLiteral("HEADER_LOGO.jpg")),
              DestinazioneLogoTestata(dati.path()));
}

} // namespace
