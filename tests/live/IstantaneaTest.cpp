#include "display/Presentazione.h"
#include "display/StatoSchermo.h"
#include "live/Istantanea.h"
#include "match/Partita.h"
#include "shared/Lingua.h"

#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

class IstantaneaTest : public ::testing::Test {
protected:
    IstantaneaTest() {
        RegolePredefinite(p);
        p.EtichettaSet = EtichettaDelSet(1, lingue);
        dati = a.programma;
    }
    QJsonObject Stato(bool conteggio = false) {
        return StatoLive({p, schermo, presentazione, lingue, dati, conteggio, false,
                          QStringLiteral("Tempo Locali")},
                         7);
    }
    Ambiente a;
    Partita p;
    StatoSchermo schermo;
    StatoPresentazione presentazione;
    TabellaLingue lingue;
    QString dati;
};

// The feed's contract: streamers' graphics and production tools read these names.
TEST_F(IstantaneaTest, FieldNamesArePinned) {
    const QJsonObject s = Stato();
    EXPECT_EQ((QStringList{"banner", "banner_text", "board", "guests", "home", "language",
                           "last_point", "match_over", "overlay", "partials", "set", "sponsor",
                           "version", "winner"}),
              s.keys());
    EXPECT_EQ((QStringList{"colors", "logo", "name", "points", "serving_marker", "sets", "shown",
                           "timeouts"}),
              s.value("home").toObject().keys());
    EXPECT_EQ((QStringList{"label", "number", "of"}), s.value("set").toObject().keys());
    EXPECT_EQ((QStringList{"current", "slots"}), s.value("sponsor").toObject().keys());
    EXPECT_EQ(7, s.value("version").toInteger());
    EXPECT_EQ(QStringLiteral("none"), s.value("overlay").toObject().value("kind").toString());
}

TEST_F(IstantaneaTest, PointsSetsTimeoutsAndTheLastPointWithItsScorer) {
    p.Tabellone.Nome = {QStringLiteral("Città di Bolzano"), QStringLiteral("Étoile Genève")};
    p.Rose[0] = {{"7", "Rossi", "Anna", "5-Banda", "C"}};
    p.Punti = {3, 1};
    p.SetVinti = {1, 0};
    p.TimeChiesti = {0, 2};
    p.SetCorrente = 2;
    p.Parziali[0] = QStringLiteral("25/23");
    p.Storico = {"(2) 0 -  0 - 15:00 - 0_0", "(2) 2 -  1 - 15:01 - H_N_0",
                 "1#G Timeout Ospiti - 15:02", "(2) 3 -  1 - 15:03 - H_7_1"};
    const QJsonObject s = Stato();
    const QJsonObject casa = s.value("home").toObject();
    EXPECT_EQ(QStringLiteral("Città di Bolzano"), casa.value("name").toString());
    EXPECT_EQ(3, casa.value("points").toInt());
    EXPECT_EQ(1, casa.value("sets").toInt());
    EXPECT_EQ(2, s.value("guests").toObject().value("timeouts").toInt());
    EXPECT_EQ(QStringLiteral("25/23"), s.value("partials").toArray().first().toString());
    const QJsonObject punto = s.value("last_point").toObject();
    EXPECT_EQ(QStringLiteral("home"), punto.value("side").toString());
    EXPECT_EQ(QStringLiteral("7"), punto.value("number").toString());
    EXPECT_EQ(QStringLiteral("Rossi"), punto.value("surname").toString());
    EXPECT_EQ(QStringLiteral("Ace"), punto.value("type").toString());
    EXPECT_TRUE(QJsonDocument(s).toJson().contains("Étoile Genève")) << "UTF-8 as it is";
}

// After a removal, a timeout or a new set, no point is "the last one" to celebrate.
TEST_F(IstantaneaTest, NoLastPointAfterARemovalOrASetStart) {
    const QStringList storie[] = {
        {"(1) 0 -  0 - 15:00 - 0_0", "(1) 1 -  0 - 15:01 - H_7_0", "(1) 0 -  0 - 15:02 - H_N_0"},
        {"(1)25 - 20 - 15:00 - H_7_0", "(2) 0 -  0 - 15:02 - 0_0"},
        {"(1) 0 -  0 - 15:00 - 0_0"},
        {},
    };
    for (const QStringList& storia : storie) {
        p.Storico = storia;
        EXPECT_TRUE(Stato().value("last_point").isNull()) << storia.join('|').toStdString();
    }
}

