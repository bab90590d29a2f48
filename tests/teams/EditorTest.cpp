#include "teams/Editor.h"

#include "doppi/Stampa.h"
#include "shared/Lingua.h"
#include "shared/TestoFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList Numeri(const RigheEditor& righe, int quante) {
    QStringList n;
    for (int r = 0; r < quante; ++r) {
        n << righe[r].Numero;
    }
    return n;
}

TEST(OrdinaRigheTest, PlayersByNumberThenStaffThenEmptyRows) {
    struct Caso {
        QStringList prima;
        QStringList dopo;
    };
    const Caso casi[] = {
        {{"10", "", "A1", "3", "7"}, {"3", "7", "10", "A1", ""}},
        {{"", "", "12", "", "1"}, {"1", "12", "", "", ""}},
        {{"D1", "0", "5", "A1"}, {"5", "0", "D1", "A1"}}, // staff order falls out of the exchanges
    };
    for (const Caso& c : casi) {
        RigheEditor righe;
        for (int r = 0; r < c.prima.size(); ++r) {
            righe[r].Numero = c.prima[r];
            righe[r].Cognome = QStringLiteral("Cognome ") + c.prima[r];
            righe[r].Ruolo = r;
            righe[r].Convocato = r % 2 == 0;
        }
        const RigheEditor prima = righe;
        OrdinaRighe(righe);
        EXPECT_EQ(c.dopo, Numeri(righe, static_cast<int>(c.dopo.size()))) << c.prima.join(u',').toStdString();
        for (const RigaEditor& r : righe) {
            const auto da = std::find_if(prima.begin(), prima.end(), [&](const RigaEditor& p) {
                return p.Numero == r.Numero && !r.Numero.isEmpty();
            });
            if (da != prima.end()) {
                EXPECT_EQ(da->Cognome, r.Cognome) << "a row moves whole";
                EXPECT_EQ(da->Ruolo, r.Ruolo);
                EXPECT_EQ(da->Convocato, r.Convocato);
            }
        }
    }
}

TEST(IndiceRuoloTest, LeadingNumberPicksTheEntry) {
    const std::pair<const char*, int> casi[] = {
        {"", VoceRuoloVuota}, {"0", VoceRuoloVuota}, {"Libero", VoceRuoloVuota},
        {"1-Alzatore", 0},    {"5-Banda", 4},        {"3", 2},
        {"7-Mister", -1},
    };
    for (const auto& [campo, indice] : casi) {
        EXPECT_EQ(indice, IndiceRuolo(QString::fromUtf8(campo))) << campo;
    }
}

class RosaEditorTest : public ::testing::Test {
protected:
    QString File() const { return dati.filePath(QStringLiteral("team.csv")); }
    QTemporaryDir dati;
    TabellaLingue lingue;
};

TEST_F(RosaEditorTest, RowsBeyondTwentySevenSurviveASave) {
    QStringList linee;
    for (int i = 1; i <= 30; ++i) {
        linee << QString::number(i) + QStringLiteral(";Rossi;Mario;2-Schiacciatore;C");
    }
    ASSERT_TRUE(ScriviFileTesto(File(), linee));
    RosaEditor rosa = LeggiRosaEditor(File());
    EXPECT_EQ(QStringLiteral("27"), rosa.Righe[26].Numero);
    ASSERT_EQ(3u, rosa.Oltre.size());
    rosa.Righe[0].Cognome = QStringLiteral("Bianchi");
    rosa.Righe[1].Numero.clear();
    ASSERT_TRUE(ScriviRosa(File(), RigheDaSalvare(rosa, lingue), lingue));
    const auto riletta = LeggiRosa(File(), 100, false);
    ASSERT_EQ(29u, riletta.size()) << "the row without a number is dropped, the extra rows kept";
    EXPECT_EQ(QStringLiteral("Bianchi"), riletta[0].Cognome);
    EXPECT_EQ(QStringLiteral("30"), riletta[28].Numero);
}

TEST_F(RosaEditorTest, SavedRowsCarryRoleLabelAndCalledUpFlag) {
    RosaEditor rosa;
    rosa.Righe[0] = {QStringLiteral("9"), QStringLiteral("Verdi"), QStringLiteral("Anna"), 4, false};
    rosa.Righe[2] = {QStringLiteral("A1"), QStringLiteral("Neri"), QStringLiteral("Luca"),
                     VoceRuoloVuota, true};
    ASSERT_TRUE(ScriviRosa(File(), RigheDaSalvare(rosa, lingue), lingue));
    EXPECT_EQ((QStringList{"9;Verdi;Anna;5-Banda;N", "A1;Neri;Luca;;C"}), *LeggiFileTesto(File(), 1 << 20));
    const RosaEditor riletta = LeggiRosaEditor(File());
    EXPECT_EQ(4, riletta.Righe[0].Ruolo);
    EXPECT_TRUE(riletta.Righe[1].Convocato);
}

TEST(PuntoEVirgolaTest, FoundInAnyTextField) {
    RigheEditor righe;
    EXPECT_FALSE(RigaConPuntoEVirgola(righe));
    righe[4].Nome = QStringLiteral("Anna;Maria");
    EXPECT_EQ(4, RigaConPuntoEVirgola(righe));
}

class AudioTest : public ::testing::Test {
protected:
    QString Crea(const QString& nome, const QByteArray& dati = "suono") {
        const QString percorso = cartella.filePath(nome);
        QFile f(percorso);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(dati);
        return percorso;
    }
    QStringList File() const { return QDir(cartella.path()).entryList(QDir::Files, QDir::Name); }
    QTemporaryDir cartella;
};

TEST_F(AudioTest, NewAnnouncementReplacesBothOldOnes) {
    Crea(QStringLiteral("9.mp3"));
    Crea(QStringLiteral("9.wav"));
    QTemporaryDir altrove;
    const QString scelto = altrove.filePath(QStringLiteral("presentazione.WAV"));
    QFile f(scelto);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("nuovo");
    f.close();
    EXPECT_TRUE(ImportaAudio(cartella.path(), QStringLiteral("9"), scelto));
    EXPECT_EQ((QStringList{"9.wav"}), File());
    QFile letto(cartella.filePath(QStringLiteral("9.wav")));
    ASSERT_TRUE(letto.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("nuovo"), letto.readAll());
}

TEST_F(AudioTest, ChoosingTheAnnouncementItselfKeepsIt) {
    const QString esistente = Crea(QStringLiteral("9.mp3"), "voce");
    EXPECT_TRUE(ImportaAudio(cartella.path(), QStringLiteral("9"), esistente));
    EXPECT_EQ((QStringList{"9.mp3"}), File());
}

TEST_F(AudioTest, RefusedWithoutANumberOrASource) {
    const QString scelto = Crea(QStringLiteral("voce.mp3"));
    EXPECT_FALSE(ImportaAudio(cartella.path(), QString(), scelto));
    EXPECT_FALSE(ImportaAudio(cartella.path(), QStringLiteral("/"), scelto));
    EXPECT_FALSE(ImportaAudio(cartella.path(), QStringLiteral("4"), cartella.filePath("manca.mp3")));
    EXPECT_EQ((QStringList{"voce.mp3"}), File());
}

} // namespace
