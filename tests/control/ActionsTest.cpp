#include "control/Actions.h"
#include "control/Commands.h"
#include "doubles/Doubles.h"
#include "shared/FileText.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(KeysMapTest, DefaultsGiveEveryActionItsOwnKeyAndAShippedCaption) {
    const auto lines = ReadTextFile(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv", 1 << 22);
    ASSERT_TRUE(lines);
    QSet<QString> keys;
    for (const QString& line : *lines) {
        keys.insert(line.section(u';', 0, 0).trimmed().toUpper());
    }
    const KeysMap map;
    QSet<QString> used;
    for (const ActionDefinition& d : Actions()) {
        const QString key = map.Key(d.action);
        EXPECT_FALSE(key.isEmpty()) << d.name;
        EXPECT_FALSE(used.contains(key)) << d.name << " shares " << key.toStdString();
        used.insert(key);
        EXPECT_EQ(d.action, map.ActionOf(key));
        EXPECT_TRUE(keys.contains(QString::fromUtf8(d.caption).toUpper())) << d.caption;
        // Plain digits and letters are the athletes' codes.
        EXPECT_FALSE(key.size() == 1 && key[0].isLetterOrNumber()) << d.name;
    }
}

TEST(KeysMapTest, ARemapIsStoredAndReadBackAndADuplicateIsRefused) {
    KeysMap map;
    EXPECT_EQ(std::nullopt, map.Assign(Action::HomePlus, QStringLiteral("Num+/")));
    EXPECT_EQ(Action::HomePlus, map.Assign(Action::PlusGuests, QStringLiteral("num+/")))
        << "the same key in another case is the same key";
    EXPECT_EQ(QStringLiteral("F8"), map.Key(Action::PlusGuests)) << "a refusal changes nothing";
    EXPECT_EQ(std::nullopt, map.Assign(Action::Undo, QString())) << "no key is always free";
    EXPECT_EQ(std::nullopt, map.Assign(Action::Statistics, QStringLiteral("F5")))
        << "the key home +1 gave up is free again";

    FakeSettings settings;
    map.Write(settings);
    EXPECT_EQ(QStringLiteral("Num+/"), settings.values.value(QStringLiteral("KeyHomePlus")));
    EXPECT_EQ(QStringLiteral("-"), settings.values.value(QStringLiteral("KeyUndo")));
    EXPECT_EQ(map, KeysMap::Read(settings));
    EXPECT_EQ(KeysMap(), KeysMap::Read(FakeSettings{}));
}

TEST(KeysMapTest, AHandEditedFileNeverGivesOneKeyTwoActions) {
    FakeSettings settings;
    // F5 is home +1's default: the stored key wins over it.
    settings.values[QStringLiteral("KeyUndo")] = QStringLiteral("F5");
    // Two stored keys alike: the first action in the table keeps it.
    settings.values[QStringLiteral("KeyStatistics")] = QStringLiteral("Ctrl+K");
    settings.values[QStringLiteral("KeyLeading")] = QStringLiteral("Ctrl+K");
    const KeysMap map = KeysMap::Read(settings);
    EXPECT_EQ(Action::Undo, map.ActionOf(QStringLiteral("F5")));
    EXPECT_TRUE(map.Key(Action::HomePlus).isEmpty());
    EXPECT_EQ(Action::Statistics, map.ActionOf(QStringLiteral("Ctrl+K")));
    EXPECT_TRUE(map.Key(Action::LeadingTeam).isEmpty());
}

TEST(RemoteCommandsTest, PathsNameActionsAndCodes) {
    struct Case {
        const char* path;
        int refusal;
        Command expected;
    };
    const Case cases[] = {
        {"home/plus", 0, {Action::HomePlus, -1, {}}},
        {"guests/minus", 0, {Action::MinusGuests, -1, {}}},
        {"timeout/guests", 0, {Action::GuestsTimeout, -1, {}}},
        {"type/4", 0, {Action::Type4, -1, {}}},
        {"overlay/presentation", 0, {Action::Presentation, -1, {}}},
        {"undo", 0, {Action::Undo, -1, {}}},
        {"code/guests/e", 0, {Action::HomePlus, 1, QStringLiteral("E")}},
        {"code/home/A1", 0, {Action::HomePlus, 0, QStringLiteral("A1")}},
        {"type/5", 404, Command{}},
        {"home/plus/", 404, Command{}},
        {"HOME/plus", 404, Command{}},
        {"code/bench/7", 404, Command{}},
        {"code/home", 404, Command{}},
        {"", 404, Command{}},
        {"code/home/", 400, Command{}},
        {"code/home/1234", 400, Command{}},
        {"code/home/7%20", 400, Command{}},
        {"code/home/..", 400, Command{}},
        {"code/guests/%C3%A8", 400, Command{}},
    };
    for (const Case& c : cases) {
        const ParsedCommand read = ReadCommand(c.path);
        EXPECT_EQ(c.refusal, read.refusal) << c.path;
        if (c.refusal == 0) {
            EXPECT_EQ(c.expected, read.command) << c.path;
        }
    }
}

} // namespace
