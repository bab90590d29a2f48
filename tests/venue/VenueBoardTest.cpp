#include "venue/VenueBoard.h"
#include "shared/FileText.h"
#include "venue/Topics.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

const QDateTime Now = QDateTime(QDate(2026, 12, 10), QTime(20, 0));
const QByteArray State = R"({"home":{"points":3},"guests":{"points":1},"set":{"number":1}})";

QByteArray SampleMatch() {
    QFile f(QStringLiteral(BRIVANTA_DATA "/esempio_partita.txt"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

QString SampleId() {
    return *Topics::ResultId(DecodeLines(SampleMatch()));
}

TEST(VenueBoardTest, CourtsResultsAndPresenceMakeTheVenue) {
    VenueBoard board(QStringLiteral("gym"));
    EXPECT_TRUE(board.Accept(Topics::Presence("gym", "Court 2"), "online", Now));
    EXPECT_TRUE(board.Accept(Topics::State("gym", "Court 2"), State, Now));
    EXPECT_TRUE(board.Accept(Topics::State("gym", "Court 1"), State, Now));
    EXPECT_TRUE(board.Accept(Topics::Result("gym", "Court 1", SampleId()), SampleMatch(), Now));
    EXPECT_FALSE(board.Accept(Topics::Result("gym", "Court 1", SampleId()), SampleMatch(), Now))
        << "the same match sent again after a reconnection counts once";
    EXPECT_TRUE(board.Accept(Topics::Presence("gym", "Court 2"), "offline", Now.addSecs(30)));

    const QJsonObject venue = QJsonDocument::fromJson(board.Json(Now.addSecs(40))).object();
    const QJsonArray courts = venue[QStringLiteral("courts")].toArray();
    ASSERT_EQ(2, courts.size());
    EXPECT_EQ(QStringLiteral("Court 1"), courts[0].toObject()[QStringLiteral("name")].toString());
    EXPECT_FALSE(courts[1].toObject()[QStringLiteral("online")].toBool());
    EXPECT_EQ(10, courts[1].toObject()[QStringLiteral("seconds_since_seen")].toInt());
    EXPECT_EQ(3, courts[0]
                     .toObject()[QStringLiteral("state")]
                     .toObject()[QStringLiteral("home")]
                     .toObject()[QStringLiteral("points")]
                     .toInt());
    const QJsonArray results = venue[QStringLiteral("results")].toArray();
    ASSERT_EQ(1, results.size());
    EXPECT_EQ(QStringLiteral("Aquile Volley"),
              results[0].toObject()[QStringLiteral("home")].toString());
    EXPECT_EQ(3, results[0].toObject()[QStringLiteral("home_sets")].toInt());
    EXPECT_EQ(1, board.TakeNew().size());
    EXPECT_TRUE(board.TakeNew().isEmpty());
    EXPECT_EQ(0, board.Ignored());
    EXPECT_TRUE(board.ResultsCsv().contains("Aquile Volley;Lupi Neri;3;1;25/20 20/25 25/23 25/18"));
}

struct Hostile {
    const char* name;
    QString topic;
    QByteArray payload;
};

class HostileMessageTest : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileMessageTest, IsIgnoredCountedAndChangesNothing) {
    VenueBoard board(QStringLiteral("gym"));
    EXPECT_FALSE(board.Accept(GetParam().topic, GetParam().payload, Now));
    EXPECT_EQ(1, board.Ignored());
    EXPECT_TRUE(board.Courts().isEmpty());
    EXPECT_TRUE(board.Results().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Messages, HostileMessageTest,
    ::testing::Values(
        Hostile{"not_json", Topics::State("gym", "C1"), "{not json"},
        Hostile{"json_without_teams", Topics::State("gym", "C1"), R"({"home":1})"},
        Hostile{"state_too_big", Topics::State("gym", "C1"),
                QByteArray(R"({"home":{},"guests":{},"x":")") +
                    QByteArray(VenueBoard::MaxState, 'x') + "\"}"},
        Hostile{"presence_word", Topics::Presence("gym", "C1"), "maybe"},
        Hostile{"dot_dot_court", QStringLiteral("brivanta/v1/gym/court/../state"), State},
        Hostile{"control_character", QStringLiteral("brivanta/v1/gym/court/C\x01/state"), State},
        Hostile{"unknown_kind", QStringLiteral("brivanta/v1/gym/court/C1/secrets"), State},
        Hostile{"other_venue", Topics::State("hall", "C1"), State},
        Hostile{"not_a_match_file", Topics::Result("gym", "C1", "2026-12-07_2033_A_B"), "hello"},
        Hostile{"result_id_that_lies", Topics::Result("gym", "C1", "2026-01-01_0000_X_Y"),
                SampleMatch()},
        Hostile{"result_too_big", Topics::Result("gym", "C1", "big"),
                QByteArray(VenueBoard::MaxResult + 1, '#')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TopicsTest, NamesThatCouldEscapeATopicOrAPathAreRefusedOrMended) {
    for (const QString& bad :
         {QString(), QStringLiteral(".."), QStringLiteral("a/b"), QStringLiteral("a+"),
          QStringLiteral("#"), QStringLiteral(" padded"), QString(65, u'x')}) {
        EXPECT_FALSE(Topics::ValidName(bad)) << bad.toStdString();
        EXPECT_TRUE(Topics::ValidName(Topics::SafeName(bad))) << bad.toStdString();
    }
    EXPECT_EQ(QStringLiteral("Campo 1-A"), Topics::SafeName(QStringLiteral("Campo 1/A")));
    EXPECT_EQ(QStringLiteral("2026-12-07_2033_Aquile-Volley_Lupi-Neri"), SampleId());
}

} // namespace
