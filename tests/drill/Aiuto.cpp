// Plays a scripted match through the console and reports on stdout each finished change and
// the last change the emergency copy on disk is known to hold, so the crash drill can kill it
// at any moment.
#include "console/ui/ConsoleWindow.h"
#include "doppi/Doppi.h"
#include "drill/Copione.h"
#include "shared/ScrittoreFile.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "use: %s TEMP-FOLDER SEED STEPS\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PiattaformaIncustodita doppi(QString::fromLocal8Bit(argv[1]));
    ConsoleWindow console(doppi.piattaforma);
    console.Form_Load();
    std::mt19937 caso(static_cast<std::mt19937::result_type>(std::atol(argv[2])));
    const int passi = std::atoi(argv[3]);
    std::printf("pronto\n");
    std::fflush(stdout);
    // The hand-overs made by the end of each change.
    std::vector<qint64> consegnate{0};
    int salvato = 0;
    for (int n = 1; n <= passi; ++n) {
        PassoCasuale(console, caso);
        consegnate.push_back(console.Copia().Consegnate());
        std::printf("fatto %d\n", n);
        const qint64 scritte = console.Copia().Scritte();
        int m = n;
        while (m > salvato && consegnate[m] > scritte) {
            --m;
        }
        if (m > salvato) {
            salvato = m;
            std::printf("salvato %d\n", salvato);
        }
        std::fflush(stdout);
    }
    return 0;
}
