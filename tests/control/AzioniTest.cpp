#include "control/Azioni.h"
#include "control/Comandi.h"
#include "doppi/Doppi.h"
#include "shared/TestoFile.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(MappaTastiTest, DefaultsGiveEveryActionItsOwnKeyAndAShippedCaption) {
    const auto righe = LeggiFileTesto(QStringLiteral(BRIVANTA_DATI) + "/Languages.csv", 1 << 22);
    ASSERT_TRUE(righe);
    QSet<QString> chiavi;
    for (const QString& riga : *righe) {
        chiavi.insert(riga.section(u';', 0, 0).trimmed().toUpper());
    }
    const MappaTasti mappa;
    QSet<QString> usati;
    for (const DefinizioneAzione& d : Azioni()) {
        const QString tasto = mappa.Tasto(d.azione);
        EXPECT_FALSE(tasto.isEmpty()) << d.nome;
        EXPECT_FALSE(usati.contains(tasto)) << d.nome << " shares " << tasto.toStdString();
        usati.insert(tasto);
        EXPECT_EQ(d.azione, mappa.AzioneDi(tasto));
        EXPECT_TRUE(chiavi.contains(QString::fromUtf8(d.didascalia).toUpper())) << d.didascalia;
        // Plain digits and letters are the athletes' codes.
        EXPECT_FALSE(tasto.size() == 1 && tasto[0].isLetterOrNumber()) << d.nome;
    }
}

TEST(MappaTastiTest, ARemapIsStoredAndReadBackAndADuplicateIsRefused) {
    MappaTasti mappa;
    EXPECT_EQ(std::nullopt, mappa.Assegna(Azione::CasaPiu, QStringLiteral("Num+/")));
    EXPECT_EQ(Azione::CasaPiu, mappa.Assegna(Azione::OspitiPiu, QStringLiteral("num+/")))
        << "the same key in another case is the same key";
    EXPECT_EQ(QStringLiteral("F8"), mappa.Tasto(Azione::OspitiPiu)) << "a refusal changes nothing";
    EXPECT_EQ(std::nullopt, mappa.Assegna(Azione::Undo, QString())) << "no key is always free";
    EXPECT_EQ(std::nullopt, mappa.Assegna(Azione::Statistiche, QStringLiteral("F5")))
        << "the key home +1 gave up is free again";

    ImpostazioniFinte impostazioni;
    mappa.Scrivi(impostazioni);
    EXPECT_EQ(QStringLiteral("Num+/"), impostazioni.valori.value(QStringLiteral("KeyHomePlus")));
    EXPECT_EQ(QStringLiteral("-"), impostazioni.valori.value(QStringLiteral("KeyUndo")));
    EXPECT_EQ(mappa, MappaTasti::Leggi(impostazioni));
    EXPECT_EQ(MappaTasti(), MappaTasti::Leggi(ImpostazioniFinte{}));
}

TEST(MappaTastiTest, AHandEditedFileNeverGivesOneKeyTwoActions) {
    ImpostazioniFinte impostazioni;
    // F5 is home +1's default: the stored key wins over it.
    impostazioni.valori[QStringLiteral("KeyUndo")] = QStringLiteral("F5");
    // Two stored keys alike: the first action in the table keeps it.
    impostazioni.valori[QStringLiteral("KeyStatistics")] = QStringLiteral("Ctrl+K");
    impostazioni.valori[QStringLiteral("KeyLeading")] = QStringLiteral("Ctrl+K");
    const MappaTasti mappa = MappaTasti::Leggi(impostazioni);
    EXPECT_EQ(Azione::Undo, mappa.AzioneDi(QStringLiteral("F5")));
    EXPECT_TRUE(mappa.Tasto(Azione::CasaPiu).isEmpty());
    EXPECT_EQ(Azione::Statistiche, mappa.AzioneDi(QStringLiteral("Ctrl+K")));
    EXPECT_TRUE(mappa.Tasto(Azione::SquadraInTesta).isEmpty());
}

TEST(ComandiRemotiTest, PathsNameActionsAndCodes) {
    struct Caso {
        const char* percorso;
        int rifiuto;
        Comando atteso;
    };
    const Caso casi[] = {
        {"home/plus", 0, {Azione::CasaPiu, -1, {}}},
        {"guests/minus", 0, {Azione::OspitiMeno, -1, {}}},
        {"timeout/guests", 0, {Azione::TimeoutOspiti, -1, {}}},
        {"type/4", 0, {Azione::Tipo4, -1, {}}},
        {"overlay/presentation", 0, {Azione::Presentazione, -1, {}}},
        {"undo", 0, {Azione::Undo, -1, {}}},
        {"code/guests/e", 0, {Azione::CasaPiu, 1, QStringLiteral("E")}},
        {"code/home/A1", 0, {Azione::CasaPiu, 0, QStringLiteral("A1")}},
        {"type/5", 404, Comando{}},
        {"home/plus/", 404, Comando{}},
        {"HOME/plus", 404, Comando{}},
        {"code/bench/7", 404, Comando{}},
        {"code/home", 404, Comando{}},
        {"", 404, Comando{}},
        {"code/home/", 400, Comando{}},
        {"code/home/1234", 400, Comando{}},
        {"code/home/7%20", 400, Comando{}},
        {"code/home/..", 400, Comando{}},
        {"code/guests/%C3%A8", 400, Comando{}},
    };
    for (const Caso& c : casi) {
        const ComandoLetto letto = LeggiComando(c.percorso);
        EXPECT_EQ(c.rifiuto, letto.rifiuto) << c.percorso;
        if (c.rifiuto == 0) {
            EXPECT_EQ(c.atteso, letto.comando) << c.percorso;
        }
    }
}

} // namespace
