#include "venue/ui/VenueProgram.h"

#include "platform/qt/MosquittoClient.h"
#include "platform/qt/QtLiveServer.h"
#include "platform/qt/QtPlatform.h"
#include "shared/SettingsTable.h"
#include "shared/UserData.h"
#include "venue/BrokerOptions.h"
#include "venue/VenueServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>
#include <QTextStream>

namespace {

constexpr quint16 DefaultVenuePort = 8780;

struct VenueArguments {
    quint16 port = DefaultVenuePort;
    QString mqtt; // HOST:PORT
    QString refusal;
};

VenueArguments ReadVenueArguments(const QStringList& arguments) {
    VenueArguments a;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (word == QStringLiteral("--venue")) {
            continue;
        }
        if (word == QStringLiteral("--port") && hasValue) {
            bool ok = false;
            const int port = arguments[++i].toInt(&ok);
            if (!ok || port < 1 || port > 65535) {
                a.refusal = QStringLiteral("--port wants a number from 1 to 65535");
            } else {
                a.port = static_cast<quint16>(port);
            }
        } else if (word == QStringLiteral("--mqtt") && hasValue) {
            a.mqtt = arguments[++i];
        } else {
            a.refusal = QStringLiteral("unknown option: ") + word;
        }
    }
    return a;
}

} // namespace

int RunVenue(const QStringList& arguments) {
    QTextStream errors(stderr);
    QTextStream out(stdout);
    const VenueArguments a = ReadVenueArguments(arguments);
    if (!a.refusal.isEmpty()) {
        errors << "brivanta --venue: " << a.refusal << "\n"
               << "usage: brivanta --venue [--port N] [--mqtt HOST:PORT]\n";
        return 2;
    }
    QtSettings settings;
    MqttOptions options = BrokerOptions(settings);
    if (!a.mqtt.isEmpty()) {
        const qsizetype colon = a.mqtt.lastIndexOf(u':');
        options.host = colon < 0 ? a.mqtt : a.mqtt.left(colon);
        if (colon >= 0) {
            options.port = static_cast<quint16>(a.mqtt.mid(colon + 1).toUInt());
        }
    }
    if (options.host.isEmpty()) {
        options.host = QStringLiteral("localhost");
    }
    options.clientId = QStringLiteral("brivanta-venue-") + QSysInfo::machineHostName() + u'-' +
                       QString::number(QCoreApplication::applicationPid());
    QtFolders folders;
    const QString results =
        QDir(DecideDataFolder(folders, ProgramFolder(folders))).filePath(QStringLiteral("Results"));
    QtLiveServer server;
    MosquittoClient client;
    VenueServer venue(server, client, ReadText(settings, Setting::Venue), results);
    if (!venue.Start(a.port, options)) {
        errors << "brivanta --venue: port " << a.port << " is already in use\n";
        return 3;
    }
    out << "Venue \"" << venue.Board().Venue() << "\" from " << options.host << ':' << options.port
        << " on http://" << QSysInfo::machineHostName() << ':' << a.port << "/venue\n";
    out.flush();
    return QCoreApplication::exec();
}