TEST_F(IstantaneaTest, AFinishedMatchHasItsWinnerAndTheBannerFollowsTheDisplay) {
    p.SetVinti = {1, 3};
    BloccaBot(p, lingue);
    QJsonObject s = Stato();
    EXPECT_TRUE(s.value("match_over").toBool());
    EXPECT_EQ(QStringLiteral("guests"), s.value("winner").toString());
    p.PartitaFinita = 0;
    p.StatoSetPoint = 2;
    p.Tabellone.Banner = true;
    p.Tabellone.TestoBanner = QStringLiteral("MATCH POINT");
    s = Stato();
    EXPECT_TRUE(s.value("winner").isNull());
    EXPECT_EQ(QStringLiteral("match_point"), s.value("banner").toString());
    EXPECT_EQ(QStringLiteral("MATCH POINT"), s.value("banner_text").toString());
}

TEST_F(IstantaneaTest, TheOverlayInViewWithItsContent) {
    schermo.Pannello = InVista::Statistiche;
    schermo.Statistiche.Titolo = QStringLiteral("Statistiche 1o SET");
    schermo.Statistiche.NomiCasa[0] = QStringLiteral("ROSSI");
    QJsonObject o = Stato().value("overlay").toObject();
    EXPECT_EQ(QStringLiteral("statistics"), o.value("kind").toString());
    EXPECT_EQ(QStringLiteral("ROSSI"),
              o.value("rows").toArray().first().toObject().value("home_name").toString());
    schermo.Pannello = InVista::SquadraInTesta;
    schermo.InTesta = {1, QStringLiteral("Squadra in testa"), QStringLiteral("2-1"),
                       QStringLiteral("12 - 10")};
    o = Stato().value("overlay").toObject();
    EXPECT_EQ(QStringLiteral("leading"), o.value("kind").toString());
    EXPECT_EQ(QStringLiteral("guests"), o.value("side").toString());
    p.TickConteggio = 4;
    o = Stato(true).value("overlay").toObject();
    EXPECT_EQ(QStringLiteral("countdown"), o.value("kind").toString()) << "the countdown first";
    EXPECT_EQ(26, o.value("seconds").toInt());
    EXPECT_EQ(QStringLiteral("timeout"), o.value("reason").toString());
}

TEST_F(IstantaneaTest, PicturesAreAddressedUnderMediaAndMissingOnesAreEmpty) {
    Ambiente::CreaFile(dati + QStringLiteral("/Teams/Lupi/logo.jpg"));
    Ambiente::CreaFile(dati + QStringLiteral("/Sponsors/bar sport.jpg"));
    p.NomeSquadra = {QStringLiteral("Lupi"), QStringLiteral("Guests")};
    schermo.Sponsor[2] = dati + QStringLiteral("/Sponsors/bar sport.jpg");
    schermo.UltimoSlot = 2;
    const QJsonObject s = Stato();
    EXPECT_EQ(QStringLiteral("/media/teams/Lupi/logo.jpg"),
              s.value("home").toObject().value("logo").toString());
    EXPECT_EQ(QString(), s.value("guests").toObject().value("logo").toString());
    EXPECT_EQ(QStringLiteral("/media/sponsors/bar%20sport.jpg"),
              s.value("sponsor").toObject().value("current").toString());
}

TEST_F(IstantaneaTest, VmixGetsOneFlatRowInJsonAndXml) {
    p.Tabellone.Nome = {QStringLiteral("A & B"), QStringLiteral("Ospiti")};
    p.Punti = {5, 4};
    const QJsonObject piatto = VmixPiatto(Stato());
    EXPECT_EQ(5, piatto.value("home_points").toInt());
    EXPECT_EQ(QStringLiteral("A & B"), piatto.value("home_name").toString());
    for (const QJsonValue v : piatto) {
        EXPECT_FALSE(v.isObject() || v.isArray()) << "flat";
    }
    const QByteArray xml = VmixXml(piatto);
    EXPECT_TRUE(xml.contains("<home_name>A &amp; B</home_name>"));
    EXPECT_TRUE(xml.contains("<home_points>5</home_points>"));
}

} // namespace
