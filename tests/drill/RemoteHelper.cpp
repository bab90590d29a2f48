// A console with the real live server on the drill's folders: it answers the resume offer
// with Yes, tells the drill the resumed history, the port and the secret, then serves the
// remote until it is killed.
#include "control/Remote.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Doubles.h"
#include "match/History.h"
#include "platform/qt/QtLiveServer.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "use: %s FOLDER PORT\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UnattendedPlatform doubles(QString::fromLocal8Bit(argv[1]));
    doubles.folders.temporary = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/temp");
    QtLiveServer server;
    Platform platform{doubles.dialogs, doubles.settings, doubles.folders, doubles.clock,
                      doubles.shell,   doubles.process,  doubles.audio,   doubles.modal,
                      server,          doubles.disk,     nullptr};
    ConsoleProbe console(platform);
    console.load();
    console.resumeIfInterrupted();
    console.startLive(static_cast<quint16>(std::atoi(argv[2])), false);
    for (const QString& line : HistoryLines(console.match().History)) {
        std::printf("riga %s\n", line.toUtf8().constData());
    }
    std::printf("porta %d\nsegreto %s\npronto\n", server.Port(),
                console.remoteControl().Safety().Secret().toLatin1().constData());
    std::fflush(stdout);
    return app.exec();
}
