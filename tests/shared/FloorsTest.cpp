// The floors of the source, checked on every include: a file may include its own floor and
// the floors below, never above. From the ground up:
//   1. ground: platform's interfaces and HTTP types (src/platform/*), shared helpers (src/shared/*)
//   2. logic, module by module in this order: sound, teams, match, stats, display, sponsor,
//      live, control, venue, report, options, console (a module uses the ones before it)
//   3. windows (*/ui/) and platform implementations (platform/qt/), in the same module order,
//      shared/ui and platform/qt below them all
//   4. app/
// A window may use the logic of its own module and the ones before it, never of a later one;
// shared/ui and platform/qt, being under every module, use no module at all.
#include "shared/FileText.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QStringList ModuleOrder{"sound", "teams",   "match", "stats",  "display", "sponsor",
                              "live",  "control", "venue", "report", "options", "console"};

struct Place {
    int plan = 0;   // 1 ground, 2 logic, 3 windows, 4 app
    int module = 0; // order among the modules; shared and platform are 0, app above them all
};

// Nothing for a folder the floors do not know: a new folder gets its place here first.
std::optional<Place> PlaceOf(const QString& relative) {
    const QString folder = relative.section(u'/', 0, 0);
    const bool window = relative.contains(QStringLiteral("/ui/")) ||
                        relative.startsWith(QStringLiteral("platform/qt/"));
    if (folder == QStringLiteral("app")) {
        return Place{4, static_cast<int>(ModuleOrder.size()) + 1};
    }
    if (folder == QStringLiteral("shared") || folder == QStringLiteral("platform")) {
        return Place{window ? 3 : 1, 0};
    }
    const auto module = ModuleOrder.indexOf(folder);
    if (module < 0 || !relative.contains(u'/')) {
        return std::nullopt;
    }
    return Place{window ? 3 : 2, static_cast<int>(module) + 1};
}

bool Rises(const Place& from, const Place& to) {
    return to.plan > from.plan || to.module > from.module;
}

TEST(FloorsTest, PlacesOfKnownAndUnknownFolders) {
    EXPECT_FALSE(PlaceOf(QStringLiteral("scores/Board.cpp")));
    EXPECT_FALSE(PlaceOf(QStringLiteral("Loose.cpp")));
    const struct {
        const char* from;
        const char* to;
        bool rises;
    } cases[] = {
        {"teams/ui/TeamEditor.cpp", "sound/Audio.h", false},
        {"teams/ui/TeamEditor.cpp", "match/Match.h", true}, // a window of an earlier module
        {"options/ui/OptionsWindow.cpp", "console/Startup.h", true},
        {"platform/qt/AudioQt.cpp", "sound/Audio.h", true}, // the ground's implementation
        {"shared/ui/Drawing.cpp", "teams/Teams.h", true},
        {"match/Score.cpp", "match/ui/Any.h", true},
        {"console/ui/ConsoleWindow.cpp", "teams/ui/TeamEditor.h", false},
        {"app/main.cpp", "console/ui/ConsoleWindow.h", false},
        {"platform/qt/QtPlatform.cpp", "shared/ui/Drawing.h", false},
    };
    for (const auto& c : cases) {
        const auto from = PlaceOf(QString::fromUtf8(c.from));
        const auto to = PlaceOf(QString::fromUtf8(c.to));
        ASSERT_TRUE(from && to) << c.from << " " << c.to;
        EXPECT_EQ(Rises(*from, *to), c.rises) << c.from << " includes " << c.to;
    }
}

TEST(FloorsTest, NoIncludeRunsUpward) {
    const QDir root(QStringLiteral(BRIVANTA_SOURCES));
    const QRegularExpression include(QStringLiteral(R"re(^\s*#include\s+"([^"]+)")re"),
                                     QRegularExpression::MultilineOption);
    int checked = 0;
    QDirIterator file(root.path(), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (file.hasNext()) {
        const QString relative = root.relativeFilePath(file.next());
        const auto from = PlaceOf(relative);
        EXPECT_TRUE(from) << relative.toStdString() << ": a folder the floors do not know";
        if (!from) {
            continue;
        }
        const auto text = ReadTextFile(root.filePath(relative), 1 << 22);
        ASSERT_TRUE(text);
        for (auto m = include.globalMatch(text->join(u'\n')); m.hasNext();) {
            const QString included = m.next().captured(1);
            if (!QFile::exists(root.filePath(included))) {
                continue; // generated or beside the file
            }
            const auto to = PlaceOf(included);
            ++checked;
            EXPECT_TRUE(to && !Rises(*from, *to))
                << relative.toStdString() << " includes " << included.toStdString();
        }
    }
    EXPECT_GT(checked, 300);
}

} // namespace
