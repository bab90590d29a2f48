#include "live/Snapshot.h"
#include "display/Presentation.h"
#include "display/ScreenState.h"
#include "match/Match.h"
#include "shared/Language.h"

#include "doubles/Environment.h"
#include "doubles/Printing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

class SnapshotTest : public ::testing::Test {
  protected:
    SnapshotTest() {
        DefaultRules(p);
        p.SetLabel = SetLabelFor(1, languages);
        data = a.program;
    }
    QJsonObject State(bool count = false) {
        return LiveState({p, screen, presentation, languages, data, count, false,
                          QStringLiteral("Tempo Locali")},
                         7);
    }
    Environment a;
    Match p;
    ScreenState screen;
    PresentationState presentation;
    LanguageTable languages;
    QString data;
};

// The feed's contract: streamers' graphics and production tools read these names.
TEST_F(SnapshotTest, FieldNamesArePinned) {
    const QJsonObject s = State();
    EXPECT_EQ(
        (QStringList{"banner", "banner_text", "board", "guests", "home", "language", "last_point",
                     "match_over", "overlay", "partials", "set", "sponsor", "version", "winner"}),
        s.keys());
    EXPECT_EQ((QStringList{"colors", "logo", "name", "points", "serving_marker", "sets", "shown",
                           "timeouts"}),
              s.value("home").toObject().keys());
    EXPECT_EQ((QStringList{"label", "number", "of", "previous_label"}),
              s.value("set").toObject().keys());
    EXPECT_EQ((QStringList{"current", "slots"}), s.value("sponsor").toObject().keys());
    EXPECT_EQ(7, s.value("version").toInteger());
    EXPECT_EQ(QStringLiteral("none"), s.value("overlay").toObject().value("kind").toString());
}

TEST_F(SnapshotTest, PointsSetsTimeoutsAndTheLastPointWithItsScorer) {
    p.Display.Name = {QStringLiteral("Città di Bolzano"), QStringLiteral("Étoile Genève")};
    p.Rosters[0] = {{"7", "Rossi", "Anna", "5-Banda", "C"}};
    p.Points = {3, 1};
    p.SetsWon = {1, 0};
    p.TimeoutsCalled = {0, 2};
    p.CurrentSet = 2;
    p.Partials[0] = QStringLiteral("25/23");
    p.History = ReadHistory({"(2) 0 -  0 - 15:00 - 0_0", "(2) 2 -  1 - 15:01 - H_N_0",
                             "1#G Timeout Ospiti - 15:02", "(2) 3 -  1 - 15:03 - H_7_1"});
    const QJsonObject s = State();
    const QJsonObject home = s.value("home").toObject();
    EXPECT_EQ(QStringLiteral("Città di Bolzano"), home.value("name").toString());
    EXPECT_EQ(3, home.value("points").toInt());
    EXPECT_EQ(1, home.value("sets").toInt());
    EXPECT_EQ(2, s.value("guests").toObject().value("timeouts").toInt());
    EXPECT_EQ(QStringLiteral("25/23"), s.value("partials").toArray().first().toString());
    const QJsonObject point = s.value("last_point").toObject();
    EXPECT_EQ(QStringLiteral("home"), point.value("side").toString());
    EXPECT_EQ(QStringLiteral("7"), point.value("number").toString());
    EXPECT_EQ(QStringLiteral("Rossi"), point.value("surname").toString());
    EXPECT_EQ(QStringLiteral("Ace"), point.value("type").toString());
    EXPECT_TRUE(QJsonDocument(s).toJson().contains("Étoile Genève")) << "UTF-8 as it is";
}

// The set result names the set just finished, as the operator's language writes it.
TEST_F(SnapshotTest, TheSetLabelsAreTheLanguagesOrdinals) {
    languages.CurrentLanguage = QStringLiteral("ENG");
    p.CurrentSet = 3;
    p.SetLabel = SetLabelFor(3, languages);
    const QJsonObject set = State().value("set").toObject();
    EXPECT_EQ(QStringLiteral("3rd SET"), set.value("label").toString());
    EXPECT_EQ(QStringLiteral("2nd SET"), set.value("previous_label").toString());
    p.CurrentSet = 1;
    EXPECT_EQ(QString(), State().value("set").toObject().value("previous_label").toString())
        << "no set before the first";
}

