// Plays a scripted match through the console and reports on stdout each finished change and
// the last change the emergency copy on disk is known to hold, so the crash drill can kill it
// at any moment.
#include "doubles/ConsoleProbe.h"
#include "doubles/Doubles.h"
#include "drill/Script.h"
#include "match/EmergencyCopy.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "use: %s TEMP-FOLDER SEED STEPS\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UnattendedPlatform doubles(QString::fromLocal8Bit(argv[1]));
    ConsoleProbe console(doubles.platform);
    console.load();
    std::mt19937 testCase(static_cast<std::mt19937::result_type>(std::atol(argv[2])));
    const int steps = std::atoi(argv[3]);
    std::printf("pronto\n");
    std::fflush(stdout);
    // The hand-overs made by the end of each change.
    std::vector<qint64> handedOver{0};
    int saved = 0;
    for (int n = 1; n <= steps; ++n) {
        RandomStep(console, testCase);
        handedOver.push_back(console.emergencyCopy().HandedOverCount());
        std::printf("fatto %d\n", n);
        const qint64 written = console.emergencyCopy().WrittenCount();
        int m = n;
        while (m > saved && handedOver[m] > written) {
            --m;
        }
        if (m > saved) {
            saved = m;
            std::printf("salvato %d\n", saved);
        }
        std::fflush(stdout);
    }
    return 0;
}
