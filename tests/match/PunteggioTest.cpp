#include "match/Partita.h"
#include "match/Punteggio.h"
#include "match/VistaPartita.h"
#include "shared/Modulo1.h"

#include "doppi/Stampa.h"

#include <gtest/gtest.h>

namespace {

class VistaRegistrata : public VistaPartita {
public:
    void Avviso(const QString& testo) override { avvisi.append(testo); }
    void BloccaConsole() override {
        ++blocchi;
        partita->Bloccata = true;
    }
    void AvviaLampeggio() override { ++lampeggi; }
    void AvviaScorrimento() override { ++scorrimenti; }
    void Esultanza(int tipo) override { esultanze.push_back(tipo); }
    void ApriCambioCampo() override { ++cambiCampo; }
    void FinePartita() override { ++fini; }
    void CodiceRifiutato(int lato) override { rifiutati.push_back(lato); }

    Partita* partita = nullptr;
    QStringList avvisi;
    std::vector<int> esultanze;
    std::vector<int> rifiutati;
    int blocchi = 0, lampeggi = 0, scorrimenti = 0, cambiCampo = 0, fini = 0;
};

constexpr int CasaPiu = 0, CasaMeno = 1, OspitiMeno = 2, OspitiPiu = 3;

class PunteggioTest : public ::testing::Test {
protected:
    PunteggioTest() {
        RegolePredefinite(p);
        p.EtichettaSet = EtichettaDelSet(1, m.Lingue);
        m.CartellaDati = QStringLiteral("/dati");
        vista.partita = &p;
    }

    bool Click(int index, const QString& codice = {}, int tipo = 0) {
        RichiestaPunto r;
        r.Index = index;
        r.Codice = codice;
        r.TipoPunto = tipo;
        r.Ora = QStringLiteral("15:42:10");
        r.DidascalieTipo = {QStringLiteral("Non specificato"), QStringLiteral("Ace"),
                            QStringLiteral("Muro"), QStringLiteral("Schiacciata"),
                            QStringLiteral("Pallonetto")};
        return SegnaPunto(p, r, m, vista);
    }

    // Plays a whole set: level up to the loser's total, then the winner pulls away.
    void Set(int casa, int ospiti) {
        const int vincitore = casa > ospiti ? CasaPiu : OspitiPiu;
        const int perdente = vincitore == CasaPiu ? OspitiPiu : CasaPiu;
        const int puntiPerdente = std::min(casa, ospiti);
        for (int i = 0; i < puntiPerdente; ++i) {
            Click(vincitore);
            Click(perdente);
        }
        for (int i = puntiPerdente; i < std::max(casa, ospiti); ++i) {
            Click(vincitore);
        }
    }

