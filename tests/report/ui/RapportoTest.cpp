#include "report/Rapporto.h"
#include "report/ui/Pacchetto.h"
#include "report/ui/RigaDiComando.h"
#include "match/Partita.h"
#include "shared/Lingua.h"

#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// A five-set match with a removal and timeouts, as the console saves it.
QByteArray FilePartita() {
    QByteArray f = "#Salvataggio  del : 07/12/2026 - 21:40:00\r\n#HOME  :Lupi\r\n#GUESTS:Orsi Città\r\n"
                   "#HSCORE:3\r\n#GSCORE:2\r\n#HPART.:0\r\n#GPART.:0\r\n#CURSET:6\r\n"
                   "#SET 1 :25/20\r\n#SET 2 :20/25\r\n#SET 3 :25/23\r\n#SET 4 :18/25\r\n#SET 5 :15/13\r\n"
                   "#TIMER1:0\r\n#TIMER2:0\r\n#GAMEOV:0\r\n#SETTOT:5\r\n#PUNTIS:25\r\n#PUNTIT:15\r\n#PUNTIC:8\r\n"
                   "#--------- Sotto tutti gli eventi della partita -------------\r\n";
    const int finali[5][2] = {{25, 20}, {20, 25}, {25, 23}, {18, 25}, {15, 13}};
    int minuto = 0;
    for (int set = 1; set <= 5; ++set) {
        const auto ora = [&] {
            ++minuto;
            return QStringLiteral("20:%1").arg(minuto % 60, 2, 10, QLatin1Char('0')).toLatin1();
        };
        f += QStringLiteral("(%1) 0 -  0 - ").arg(set).toLatin1() + ora() + " - 0_0\r\n";
        int c = 0, o = 0;
        while (c < finali[set - 1][0] || o < finali[set - 1][1]) {
            const bool casa = c < finali[set - 1][0] && (o >= finali[set - 1][1] || (c + o) % 2 == 0);
            (casa ? c : o) += 1;
            f += QStringLiteral("(%1)%2 - %3 - ").arg(set).arg(c, 2).arg(o, 2).toLatin1() + ora() +
                 (casa ? " - H_7_1\r\n" : " - G_E_0\r\n");
            if (set == 1 && c == 3 && o == 2) {
                f += "1#G Timeout Ospiti - 20:02\r\n";
                f += "(1) 3 -  1 - 20:02 - G_N_0\r\n"; // a removal
                f += "(1) 3 -  2 - 20:02 - G_N_0\r\n";
            }
        }
    }
    return f;
}

