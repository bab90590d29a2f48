#include "shared/Lingua.h"
#include "shared/TestoFile.h"

#include "doppi/Stampa.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TabellaLingue Tabella(const QStringList& righe, const QString& lingua, int colonna) {
    TabellaLingue t;
    t.Carica(righe);
    t.LinguaCorrente = lingua;
    t.ColonnaLingua = colonna;
    return t;
}

const QStringList Esempio{"prima riga libera", "ITA Italiano;ENG English;FRA Français;",
                          " esci ;Exit ;;Sortir", "Salva;Save;Enregistrer", "",
                          "Dopo;After;Après"};

TEST(LinguaTest, Lookup) {
    struct Caso {
        const char* lingua;
        int colonna;
        const char* testo;
        const char* atteso;
    };
    for (const Caso c : {Caso{"ITA", 1, "Esci", "Esci"}, Caso{"ENG", 1, "Esci", "Exit "},
                         Caso{"ENG", 1, "  ESCI", "Exit "}, Caso{"FRA", 2, "Esci", "Exit "},
                         Caso{"FRA", 2, "Salva", "Enregistrer"},
                         Caso{"FRA", 2, "Dopo", "Dopo"}, Caso{"XYZ", 0, "Salva", "Salva"},
                         Caso{"ENG", 1, "Sconosciuto", "Sconosciuto"}}) {
        EXPECT_EQ(QString::fromUtf8(c.atteso),
                  Tabella(Esempio, QString::fromUtf8(c.lingua), c.colonna)
                      .Traduci(QString::fromUtf8(c.testo)))
            << c.lingua << " " << c.testo;
    }
}

TEST(LinguaTest, HeaderFieldsAndCodes) {
    TabellaLingue t;
    QString intestazione;
    for (int i = 0; i < 25; ++i) {
        intestazione += QStringLiteral("L%1 Lingua %1;").arg(i, 2, 10, QLatin1Char('0'));
    }
    t.Carica({"", intestazione});
    EXPECT_EQ(QStringLiteral("L00 Lingua 00"), t.NomiLingua()[1]);
    EXPECT_EQ(QStringLiteral("L19"), t.CodiciLingua()[20]);
    t.Carica({"", "ITA Italiano;ENG English"});
    EXPECT_EQ(QStringLiteral("ENG"), t.CodiciLingua()[2]);
    EXPECT_EQ(QStringLiteral("ENG English"), t.NomiLingua()[2]);
    TabellaLingue vuota;
    vuota.Carica({"solo una riga"});
    vuota.LinguaCorrente = QStringLiteral("ENG");
    EXPECT_EQ(QStringLiteral("Esci"), vuota.Traduci(QStringLiteral("Esci")));
}

TEST(LinguaTest, RowsBeyondTheTableAndColumnsBeyondTenAreDropped) {
    QStringList righe{"", "ITA;ENG"};
    for (int i = 0; i < 1100; ++i) {
        righe << QStringLiteral("k%1;v%1").arg(i);
    }
    righe << QStringLiteral("a;1;2;3;4;5;6;7;8;9;10;11");
    TabellaLingue t = Tabella(righe, QStringLiteral("ENG"), 1);
    EXPECT_EQ(QStringLiteral("v1000"), t.Traduci(QStringLiteral("k1000")));
    EXPECT_EQ(QStringLiteral("k1001"), t.Traduci(QStringLiteral("k1001")));
}

// Every text the program passes to the table must have a row in the table we ship.
TEST(LinguaTest, TheShippedTableHoldsEveryText) {
    const auto righe = LeggiFileTesto(QStringLiteral(BRIVANTA_DATI) + "/Languages.csv", 1 << 22);
    ASSERT_TRUE(righe);
    QSet<QString> chiavi;
    for (qsizetype i = 2; i < righe->size(); ++i) {
        const QStringList campi = (*righe)[i].split(u';');
        EXPECT_EQ(5, campi.size()) << (*righe)[i].toStdString();
        // The lookup ignores case: a second row with the same key is never reached.
        EXPECT_FALSE(chiavi.contains(campi[0].trimmed().toUpper()))
            << "unreachable row: " << campi[0].toStdString();
        chiavi.insert(campi[0].trimmed().toUpper());
    }
    const QRegularExpression letterale(
        QStringLiteral(R"re((?:Traduci\(\s*QStringLiteral\(|\bt\()\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\))re"));
    const QRegularExpression pezzo(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    int trovati = 0;
    QDirIterator file(QStringLiteral(BRIVANTA_SORGENTI), {"*.cpp"}, QDir::Files,
                      QDirIterator::Subdirectories);
    while (file.hasNext()) {
        const QString percorso = file.next();
        const auto testo = LeggiFileTesto(percorso, 1 << 22);
        ASSERT_TRUE(testo);
        const QString sorgente = testo->join(u'\n');
        for (auto m = letterale.globalMatch(sorgente); m.hasNext();) {
            QString chiave;
            for (auto p = pezzo.globalMatch(m.next().captured(1)); p.hasNext();) {
                chiave += p.next().captured(1);
            }
            chiave.replace(QStringLiteral("\\\""), QStringLiteral("\""));
            ++trovati;
            EXPECT_TRUE(chiavi.contains(chiave.trimmed().toUpper()))
                << "no translation for \"" << chiave.toStdString() << "\" in "
                << QDir(BRIVANTA_SORGENTI).relativeFilePath(percorso).toStdString();
        }
    }
    EXPECT_GT(trovati, 80);
}

} // namespace
