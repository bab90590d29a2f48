// The floors of the source, checked on every include: a file may include its own floor and
// the floors below, never above. From the ground up:
//   1. ground: platform's interfaces and HTTP types (src/platform/*), shared helpers (src/shared/*)
//   2. logic, module by module in this order: teams, match, stats, sound, display, sponsor,
//      live, control, venue, report, options, console (a module uses the ones before it)
//   3. windows (*/ui/) and platform implementations (platform/qt/), in the same module order,
//      shared/ui and platform/qt below them all
//   4. app/
#include "shared/FileText.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QStringList ModuleOrder{"teams", "match",   "stats", "sound",  "display", "sponsor",
                              "live",  "control", "venue", "report", "options", "console"};

struct Place {
    int plan = 0;   // 1 ground, 2 logic, 3 windows, 4 app
    int common = 0; // order among the modules of logic and windows; shared and platform are 0
};

Place PlaceOf(const QString& relative) {
    const QString common = relative.section(u'/', 0, 0);
    const bool window = relative.contains(QStringLiteral("/ui/")) ||
                        relative.startsWith(QStringLiteral("platform/qt/"));
    if (common == QStringLiteral("app")) {
        return {4, 0};
    }
    if (common == QStringLiteral("shared") || common == QStringLiteral("platform")) {
        return {window ? 3 : 1, 0};
    }
    return {window ? 3 : 2, static_cast<int>(ModuleOrder.indexOf(common)) + 1};
}

TEST(FloorsTest, NoIncludeRunsUpward) {
    const QDir root(QStringLiteral(BRIVANTA_SOURCES));
    const QRegularExpression include(QStringLiteral(R"re(^\s*#include\s+"([^"]+)")re"),
                                     QRegularExpression::MultilineOption);
    int checked = 0;
    QDirIterator file(root.path(), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (file.hasNext()) {
        const QString relative = root.relativeFilePath(file.next());
        const Place from = PlaceOf(relative);
        ASSERT_GE(from.common, 0) << relative.toStdString() << ": a folder the floors do not know";
        const auto text = ReadTextFile(root.filePath(relative), 1 << 22);
        ASSERT_TRUE(text);
        for (auto m = include.globalMatch(text->join(u'\n')); m.hasNext();) {
            const QString included = m.next().captured(1);
            if (!QFile::exists(root.filePath(included))) {
                continue; // generated or beside the file
            }
            const Place a = PlaceOf(included);
            ++checked;
            const bool rises =
                a.plan > from.plan || (a.plan == from.plan && a.common > from.common);
            EXPECT_FALSE(rises) << relative.toStdString() << " includes " << included.toStdString();
        }
    }
    EXPECT_GT(checked, 300);
}

} // namespace
