// Names that users' files and tools rely on, read from the literals in the source: a rename of
// the code must never move a settings key, a key-map entry, a remote path or a window title.
#include "control/Actions.h"
#include "doubles/Doubles.h"
#include "shared/FileText.h"
#include "shared/SettingsTable.h"

#include <QDirIterator>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QSet<QString> Literals(const QRegularExpression& pattern) {
    QSet<QString> found;
    QDirIterator file(QStringLiteral(BRIVANTA_SOURCES), {"*.cpp", "*.h"}, QDir::Files,
                      QDirIterator::Subdirectories);
    while (file.hasNext()) {
        const auto text = ReadTextFile(file.next(), 1 << 22);
        for (auto m = pattern.globalMatch(text.value_or(QStringList()).join(u'\n')); m.hasNext();) {
            found.insert(m.next().captured(1));
        }
    }
    return found;
}

TEST(StoredNamesTest, SettingsKeysAndDefaultsAreTheOnesUsersFilesHold) {
    const QMap<QString, QString> expected{{"Language", "ITA"},
                                          {"ScoreBoardSpeed", "200"},
                                          {"Serial", ""},
                                          {"DisplayScreen", ""},
                                          {"Top", ""},
                                          {"Left", ""},
                                          {"FullScreen", "0"},
                                          {"Sponsor", "1"},
                                          {"SndExultationEnabled", "0"},
                                          {"SndExultationDuration", "0"},
                                          {"SndExultation0", ""},
                                          {"SndExultation1", ""},
                                          {"SndExultation2", ""},
                                          {"SndExultation3", ""},
                                          {"SndExultation4", ""},
                                          {"HubPort", "8765"},
                                          {"HubLan", "0"},
                                          {"HubToken", ""},
                                          {"MqttHost", ""},
                                          {"MqttPort", "1883"},
                                          {"MqttUser", ""},
                                          {"MqttPassword", ""},
                                          {"MqttTls", "0"},
                                          {"MqttCaFile", ""},
                                          {"Venue", "venue"},
                                          {"Court", ""}};
    QMap<QString, QString> table;
    for (const SettingDefinition& d : SettingsTable()) {
        table.insert(QString::fromLatin1(d.key), QString::fromLatin1(d.byDefault));
        EXPECT_EQ(&d, &DefinitionOf(d.setting)) << d.key << ": the table's order is the enum's";
    }
    EXPECT_EQ(expected, table);
}

// The table is the one owner: a key written as a literal elsewhere would escape its default.
TEST(StoredNamesTest, NoSettingsKeyIsReadOrWrittenOutsideTheTable) {
    const QSet<QString> stray = Literals(QRegularExpression(
        QStringLiteral(R"re(\b(?:Read|Write)\(\s*QStringLiteral\("([^"]*)"\))re")));
    EXPECT_TRUE(stray.isEmpty()) << QStringList(stray.values()).join(u' ').toStdString();
}

TEST(StoredNamesTest, TheKeyMapAndTheRemotePathsKeepTheirNames) {
    FakeSettings settings;
    KeysMap::Default().Write(settings);
    const QStringList expected{
        "KeyHomePlus",    "KeyHomeMinus",     "KeyGuestsMinus", "KeyGuestsPlus",  "KeyUndo",
        "KeyTimeoutHome", "KeyTimeoutGuests", "KeyType0",       "KeyType1",       "KeyType2",
        "KeyType3",       "KeyType4",         "KeyCodeE",       "KeyClearCodes",  "KeyPreview",
        "KeyStatistics",  "KeyLastPoints",    "KeyLeading",     "KeyPresentation"};
    QStringList written = settings.values.keys();
    QStringList sorted = expected;
    written.sort();
    sorted.sort();
    EXPECT_EQ(sorted, written);
    EXPECT_EQ(QStringLiteral("F5"), settings.values.value(QStringLiteral("KeyHomePlus")));
    EXPECT_EQ(QStringLiteral("Ctrl+P"), settings.values.value(QStringLiteral("KeyPresentation")));
    QStringList paths;
    for (const ActionDefinition& d : Actions()) {
        if (d.path != nullptr) {
            paths << QString::fromLatin1(d.path);
        }
    }
    EXPECT_EQ((QStringList{"home/plus", "home/minus", "guests/minus", "guests/plus", "undo",
                           "timeout/home", "timeout/guests", "type/0", "type/1", "type/2", "type/3",
                           "type/4", "clear", "preview", "overlay/stats", "overlay/last4",
                           "overlay/leading", "overlay/presentation"}),
              paths);
}

TEST(StoredNamesTest, WindowTitlesStayAsUsersAndScriptsKnowThem) {
    const QSet<QString> titles = Literals(
        QRegularExpression(QStringLiteral(R"re(setWindowTitle\(QStringLiteral\("([^"]*)"\))re")));
    const QSet<QString> translated =
        Literals(QRegularExpression(QStringLiteral(R"re(setWindowTitle\(t\("([^"]*)"\)\))re")));
    const QSet<QString> expected{"Brivanta", "Brivanta - ", "Brivanta : MATCH.txt", "Brivanta : "};
    EXPECT_EQ(expected, titles);
    EXPECT_EQ((QSet<QString>{"Gestione suoni ed effetti sonori", "Tasti", "Remote",
                             "Scelta colore elemento"}),
              translated);
}

} // namespace
