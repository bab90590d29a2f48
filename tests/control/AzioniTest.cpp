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
        std::variant<Comando, int> atteso;
    };
    const Caso casi[] = {
        {"home/plus", Comando{Azione::CasaPiu}},
        {"guests/minus", Comando{Azione::OspitiMeno}},
        {"timeout/guests", Comando{Azione::TimeoutOspiti}},
        {"type/4", Comando{Azione::Tipo4}},
        {"overlay/presentation", Comando{Azione::Presentazione}},
        {"undo", Comando{Azione::Undo}},
        {"type/5", 404},
        {"home/plus/", 404},
        {"HOME/plus", 404},
        {"code/bench/7", 404},
        {"code/home", 404},
        {"", 404},
        {"code/home/", 400},
        {"code/home/1234", 400},
        {"code/home/7%20", 400},
        {"code/home/..", 400},
        {"code/guests/%C3%A8", 400},
    };
    for (const Caso& c : casi) {
        const auto letto = LeggiComando(c.percorso);
        if (const int* stato = std::get_if<int>(&c.atteso)) {
            ASSERT_TRUE(std::holds_alternative<int>(letto)) << c.percorso;
            EXPECT_EQ(*stato, std::get<int>(letto)) << c.percorso;
        } else {
            ASSERT_TRUE(std::holds_alternative<Comando>(letto)) << c.percorso;
            EXPECT_EQ(std::get<Azione>(std::get<Comando>(c.atteso)),
                      std::get<Azione>(std::get<Comando>(letto)))
                << c.percorso;
        }
    }
    const auto codice = std::get<CodiceRemoto>(std::get<Comando>(LeggiComando("code/guests/e")));
    EXPECT_EQ(1, codice.lato);
    EXPECT_EQ(QStringLiteral("E"), codice.codice);
    EXPECT_EQ(QStringLiteral("A1"),
              std::get<CodiceRemoto>(std::get<Comando>(LeggiComando("code/home/A1"))).codice);
}

} // namespace
