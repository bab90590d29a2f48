// Kills a console that is playing a match at random moments and checks that the emergency
// copy is always whole and never older than the last change the console saw on disk.
#include "doubles/ConsoleProbe.h"
#include "doubles/Doubles.h"
#include "drill/Script.h"
#include "match/MatchFile.h"
#include "shared/FileText.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

namespace {

constexpr unsigned Seed = 20261209;
constexpr int Steps = 400;
constexpr int Kills = 200;

QByteArray Content(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The emergency copy after each step of the script, played here in-process.
std::vector<QByteArray> CopiesAwaited(const QString& folder) {
    QDir().mkpath(folder);
    UnattendedPlatform doubles(folder);
    ConsoleProbe console(doubles.platform);
    console.load();
    std::mt19937 testCase(Seed);
    std::vector<QByteArray> copies{QByteArray()};
    for (int n = 1; n <= Steps; ++n) {
        RandomStep(console, testCase);
        EXPECT_TRUE(console.waitForCopy());
        copies.push_back(Content(console.emergencyPath()));
    }
    return copies;
}

// The last change the helper reported with this word before it died.
int Last(const QByteArray& exit, const QByteArray& word) {
    int last = 0;
    for (const QByteArray& line : exit.split('\n')) {
        if (line.startsWith(word + ' ')) {
            last = line.mid(word.size() + 1).toInt();
        }
    }
    return last;
}

TEST(CrashDrillTest, KilledMidMatchTheCopyIsWholeAndNoOlderThanWhatWasSeenOnDisk) {
    QTemporaryDir root;
    const std::vector<QByteArray> waits = CopiesAwaited(root.filePath(QStringLiteral("attese")));
    std::mt19937 testCase(Seed + 1);
    int lost = 0;
    int unreadable = 0;
    for (int k = 0; k < Kills; ++k) {
        const QString folder = root.filePath(QStringLiteral("uccisione%1").arg(k));
        QDir().mkpath(folder);
        QProcess help;
        help.start(QStringLiteral(BRIVANTA_HELP_DRILL),
                   {folder, QString::number(Seed), QString::number(Steps)});
        ASSERT_TRUE(help.waitForStarted(10000));
        const int target = std::uniform_int_distribution<int>(1, Steps - 20)(testCase);
        QByteArray exit;
        while (Last(exit, "fatto") < target && help.state() == QProcess::Running) {
            help.waitForReadyRead(10000);
            exit += help.readAllStandardOutput();
        }
        help.kill();
        help.waitForFinished(10000);
        exit += help.readAllStandardOutput();
        const int done = Last(exit, "fatto");
        const int saved = Last(exit, "salvato");
        const QByteArray copy = Content(QDir(folder).filePath(QStringLiteral("match.txt")));
        // Any change from the last one seen on disk to the one under way when it died.
        bool right = false;
        for (int j = saved; j <= done + 1 && j < static_cast<int>(waits.size()); ++j) {
            right = right || copy == waits[j];
        }
        if (!copy.isEmpty() && !ReadMatchFile(DecodeLines(copy))) {
            ++unreadable;
            ADD_FAILURE() << "kill " << k << ": unreadable copy";
        } else if (!right) {
            ++lost;
            ADD_FAILURE() << "kill " << k << " after change " << done << ", seen on disk " << saved;
        }
        QDir(folder).removeRecursively();
    }
    std::cout << "crash drill: kills=" << Kills << " flushed changes lost=" << lost
              << " copies unreadable=" << unreadable << std::endl;
    EXPECT_EQ(0, lost);
    EXPECT_EQ(0, unreadable);
}

} // namespace