    Partita p;
    Modulo1 m;
    VistaRegistrata vista;
};

TEST_F(PunteggioTest, FirstPointLogsTheSetStartAndLocksTheConsole) {
    ASSERT_TRUE(Click(CasaPiu));
    EXPECT_EQ((QStringList{"(1) 0 -  0 - 15:42 - 0_0", "(1) 1 -  0 - 15:42 - H_N_0"}), p.Storico);
    EXPECT_EQ(1, vista.blocchi);
    EXPECT_EQ(1, p.RigaSelezionata);
    EXPECT_TRUE(p.UndoAttivo);
    EXPECT_EQ((std::array<bool, 2>{true, false}), p.Tabellone.Marcatore);
    Click(OspitiPiu, QStringLiteral("7"), 2);
    EXPECT_EQ(QStringLiteral("(1) 1 -  1 - 15:42 - G_7_2"), p.Storico.last());
    EXPECT_EQ((std::array<bool, 2>{false, true}), p.Tabellone.Marcatore);
    EXPECT_EQ(1, vista.blocchi) << "only the first point locks";
}

TEST_F(PunteggioTest, HistoryAlignsOneAndTwoDigitScores) {
    p.Punti = {11, 10};
    p.Bloccata = true;
    Click(CasaPiu, QStringLiteral("E"));
    EXPECT_EQ(QStringLiteral("(1)12 - 10 - 15:42 - H_E_0"), p.Storico.last());
    p.Punti = {9, 10};
    Click(CasaPiu);
    EXPECT_EQ(QStringLiteral("(1)10 - 10 - 15:42 - H_N_0"), p.Storico.last());
}

// A "+ 1" with an empty code box credits nobody: no athlete's photo, whoever was picked before.
TEST_F(PunteggioTest, APointWithNoCodeShowsNoAthlete) {
    for (const int index : {CasaPiu, OspitiPiu}) {
        p.NumeroMarcatore = QStringLiteral("7"); // the last athlete picked, points ago
        p.FotoMarcatore.clear();
        ASSERT_TRUE(Click(index));
        EXPECT_TRUE(p.FotoMarcatore.isEmpty()) << index << " " << p.FotoMarcatore.toStdString();
        EXPECT_TRUE(p.NumeroMarcatore.isEmpty()) << index;
        EXPECT_TRUE(p.Storico.last().endsWith(QStringLiteral("_N_0"))) << "nobody credited";
    }
    p.NumeroMarcatore = QStringLiteral("7");
    ASSERT_TRUE(Click(OspitiPiu, QStringLiteral("7")));
    EXPECT_TRUE(p.FotoMarcatore.endsWith(QStringLiteral("7.jpg"))) << "a number in the box still shows its athlete";
}

TEST_F(PunteggioTest, AthleteCodes) {
    struct Caso {
        const char* codice;
        bool accettato;
        const char* evento;
    };
    for (const Caso c : {Caso{"0", false, ""}, Caso{"abc", false, ""}, Caso{"e", false, ""},
                         Caso{"E", true, "H_E_0"}, Caso{"12", true, "H_12_0"},
                         Caso{"", true, "H_N_0"}}) {
        SCOPED_TRACE(c.codice);
        p = Partita{};
        RegolePredefinite(p);
        vista.avvisi.clear();
        EXPECT_EQ(c.accettato, Click(CasaPiu, QString::fromUtf8(c.codice)));
        if (c.accettato) {
            EXPECT_TRUE(vista.avvisi.isEmpty());
            EXPECT_EQ(1, p.Punti[0]);
            EXPECT_TRUE(p.Storico.last().endsWith(QString::fromUtf8(c.evento)));
        } else {
            EXPECT_EQ(QStringList{"Non si tratta di un giocatore ATTENZIONE!! - Punto non segnato"},
                      vista.avvisi);
            EXPECT_EQ(0, p.Punti[0]);
            EXPECT_EQ(QStringList{"(1) 0 -  0 - 15:42 - 0_0"}, p.Storico)
                << "the set start and the lock of the first point stay";
            EXPECT_TRUE(p.Bloccata);
        }
    }
}

TEST_F(PunteggioTest, RemovalAtZeroInTheFirstSetDoesNothing) {
    EXPECT_FALSE(Click(CasaMeno));
    EXPECT_FALSE(Click(OspitiMeno));
    EXPECT_TRUE(p.Storico.isEmpty());
    EXPECT_TRUE(p.PresentazioneAttiva);
}

TEST_F(PunteggioTest, RemovalInALaterSetStopsAtZeroButIsLogged) {
    Set(25, 20);
    const auto righe = p.Storico.size();
    EXPECT_TRUE(Click(OspitiMeno));
    EXPECT_EQ(0, p.Punti[1]);
    EXPECT_EQ(righe + 1, p.Storico.size());
    EXPECT_EQ(QStringLiteral("(2) 0 -  0 - 15:42 - G_N_0"), p.Storico.last());
}

TEST_F(PunteggioTest, RemovalReusesTheLastCodeAndButtonOneBlocksThePresentation) {
    Click(CasaPiu, QStringLiteral("9"), 1);
    Click(OspitiMeno);
    EXPECT_TRUE(p.PresentazioneAttiva);
    Click(CasaPiu, QStringLiteral("4"));
    Click(CasaMeno);
    EXPECT_EQ(QStringLiteral("(1) 1 -  0 - 15:42 - H_4_0"), p.Storico.last());
    EXPECT_FALSE(p.PresentazioneAttiva);
}

TEST_F(PunteggioTest, PointsStopAtTwoHundred) {
    p.Bloccata = true;
    p.Punti = {199, 199};
    Click(CasaPiu);
    Click(CasaPiu);
    EXPECT_EQ(200, p.Punti[0]);
    Click(OspitiPiu);
    Click(OspitiPiu);
    EXPECT_EQ((std::array<int, 2>{200, 200}), p.Punti);
    EXPECT_EQ(1, p.SetCorrente);
}

struct CasoBanner {
    int setTotali;
    int setCasa, setOspiti;
    int casa, ospiti; // after the click
    int stato;
    const char* testo;
};

class BannerTest : public PunteggioTest, public ::testing::WithParamInterface<CasoBanner> {};

TEST_P(BannerTest, SetPointOrMatchPoint) {
    const CasoBanner c = GetParam();
    p.SetTotali = c.setTotali;
    p.SetVinti = {c.setCasa, c.setOspiti};
    p.SetCorrente = c.setCasa + c.setOspiti + 1;
    p.Bloccata = true;
    const bool casaSegna = c.casa > 0;
    p.Punti = {c.casa - (casaSegna ? 1 : 0), c.ospiti - (casaSegna ? 0 : 1)};
    Click(casaSegna ? CasaPiu : OspitiPiu);
    EXPECT_EQ(c.stato, p.StatoSetPoint);
    EXPECT_EQ(c.testo != nullptr, p.Tabellone.Banner);
    if (c.testo != nullptr) {
        EXPECT_EQ(QString::fromUtf8(c.testo), p.Tabellone.TestoBanner);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, BannerTest,
    ::testing::Values(CasoBanner{5, 0, 0, 24, 24, 0, nullptr},
                      CasoBanner{5, 0, 0, 25, 24, 1, "SET POINT"},
                      CasoBanner{5, 0, 0, 23, 22, 0, nullptr},
                      CasoBanner{5, 2, 1, 24, 20, 2, "MATCH POINT"},
                      CasoBanner{5, 2, 1, 20, 24, 1, "SET POINT"},
                      CasoBanner{5, 1, 2, 20, 24, 2, "MATCH POINT"},
                      CasoBanner{5, 2, 2, 14, 10, 2, "MATCH POINT"},
                      CasoBanner{3, 0, 1, 24, 20, 1, "SET POINT"},
                      CasoBanner{3, 0, 1, 20, 24, 2, "MATCH POINT"},
                      CasoBanner{3, 1, 1, 14, 13, 2, "MATCH POINT"},
                      CasoBanner{1, 0, 0, 24, 20, 2, "MATCH POINT"},
                      CasoBanner{1, 0, 0, 20, 24, 2, "MATCH POINT"}));

TEST_F(PunteggioTest, UnknownNumberOfSetsWarnsAndShowsNoBlinkingBanner) {
    p.SetTotali = 4;
    p.Bloccata = true;
    p.Punti = {23, 20};
    Click(CasaPiu);
    EXPECT_EQ(QStringList{"Error number of sets =4"}, vista.avvisi);
    EXPECT_EQ(0, p.StatoSetPoint);
    EXPECT_TRUE(p.Tabellone.Banner);
}

struct CasoPartita {
    int setTotali;
    std::vector<std::pair<int, int>> set;
    const char* vincitore;
    int ultimoSet;
    const char* tabellone[2];
    const char* ultimaRiga;
};

class PartitaInteraTest : public PunteggioTest,
                          public ::testing::WithParamInterface<CasoPartita> {};

TEST_P(PartitaInteraTest, PlaysToTheWinnerMessage) {
    const CasoPartita c = GetParam();
    p.SetTotali = c.setTotali;
    for (size_t i = 0; i < c.set.size(); ++i) {
        EXPECT_EQ(0, p.PartitaFinita) << "set " << i + 1;
        Set(c.set[i].first, c.set[i].second);
    }
    EXPECT_EQ(QStringList{QStringLiteral("Partita vinta da: ") + QString::fromUtf8(c.vincitore)},
              vista.avvisi);
    EXPECT_EQ(1, p.PartitaFinita);
    EXPECT_EQ(1, vista.fini);
    EXPECT_EQ(c.ultimoSet, p.SetCorrente);
    EXPECT_EQ(QString::fromUtf8(c.tabellone[0]), p.Tabellone.Punti[0]);
    EXPECT_EQ(QString::fromUtf8(c.tabellone[1]), p.Tabellone.Punti[1]);
    EXPECT_EQ(QString::fromUtf8(c.ultimaRiga), p.Storico.last());
    EXPECT_FALSE(p.PunteggioAttivo);
    EXPECT_FALSE(p.UndoAttivo);
    EXPECT_FALSE(p.TimeoutAttivi);
    EXPECT_TRUE(p.StatisticheFinaliAttive);
    EXPECT_TRUE(p.CodiceAtleta.isEmpty());
    for (size_t i = 0; i < c.set.size(); ++i) {
        EXPECT_EQ(QString::number(c.set[i].first).rightJustified(2) + "/" +
                      QString::number(c.set[i].second).rightJustified(2),
                  p.Parziali[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Partite, PartitaInteraTest,
    ::testing::Values(
        CasoPartita{5, {{25, 10}, {25, 23}, {30, 28}}, "Locali", 3, {"3", "0"},
                    "(4) 0 -  0 - 15:42 - 0_0"},
        CasoPartita{5, {{25, 20}, {20, 25}, {23, 25}, {25, 9}, {14, 16}}, "Ospiti", 5,
                    {"2", "3"}, "(6) 0 -  0 - 15:42 - 0_0"},
        CasoPartita{5, {{25, 20}, {20, 25}, {25, 23}, {20, 25}, {17, 15}}, "Locali", 5,
                    {"3", "2"}, "(6) 0 -  0 - 15:42 - 0_0"},
        CasoPartita{3, {{25, 20}, {26, 24}}, "Locali", 2, {"2", "0"},
                    "(3) 0 -  0 - 15:42 - 0_0"},
        CasoPartita{3, {{25, 20}, {20, 25}, {10, 15}}, "Ospiti", 3, {"1", "2"},
                    "(4) 0 -  0 - 15:42 - 0_0"},
        CasoPartita{1, {{25, 27}}, "Ospiti", 1, {"0", "1"}, "(2) 0 -  0 - 15:42 - 0_0"}));

TEST_F(PunteggioTest, TieBreakGoesOnAtFifteenFourteen) {
    p.SetVinti = {2, 2};
    p.SetCorrente = 5;
    p.Bloccata = true;
    p.Punti = {14, 14};
    Click(CasaPiu);
    EXPECT_EQ(0, p.PartitaFinita);
    EXPECT_EQ(15, p.Punti[0]);
    Click(CasaPiu);
    EXPECT_EQ(1, p.PartitaFinita);
}

TEST_F(PunteggioTest, EndOfSetResetsTheConsoleButTheDisplayKeepsTheFinalScore) {
    p.TimeChiesti = {2, 1};
    Set(25, 23);
    EXPECT_EQ((std::array<int, 2>{0, 0}), p.Punti);
    EXPECT_EQ((std::array<QString, 2>{"25", "23"}), p.Tabellone.Punti);
    EXPECT_EQ((std::array<int, 2>{0, 0}), p.TimeChiesti);
    EXPECT_EQ((std::array<int, 2>{1, 0}), p.SetVinti);
    EXPECT_EQ(2, p.SetCorrente);
    EXPECT_EQ(QStringLiteral("2°SET"), p.EtichettaSet);
    EXPECT_EQ(QStringLiteral("25/23"), p.Parziali[0]);
    EXPECT_EQ((std::array<bool, 2>{false, false}), p.Tabellone.Marcatore);
    EXPECT_FALSE(p.Tabellone.Banner);
    EXPECT_EQ(QStringLiteral("Locali"), p.VincitoreUltimoSet);
    Click(OspitiPiu);
    EXPECT_EQ((std::array<QString, 2>{"0", "1"}), p.Tabellone.Punti);
}

TEST_F(PunteggioTest, CourtChangeComparesWithThisSetsPoints) {
    p.SetTotali = 3;
    Set(25, 20);
    Set(15, 25);
    EXPECT_EQ(3, p.SetCorrente);
    for (int i = 0; i < 7; ++i) {
        Click(CasaPiu);
    }
    EXPECT_EQ(0, vista.cambiCampo);
    Click(CasaPiu);
    EXPECT_EQ(1, vista.cambiCampo) << "8-0 opens the notice although the guests had 25";
    EXPECT_EQ(0, p.ModoConteggio);
    Click(OspitiPiu);
    EXPECT_EQ(-1, p.ModoConteggio) << "the next change closes the countdown";
}

TEST_F(PunteggioTest, CourtChangeOffOpensNothing) {
    p.CambioCampoAttivo = 0;
    p.SetVinti = {2, 2};
    p.SetCorrente = 5;
    p.Bloccata = true;
    p.Punti = {7, 5};
    Click(CasaPiu);
    EXPECT_EQ(0, vista.cambiCampo);
}

TEST_F(PunteggioTest, ScorerPanel) {
    p.Rose[0] = {Atleta{"7", "ROSSI", "Mario", "2-Centrale", "C"}};
    p.NumeroMarcatore = QStringLiteral("7");
    Click(CasaPiu, QStringLiteral("7"), 1);
    const auto& pannello = p.Tabellone.Pannello;
    EXPECT_EQ(QStringLiteral("Home : Ace"), pannello.Titolo);
    EXPECT_EQ(QStringLiteral("            ROSSI"), pannello.Cognome.mid(1)) << "the surname, in capitals";
    EXPECT_EQ(18, pannello.Cognome.size());
    EXPECT_EQ(QStringLiteral("7"), pannello.Numero);
    EXPECT_TRUE(pannello.Scorre);
    EXPECT_EQ(QStringLiteral("/dati/Teams/Home/7.jpg"), p.FotoMarcatore);
    EXPECT_EQ(1, vista.scorrimenti);

    p.NumeroMarcatore = QStringLiteral("12");
    Click(OspitiPiu, QStringLiteral("12"));
    EXPECT_EQ(QStringLiteral("         NUMERO 12"), p.Tabellone.Pannello.Cognome)
        << "a number missing from the roster shows as itself";

    Click(OspitiPiu, QStringLiteral("E"));
    EXPECT_EQ(QStringLiteral("Guests"), p.Tabellone.Pannello.Titolo);
    EXPECT_FALSE(p.Tabellone.Pannello.Scorre) << "an opponent's error shows no scorer";
    EXPECT_EQ(2, vista.scorrimenti);

    Click(CasaPiu, QStringLiteral("E"));
    EXPECT_TRUE(p.NumeroMarcatore.isEmpty());
    EXPECT_TRUE(p.NomeMarcatore.isEmpty());
    EXPECT_TRUE(p.FotoMarcatore.isEmpty());
}

TEST_F(PunteggioTest, OnlyHomePointsCheerWithTheSoundsOn) {
    Click(CasaPiu, {}, 3);
    EXPECT_TRUE(vista.esultanze.empty()) << "sounds off";
    m.EsultanzaAttiva = 1;
    Click(CasaPiu, {}, 3);
    Click(OspitiPiu, {}, 1);
    Click(CasaMeno);
    Click(CasaPiu, QStringLiteral("abc"), 2);
    vista.avvisi.clear();
    Click(CasaPiu, {}, 4);
    EXPECT_EQ((std::vector<int>{3, 4}), vista.esultanze);
}

TEST_F(PunteggioTest, ResetKeepsRulesAndNames) {
    p.SetTotali = 3;
    p.NomeSquadra = {QStringLiteral("Lupi"), QStringLiteral("Orsi")};
    Set(25, 20);
    Click(CasaPiu);
    PulisciPartita(p, m.Lingue);
    EXPECT_TRUE(p.Storico.isEmpty());
    EXPECT_EQ((std::array<int, 2>{0, 0}), p.Punti);
    EXPECT_EQ((std::array<int, 2>{0, 0}), p.SetVinti);
    EXPECT_EQ((std::array<QString, 2>{"0", "0"}), p.Tabellone.Punti);
    EXPECT_TRUE(p.Parziali[0].isEmpty());
    EXPECT_EQ(1, p.SetCorrente);
    EXPECT_FALSE(p.Bloccata);
    EXPECT_EQ(3, p.SetTotali);
    EXPECT_EQ(QStringLiteral("Lupi"), p.NomeSquadra[0]);
}

} // namespace
