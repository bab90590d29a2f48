#include "scenari/ConsoleDiProva.h"
#include "shared/ui/Immagini.h"
#include "sponsor/ui/SponsorManager.h"

#include <QImageReader>

namespace {

void Jpeg(const QString& percorso, QColor colore = Qt::blue) {
    QImage immagine(320, 180, QImage::Format_RGB32);
    immagine.fill(colore);
    QDir().mkpath(QFileInfo(percorso).path());
    ASSERT_TRUE(immagine.save(percorso, "JPG"));
}

QByteArray Contenuto(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SponsorManagerTest : public ConsoleDiProva {
protected:
    QString Sponsor(const QString& nome) const {
        return a.programma + QStringLiteral("/Sponsors/") + nome;
    }
    // Opens the manager from the console's menu and hands it to the test's steps.
    void Gestisci(const std::function<void(SponsorManager&)>& passi) {
        a.f.modali.Attendi([&](QDialog& finestra) { passi(static_cast<SponsorManager&>(finestra)); });
        console.openSponsorManager();
    }
};

TEST_F(SponsorManagerTest, BrowsesSevenPicturesAndDeletesTheLastOne) {
    for (const char* nome : {"A", "B", "C", "D", "E", "F", "G"}) {
        Jpeg(Sponsor(QString::fromLatin1(nome) + QStringLiteral(".jpg")));
    }
    Gestisci([&](SponsorManager& f) {
        EXPECT_EQ(2, f.galleryBar->maximum());
        EXPECT_FALSE(f.gallerySlots[4]->pixmap().isNull());
        f.scrollRight();
        f.scrollRight();
        f.scrollRight();
        EXPECT_EQ(2, f.Elenco().Inizio);
        EXPECT_EQ(2, f.galleryBar->value());
        const QString g = Sponsor(QStringLiteral("G.jpg"));
        const QString domanda =
            QStringLiteral("Vuoi veramente cancellare l'immagine di questo sponsor?\r\n") + g;
        a.f.dialoghi.Attendi(domanda, Risposta::Annulla);
        f.deleteSponsor(4);
        EXPECT_TRUE(QFileInfo::exists(g));
        a.f.dialoghi.Attendi(domanda, Risposta::Ok);
        f.deleteSponsor(4);
        EXPECT_FALSE(QFileInfo::exists(g));
        EXPECT_EQ(0, f.Elenco().Inizio) << "the gallery returns to its start";
        EXPECT_EQ(6, f.Elenco().NumeroGalleria());
        f.galleryBar->setValue(1);
        EXPECT_EQ(QStringLiteral("F.jpg"), f.Elenco().Voce(4));
    });
}

TEST_F(SponsorManagerTest, AnEmptySlotsDeleteButtonSaysSo) {
    for (const char* nome : {"uno.jpg", "due.jpg", "tre.jpg"}) {
        Jpeg(Sponsor(QString::fromLatin1(nome)));
    }
    Gestisci([&](SponsorManager& f) {
        EXPECT_TRUE(f.gallerySlots[3]->pixmap().isNull());
        f.scrollRight();
        EXPECT_EQ(0, f.Elenco().Inizio);
        a.f.dialoghi.Attendi(QStringLiteral("File immagine vuoto"));
        f.deleteSponsor(3);
    });
}

TEST_F(SponsorManagerTest, AddingConvertsAndReplacesOrRefusesWhatIsNoPicture) {
    const QString esistente = Sponsor(QStringLiteral("Banca.jpg"));
    Jpeg(esistente, Qt::green);
    const QByteArray prima = Contenuto(esistente);
    const QString testo = a.radice.filePath(QStringLiteral("banca.jpg"));
    Ambiente::CreaFile(testo, "not a picture at all");
    QImage trasparente(200, 100, QImage::Format_ARGB32);
    trasparente.fill(Qt::transparent);
    const QString png = a.radice.filePath(QStringLiteral("logo.jpg"));
    ASSERT_TRUE(trasparente.save(png, "PNG"));
    Gestisci([&](SponsorManager& f) {
        f.bandCheck->click();
        a.f.dialoghi.AttendiFile(testo);
        a.f.dialoghi.Attendi(
            QStringLiteral("Il file scelto non è un'immagine utilizzabile:\r\n") + testo);
        f.addSponsor();
        EXPECT_EQ(prima, Contenuto(esistente)) << "nothing written over the old picture";
        a.f.dialoghi.AttendiFile(png);
        a.f.dialoghi.Attendi(QStringLiteral("Immagine aggiunta : Se non la vedi nell'elenco usa "
                                            "le frecce di scorrimento.\r\n") +
                             png);
        f.addSponsor();
        EXPECT_TRUE(f.bandCheck->isChecked()) << "the box returns to the stored band setting";
        EXPECT_EQ(2, f.Elenco().NumeroGalleria());
    });
    QImageReader lettore(Sponsor(QStringLiteral("logo.jpg")));
    EXPECT_EQ(QByteArray("jpeg"), lettore.format());
    EXPECT_EQ(QColor(Qt::white), QColor(lettore.read().pixel(10, 10)))
        << "a clear background becomes white";
}

TEST_F(SponsorManagerTest, HeaderLogoIsSetShownAndDeleted) {
    const QString scelto = a.radice.filePath(QStringLiteral("testata.jpg"));
    Jpeg(scelto, Qt::red);
    const QString logo = Sponsor(QStringLiteral("HEADER_LOGO.jpg"));
    Gestisci([&](SponsorManager& f) {
        const qint64 predefinita = f.defaultHeaderLogo->pixmap().cacheKey();
        EXPECT_EQ(predefinita, f.headerLogo->pixmap().cacheKey());
        a.f.dialoghi.AttendiFile(scelto);
        f.chooseHeaderLogo();
        EXPECT_TRUE(QFileInfo::exists(logo));
        EXPECT_NE(predefinita, f.headerLogo->pixmap().cacheKey());
        EXPECT_EQ(0, f.Elenco().NumeroGalleria()) << "the header logo is no gallery picture";
        a.f.dialoghi.Attendi(QStringLiteral("Vuoi veramente cancellare l'immagine del logo "
                                            "testata? Non sarà più possibile recuperare questa "
                                            "immagine\r\n") +
                                 logo,
                             Risposta::Ok);
        f.deleteHeaderLogo();
        EXPECT_FALSE(QFileInfo::exists(logo));
        EXPECT_EQ(predefinita, f.headerLogo->pixmap().cacheKey());
        f.deleteHeaderLogo();
    });
}

TEST_F(SponsorManagerTest, FinishedSwitchesTheBandOffAndOnAgain) {
    Jpeg(Sponsor(QStringLiteral("A.jpg")));
    console.Form_Load();
    Gestisci([&](SponsorManager& f) {
        f.bandCheck->click();
        EXPECT_FALSE(f.galleryFrame->isVisibleTo(&f));
        f.finish();
    });
    EXPECT_EQ(QStringLiteral("0"), a.f.impostazioni.valori.value(QStringLiteral("Sponsor")));
    EXPECT_EQ(0, console.Modulo().BarraSponsor);
    for (QLabel* slot : d.sponsorSlots) {
        EXPECT_TRUE(slot->isHidden());
    }
    Gira();
    ASSERT_EQ(-1, console.Modulo().VersoTabellone);
    Gestisci([&](SponsorManager& f) {
        f.bandCheck->click();
        f.finish();
    });
    EXPECT_EQ(QStringLiteral("1"), a.f.impostazioni.valori.value(QStringLiteral("Sponsor")));
    EXPECT_EQ(1, console.Modulo().VersoTabellone);
    EXPECT_FALSE(console.sidesSwappedMark->isChecked());
    EXPECT_LT(d.LabScore[0]->x(), d.LabScore[1]->x());
    EXPECT_TRUE(d.sponsorTimer.isActive());
    EXPECT_FALSE(d.sponsorSlots[0]->isHidden());
}

TEST_F(SponsorManagerTest, ExploreAndHelpOpenWithTheSystem) {
    const QString pagina = a.programma + QStringLiteral("/readmeSPONSITA.htm");
    Gestisci([&](SponsorManager& f) {
        f.openHelp();
        EXPECT_TRUE(a.f.shell.aperti.isEmpty()) << "no help page, nothing happens";
        Ambiente::CreaFile(pagina);
        f.openHelp();
        f.exploreFolder();
    });
    EXPECT_EQ((QStringList{pagina, a.programma + QStringLiteral("/Sponsors")}), a.f.shell.aperti);
}

TEST(ConvertiImmagineTest, WritesOnlyRealPicturesAndKeepsWhatWasThere) {
    QTemporaryDir cartella;
    const QString destinazione = cartella.filePath(QStringLiteral("uscita.jpg"));
    Ambiente::CreaFile(destinazione, "old");
    struct Caso {
        const char* nome;
        QByteArray dati;
    };
    for (const Caso& c : {Caso{"vuoto.jpg", {}}, Caso{"testo.jpg", "hello"},
                          Caso{"mezzo.png", QByteArray("\x89PNG\r\n\x1a\n", 8)}}) {
        const QString sorgente = cartella.filePath(QString::fromLatin1(c.nome));
        Ambiente::CreaFile(sorgente, c.dati);
        EXPECT_EQ(Conversione::NonEImmagine, ConvertiImmagine(sorgente, destinazione)) << c.nome;
        EXPECT_EQ(QByteArray("old"), Contenuto(destinazione)) << c.nome;
    }
    const QString foto = cartella.filePath(QStringLiteral("foto.bmp"));
    QImage immagine(64, 32, QImage::Format_RGB32);
    immagine.fill(Qt::red);
    ASSERT_TRUE(immagine.save(foto, "BMP"));
    EXPECT_EQ(Conversione::ScritturaFallita,
              ConvertiImmagine(foto, cartella.filePath(QStringLiteral("uscita.jpg/dentro.jpg"))));
    EXPECT_EQ(Conversione::Riuscita, ConvertiImmagine(QStringLiteral("  ") + foto + u' ', destinazione))
        << "the path is trimmed of blanks";
    EXPECT_EQ(QSize(64, 32), QImage(destinazione, "JPG").size());
}

} // namespace

namespace {

TEST_F(SponsorManagerTest, FinitoShowsTheHeaderLogoDecodedAtTheDisplaysSize) {
    QImage grande(2000, 1200, QImage::Format_RGB32);
    grande.fill(Qt::darkGreen);
    ASSERT_TRUE(grande.save(Sponsor(QStringLiteral("HEADER_LOGO.jpg")), "JPG"));
    d.resize(1600, 900);
    Gestisci([&](SponsorManager& f) {
        f.bandCheck->setChecked(false);
        f.finish();
    });
    EXPECT_EQ(static_cast<int>(d.Larghezza() / 3.7), d.headerLogo->pixmap().width())
        << "not the manager's thumbnail stretched";
}

} // namespace