class RapportoTest : public ::testing::Test {
protected:
    RapportoTest() {
        partita = a.radice.filePath(QStringLiteral("finale.txt"));
        Ambiente::CreaFile(partita, FilePartita());
        Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Lupi/team.csv"), "7;Rossi;Anna;;C\r\n");
        uscita = a.radice.filePath(QStringLiteral("uscita"));
        QDir().mkpath(uscita);
    }
    int Esegui(const QStringList& argomenti) {
        QTextStream o(&testo), e(&errore);
        return EseguiRigaDiComando(argomenti, a.programma, o, e);
    }
    QString Strumento(const char* nome, const QStringList& argomenti) {
        const QString programma = QStandardPaths::findExecutable(QString::fromLatin1(nome));
        if (programma.isEmpty()) {
            return {};
        }
        QProcess p;
        p.start(programma, argomenti);
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    Ambiente a;
    QString partita, uscita, testo, errore;
};

TEST_F(RapportoTest, TheCommandLineWritesTheThreeFiles) {
    ASSERT_EQ(0, Esegui({"--report", partita, "--out", uscita})) << errore.toStdString();
    QFile csv(uscita + QStringLiteral("/play-by-play.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray dati = csv.readAll();
    EXPECT_TRUE(dati.startsWith("\xEF\xBB\xBF")) << "UTF-8 with its mark";
    const QStringList righe = QString::fromUtf8(dati.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const int storia = static_cast<int>(FilePartita().count("\r\n(") + FilePartita().count("\r\n1#"));
    EXPECT_EQ(storia + 1, righe.size()) << "a header, then one row per history line";
    EXPECT_TRUE(righe.contains(QStringLiteral("1;3;1;Orsi Città;N;;Non specificato;20:02;Punto annullato")));
    EXPECT_TRUE(righe.contains(QStringLiteral("1;3;2;Orsi Città;;;;20:02;Tempo")));
    const QImage card(uscita + QStringLiteral("/result.png"));
    EXPECT_EQ(QSize(1080, 1080), card.size());
    EXPECT_NE(card.pixel(10, 10), card.pixel(200, 200)) << "not blank";

    const QString pdf = uscita + QStringLiteral("/report.pdf");
    const QString info = Strumento("pdfinfo", {pdf});
    if (info.isEmpty()) {
        GTEST_SKIP() << "poppler-utils not installed (scripts/setup.sh installs it)";
    }
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3")))) << info.toStdString();
    const QString contenuto = Strumento("pdftotext", {pdf, QStringLiteral("-")});
    for (const char* atteso : {"Lupi", "Orsi Città", "25-20", "20-25", "25-23", "18-25", "15-13",
                               "\n3-2\n", "7 Rossi", "Rosa non disponibile, atleti indicati per numero: Orsi Città"}) {
        EXPECT_TRUE(contenuto.contains(QString::fromUtf8(atteso))) << atteso;
    }
}

TEST_F(RapportoTest, CommandLineErrorsSayWhyAndWriteNothing) {
    Ambiente::CreaFile(a.radice.filePath(QStringLiteral("lista.txt")), "Pane\r\nLatte\r\n");
    struct Caso {
        QStringList argomenti;
        int codice;
        const char* parola;
    };
    const Caso casi[] = {
        {{"--report", partita}, 2, "--out"},
        {{"--report", a.radice.filePath("manca.txt"), "--out", uscita}, 3, "cannot read"},
        {{"--report", a.radice.filePath("lista.txt"), "--out", uscita}, 4, "not a Brivanta match file"},
        {{"--report", partita, "--out", a.radice.filePath("lista.txt/report")}, 5, "output folder"},
        {{"--report", partita, "--out", uscita, "--lang", "XYZ"}, 6, "unknown language"},
        {{"--bogus"}, 2, "unknown option: --bogus (usage: brivanta [--report"},
        {{"--reprot", partita, "--out", uscita}, 2, "unknown option: --reprot"},
        {{"--report", partita, "--out", uscita, "extra"}, 2, "unknown option: extra"},
    };
    for (const Caso& c : casi) {
        errore.clear();
        EXPECT_EQ(c.codice, Esegui(c.argomenti)) << c.parola;
        EXPECT_EQ(1, errore.count(u'\n')) << "one line: " << errore.toStdString();
        EXPECT_TRUE(errore.contains(QString::fromLatin1(c.parola))) << errore.toStdString();
    }
    EXPECT_TRUE(QDir(uscita).isEmpty(QDir::Files)) << "nothing half-done";
    EXPECT_EQ(0, Esegui({"--help"}));
    EXPECT_TRUE(testo.contains(QStringLiteral("--report MATCH.txt --out FOLDER")));
}

TEST_F(RapportoTest, AMissingOutputFolderIsMadeWithItsParents) {
    const QString nuova = a.radice.filePath(QStringLiteral("nuova/cartella/report"));
    ASSERT_EQ(0, Esegui({"--report", partita, "--out", nuova})) << errore.toStdString();
    for (const QString& nome : NomiPacchetto) {
        EXPECT_TRUE(QFileInfo(QDir(nuova).filePath(nome)).size() > 0) << nome.toStdString();
    }
}

TEST(RapportoLogicaTest, RunsDurationsAndRemovalsNeverCount) {
    Partita p;
    RegolePredefinite(p);
    p.SetCorrente = 2;
    p.Tabellone.Nome = {QStringLiteral("A"), QStringLiteral("B")};
    p.Storico = {"(1) 0 -  0 - 20:00 - 0_0"};
    for (int i = 1; i <= 25; ++i) {
        p.Storico << QStringLiteral("(1)%1 -  0 - 20:%2 - H_7_0").arg(i, 2).arg(i, 2, 10, QLatin1Char('0'));
        if (i == 10) {
            p.Storico << QStringLiteral("(1) 9 -  0 - 20:10 - H_N_0"); // taken back
            p.Storico << QStringLiteral("(1)10 -  0 - 20:10 - H_7_0");
        }
    }
    p.Storico << "(2) 0 -  0 - 20:25 - 0_0";
    const Rapporto r = CostruisciRapporto(p, QDate(2026, 12, 7), TabellaLingue{});
    ASSERT_EQ(1u, r.Set.size()) << "set 2 has not started";
    EXPECT_EQ(0, r.Set[0].Vincitore);
    EXPECT_EQ(25, r.Set[0].SerieMassima[0]);
    EXPECT_EQ(25, r.Set[0].Minuti.value_or(-1));
    EXPECT_EQ(27u, r.Set[0].Progressione.size()) << "every rally, the removal included";
}

// A match file reported where the teams' folders are not: every number that scored is in its
// team's table, named by its number; numbers off a roster that is there are added after it.
TEST(RapportoLogicaTest, NumbersOffTheRosterAreListedByNumber) {
    struct Riga {
        QString numero, cognome;
        int totale;
    };
    const auto righe = [](const SquadraRapporto& q) {
        std::vector<Riga> v;
        for (const RigaRiepilogo& a : q.Atleti) {
            v.push_back({a.Numero, a.Cognome, a.Totale});
        }
        return v;
    };
    Partita p;
    RegolePredefinite(p);
    p.Tabellone.Nome = {QStringLiteral("A"), QStringLiteral("B")};
    p.Storico = {"(1) 0 -  0 - 20:00 - 0_0",   "(1) 1 -  0 - 20:01 - H_12_1", "(1) 2 -  0 - 20:02 - H_6_0",
                 "(1) 3 -  0 - 20:03 - H_12_3", "(1) 3 -  1 - 20:04 - G_E_0",  "(1) 3 -  2 - 20:05 - G_4_0"};
    const Rapporto senza = CostruisciRapporto(p, QDate(2026, 12, 7), TabellaLingue{});
    EXPECT_FALSE(senza.Squadre[0].RosaDisponibile);
    const std::vector<Riga> casa = righe(senza.Squadre[0]);
    ASSERT_EQ(2u, casa.size());
    EXPECT_EQ(QStringLiteral("6"), casa[0].numero) << "sorted by number";
    EXPECT_EQ(QStringLiteral("N° 6"), casa[0].cognome);
    EXPECT_EQ(1, casa[0].totale);
    EXPECT_EQ(QStringLiteral("N° 12"), casa[1].cognome);
    EXPECT_EQ(2, casa[1].totale);
    EXPECT_EQ(QStringLiteral("N° 12 (2)"), senza.Squadre[0].Migliori.value(0));
    ASSERT_EQ(1u, righe(senza.Squadre[1]).size()) << "an opponent's error is nobody's row";
    EXPECT_EQ(QStringLiteral("N° 4"), righe(senza.Squadre[1])[0].cognome);

    p.Rose[0] = {Atleta{QStringLiteral("12"), QStringLiteral("Rossi"), {}, {}, {}},
                 Atleta{QStringLiteral("3"), QStringLiteral("Verdi"), {}, {}, {}}};
    const Rapporto con = CostruisciRapporto(p, QDate(2026, 12, 7), TabellaLingue{});
    EXPECT_TRUE(con.Squadre[0].RosaDisponibile);
    const std::vector<Riga> rosa = righe(con.Squadre[0]);
    ASSERT_EQ(3u, rosa.size());
    EXPECT_EQ(QStringLiteral("Rossi"), rosa[0].cognome);
    EXPECT_EQ(2, rosa[0].totale);
    EXPECT_EQ(QStringLiteral("Verdi"), rosa[1].cognome);
    EXPECT_EQ(QStringLiteral("N° 6"), rosa[2].cognome) << "the roster first, then the rest";
    EXPECT_EQ(QStringLiteral("12 Rossi (2)"), con.Squadre[0].Migliori.value(0));
}

} // namespace

#include "scenari/ConsoleDiProva.h"

namespace {

using RapportoConsole = ConsoleDiProva;

TEST_F(RapportoConsole, TheMenuWritesThePackAsksBeforeReplacingAndOpensTheFolder) {
    a.f.dialoghi.Attendi(QStringLiteral("La partita non è ancora iniziata"));
    console.writeReport();
    Punti(0, 3);
    const QString cartella = a.radice.filePath(QStringLiteral("report"));
    QDir().mkpath(cartella);
    a.f.dialoghi.AttendiFile(cartella);
    console.writeReport();
    for (const QString& nome : NomiPacchetto) {
        EXPECT_TRUE(QFileInfo::exists(QDir(cartella).filePath(nome))) << nome.toStdString();
    }
    EXPECT_EQ(QStringList{cartella}, a.f.shell.aperti);
    a.f.dialoghi.AttendiFile(cartella);
    a.f.dialoghi.Attendi(QStringLiteral("In questa cartella c'è già un report: vuoi sostituirlo?\n") + cartella,
                         Risposta::No);
    console.writeReport();
    EXPECT_EQ(Predefinito::Rinuncia, a.f.dialoghi.Predefiniti.last());
    EXPECT_EQ(1, a.f.shell.aperti.size()) << "declined: nothing written, nothing opened";
}

} // namespace
