// The floors of the source, checked on every include: a file may include its own floor and
// the floors below, never above. From the ground up:
//   1. ground: platform's interfaces and HTTP types (src/platform/*), shared helpers (src/shared/*)
//   2. logic, module by module in this order: teams, match, stats, sound, display, sponsor,
//      live, control, report, options, console (a module uses the ones before it)
//   3. windows (*/ui/) and platform implementations (platform/qt/), in the same module order,
//      shared/ui and platform/qt below them all
//   4. app/
#include "shared/TestoFile.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QStringList OrdineModuli{"teams", "match", "stats", "sound", "display", "sponsor",
                               "live", "control", "report", "options", "console"};

struct Posto {
    int piano = 0;  // 1 ground, 2 logic, 3 windows, 4 app
    int modulo = 0; // order among the modules of logic and windows; shared and platform are 0
};

Posto PostoDi(const QString& relativo) {
    const QString modulo = relativo.section(u'/', 0, 0);
    const bool finestra = relativo.contains(QStringLiteral("/ui/")) || relativo.startsWith(QStringLiteral("platform/qt/"));
    if (modulo == QStringLiteral("app")) {
        return {4, 0};
    }
    if (modulo == QStringLiteral("shared") || modulo == QStringLiteral("platform")) {
        return {finestra ? 3 : 1, 0};
    }
    return {finestra ? 3 : 2, static_cast<int>(OrdineModuli.indexOf(modulo)) + 1};
}

TEST(FloorsTest, NoIncludeRunsUpward) {
    const QDir radice(QStringLiteral(BRIVANTA_SORGENTI));
    const QRegularExpression include(QStringLiteral(R"re(^\s*#include\s+"([^"]+)")re"),
                                     QRegularExpression::MultilineOption);
    int controllati = 0;
    QDirIterator file(radice.path(), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (file.hasNext()) {
        const QString relativo = radice.relativeFilePath(file.next());
        const Posto da = PostoDi(relativo);
        ASSERT_GE(da.modulo, 0) << relativo.toStdString() << ": a folder the floors do not know";
        const auto testo = LeggiFileTesto(radice.filePath(relativo), 1 << 22);
        ASSERT_TRUE(testo);
        for (auto m = include.globalMatch(testo->join(u'\n')); m.hasNext();) {
            const QString incluso = m.next().captured(1);
            if (!QFile::exists(radice.filePath(incluso))) {
                continue; // generated or beside the file
            }
            const Posto a = PostoDi(incluso);
            ++controllati;
            const bool sale = a.piano > da.piano || (a.piano == da.piano && a.modulo > da.modulo);
            EXPECT_FALSE(sale) << relativo.toStdString() << " includes " << incluso.toStdString();
        }
    }
    EXPECT_GT(controllati, 300);
}

} // namespace
