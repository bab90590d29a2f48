#include "console/ui/ConsoleWindow.h"
#include "platform/Platform.h"
#include "platform/qt/AudioQt.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/MosquittoClient.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtLiveServer.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/SingleInstance.h"
#include "venue/ui/VenueProgram.h"

#include "report/ui/CommandLine.h"
#include "shared/UserData.h"
#include "teams/TeamCommandLine.h"

#include <QApplication>
#include <QLocale>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (arguments.contains(QStringLiteral("--venue"))) {
        // No window: a desk laptop, a small server or a Raspberry Pi shows every court.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Brivanta"));
        QCoreApplication::setOrganizationName(QStringLiteral("Brivanta"));
        return RunVenue(arguments);
    }
    if (AsksForTeamCommand(arguments)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Brivanta"));
        QtFolders folders;
        QTextStream out(stdout);
        QTextStream errors(stderr);
        return RunTeamCommand(arguments, DecideDataFolder(folders, ProgramFolder(folders)), out,
                              errors);
    }
    if (AsksOnCommandLine(arguments)) {
        if (const QString unknown = ReadArguments(arguments).unknown; !unknown.isEmpty()) {
            QTextStream(stderr) << ArgumentRefusal(unknown);
            return 2;
        }
        // No window: the report is drawn off screen, on a machine with or without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        RegisterShippedFonts();
        QtFolders folders;
        QTextStream exit(stdout);
        QTextStream errors(stderr);
        return RunCommandLine(arguments, DecideDataFolder(folders, ProgramFolder(folders)), exit,
                              errors);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivanta"));
    QApplication::setOrganizationName(QStringLiteral("Brivanta"));

    QtFolders folders;
    SingleInstance instance({folders.Temporary(), folders.User()}, SingleInstance::NameForUser());
    if (!instance.Before()) {
        return 0;
    }
    RegisterShippedFonts();

    QtDialogs dialogs;
    QtSettings settings;
    QtClock clock;
    ShellQt shell;
    QtProcess process;
    QtAudioChannel audio;
    QtModalWindows modal;
    QtLiveServer live;
    QtDisk disk;
    MosquittoClient mqtt;
    Platform platform{dialogs, settings, folders, clock, shell, process,
                      audio,   modal,    live,    disk,  &mqtt};

    ConsoleWindow console(platform);
    dialogs.SetMainWindow(&console);
    QObject::connect(&instance, &SingleInstance::Recalled, &console, [&console] {
        console.showNormal();
        console.raise();
        console.activateWindow();
    });
    console.askLanguageOnce(QLocale::system().name());
    console.load();
    console.show();
    console.resumeIfInterrupted();
    return QApplication::exec();
}