// After a removal, a timeout or a new set, no point is "the last one" to celebrate.
TEST_F(SnapshotTest, NoLastPointAfterARemovalOrASetStart) {
    const QStringList histories[] = {
        {"(1) 0 -  0 - 15:00 - 0_0", "(1) 1 -  0 - 15:01 - H_7_0", "(1) 0 -  0 - 15:02 - H_N_0"},
        {"(1)25 - 20 - 15:00 - H_7_0", "(2) 0 -  0 - 15:02 - 0_0"},
        {"(1) 0 -  0 - 15:00 - 0_0"},
        {},
    };
    for (const QStringList& history : histories) {
        p.History = ReadHistory(history);
        EXPECT_TRUE(State().value("last_point").isNull()) << history.join('|').toStdString();
    }
}

TEST_F(SnapshotTest, AFinishedMatchHasItsWinnerAndTheBannerFollowsTheDisplay) {
    p.SetsWon = {1, 3};
    EndMatch(p, languages);
    QJsonObject s = State();
    EXPECT_TRUE(s.value("match_over").toBool());
    EXPECT_EQ(QStringLiteral("guests"), s.value("winner").toString());
    p.MatchOver = false;
    p.Display.BannerMatchPoint = true;
    p.Display.Banner = true;
    p.Display.BannerText = QStringLiteral("MATCH POINT");
    s = State();
    EXPECT_TRUE(s.value("winner").isNull());
    EXPECT_EQ(QStringLiteral("match_point"), s.value("banner").toString());
    EXPECT_EQ(QStringLiteral("MATCH POINT"), s.value("banner_text").toString());
}

TEST_F(SnapshotTest, TheOverlayInViewWithItsContent) {
    screen.Panel = InView::Statistics;
    screen.Statistics.Title = QStringLiteral("Statistiche 1o SET");
    screen.Statistics.HomeNames[0] = QStringLiteral("ROSSI");
    QJsonObject o = State().value("overlay").toObject();
    EXPECT_EQ(QStringLiteral("statistics"), o.value("kind").toString());
    EXPECT_EQ(QStringLiteral("ROSSI"),
              o.value("rows").toArray().first().toObject().value("home_name").toString());
    screen.Panel = InView::LeadingTeam;
    screen.Leading = {1, QStringLiteral("Squadra in testa"), QStringLiteral("2-1"),
                      QStringLiteral("12 - 10")};
    o = State().value("overlay").toObject();
    EXPECT_EQ(QStringLiteral("leading"), o.value("kind").toString());
    EXPECT_EQ(QStringLiteral("guests"), o.value("side").toString());
    p.TickCount = 4;
    o = State(true).value("overlay").toObject();
    EXPECT_EQ(QStringLiteral("countdown"), o.value("kind").toString()) << "the countdown first";
    EXPECT_EQ(26, o.value("seconds").toInt());
    EXPECT_EQ(QStringLiteral("timeout"), o.value("reason").toString());
}

TEST_F(SnapshotTest, PicturesAreAddressedUnderMediaAndMissingOnesAreEmpty) {
    Environment::CreateFile(data + QStringLiteral("/Teams/Lupi/logo.jpg"));
    Environment::CreateFile(data + QStringLiteral("/Sponsors/bar sport.jpg"));
    p.TeamName = {QStringLiteral("Lupi"), QStringLiteral("Guests")};
    screen.Sponsor[2] = data + QStringLiteral("/Sponsors/bar sport.jpg");
    screen.LastSlot = 2;
    const QJsonObject s = State();
    EXPECT_EQ(QStringLiteral("/media/teams/Lupi/logo.jpg"),
              s.value("home").toObject().value("logo").toString());
    EXPECT_EQ(QString(), s.value("guests").toObject().value("logo").toString());
    EXPECT_EQ(QStringLiteral("/media/sponsors/bar%20sport.jpg"),
              s.value("sponsor").toObject().value("current").toString());
}

TEST_F(SnapshotTest, VmixGetsOneFlatRowInJsonAndXml) {
    p.Display.Name = {QStringLiteral("A & B"), QStringLiteral("Ospiti")};
    p.Points = {5, 4};
    const QJsonObject flat = VmixFlat(State());
    EXPECT_EQ(5, flat.value("home_points").toInt());
    EXPECT_EQ(QStringLiteral("A & B"), flat.value("home_name").toString());
    for (const QJsonValue v : flat) {
        EXPECT_FALSE(v.isObject() || v.isArray()) << "flat";
    }
    const QByteArray xml = VmixXml(flat);
    EXPECT_TRUE(xml.contains("<home_name>A &amp; B</home_name>"));
    EXPECT_TRUE(xml.contains("<home_points>5</home_points>"));
}

} // namespace
