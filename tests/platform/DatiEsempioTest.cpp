// What ships in data/ must work: rosters read, pictures decode, every athlete has a photo
// and an announcement.
#include "shared/Lingua.h"
#include "shared/TestoFile.h"
#include "shared/ui/Immagini.h"
#include "teams/SceltaSquadra.h"
#include "teams/Squadre.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString Dati = QStringLiteral(BRIVANTA_DATI);

TEST(DatiEsempioTest, TwoNamedTeamsWithFullRosters) {
    const QStringList squadre = ElencaSquadre(Dati).value();
    int nominate = 0;
    for (const QString& nome : squadre) {
        if (SquadraProtetta(nome)) {
            continue;
        }
        ++nominate;
        SCOPED_TRACE(nome.toStdString());
        const SquadraScelta s = ScegliSquadra(Dati, nome, TabellaLingue{});
        EXPECT_GE(s.Atleti.size(), 12u);
        EXPECT_LE(s.Atleti.size(), 14u);
        EXPECT_FALSE(DecodificaImmagine(s.Logo, 256).isNull());
        EXPECT_FALSE(DecodificaImmagine(QDir(s.Cartella).filePath("team.jpg"), 256).isNull());
        bool allenatore = false, dirigente = false;
        for (const Atleta& a : s.Atleti) {
            allenatore = allenatore || a.Numero == QStringLiteral("A1");
            dirigente = dirigente || a.Numero == QStringLiteral("D1");
            EXPECT_FALSE(DecodificaImmagine(FotoAtleta(s.Cartella, a.Numero), 128).isNull())
                << a.Numero.toStdString();
            EXPECT_TRUE(QFileInfo::exists(AudioAtleta(s.Cartella, a.Numero)))
                << a.Numero.toStdString();
        }
        EXPECT_TRUE(allenatore);
        EXPECT_TRUE(dirigente);
    }
    EXPECT_EQ(2, nominate);
}

TEST(DatiEsempioTest, SponsorPicturesDecode) {
    const QDir sponsor(Dati + QStringLiteral("/Sponsors"));
    const QStringList file = sponsor.entryList(QDir::Files);
    EXPECT_GE(file.size(), 8);
    for (const QString& nome : file) {
        const QImage figura = DecodificaImmagine(sponsor.filePath(nome), 300);
        EXPECT_FALSE(figura.isNull()) << nome.toStdString();
        // A band slot is 1335 x 821 twips: a taller picture runs off the bottom of the screen.
        if (!nome.startsWith(QStringLiteral("HEADER_LOGO"))) {
            EXPECT_LE(figura.height() * 1335, figura.width() * 821) << nome.toStdString();
        }
    }
}

TEST(DatiEsempioTest, EveryLanguageHasItsThreeHelpPagesWithTheirPictures) {
    TabellaLingue lingue;
    lingue.Carica(*LeggiFileTesto(Dati + QStringLiteral("/Languages.csv"), 1 << 20));
    int lingueTrovate = 0;
    for (const QString& codice : lingue.CodiciLingua()) {
        if (codice.isEmpty()) {
            continue;
        }
        ++lingueTrovate;
        for (const char* pagina : {"readme", "readmeTEAM", "readmeSPONS"}) {
            QFile file(Dati + u'/' + QString::fromLatin1(pagina) + codice + QStringLiteral(".htm"));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const QString html = QString::fromUtf8(file.readAll());
            const QRegularExpression figura(QStringLiteral("src=\"([^\"]+)\""));
            for (const auto& trovata : figura.globalMatch(html)) {
                EXPECT_FALSE(DecodificaImmagine(Dati + u'/' + trovata.captured(1), 200).isNull())
                    << trovata.captured(1).toStdString();
            }
        }
    }
    EXPECT_EQ(5, lingueTrovate);
}

} // namespace
