#include "console/Startup.h"

#include "platform/Folders.h"
#include "platform/Settings.h"
#include "shared/CommonSettings.h"
#include "shared/Numbers.h"

#include <QDir>

namespace {
constexpr int DisplayMin = 50;
constexpr int DisplayMax = 2000;
constexpr int DisplayDefault = 200;
constexpr int MaxDuration = 32; // beyond it the interval no longer fits 16 bits
} // namespace

QString DecideDataFolder(const Folders& folders, const QString& programFolder) {
    const QString documents = folders.Documents();
    if (!documents.isEmpty()) {
        const QString data = QDir(documents).filePath(QStringLiteral("Brivanta"));
        const QDir home(QDir(data).filePath(QStringLiteral("Teams/Home")));
        if (!home.entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty()) {
            return data;
        }
    }
    return programFolder;
}

StartupValues ReadSettings(const Settings& imp, CommonSettings& m) {
    StartupValues v;
    m.SponsorBar = 1;
    m.Languages.CurrentLanguage = imp.Read(QStringLiteral("Language"));
    if (m.Languages.CurrentLanguage.isEmpty()) {
        m.Languages.CurrentLanguage = QStringLiteral("ITA");
    }
    // A preview interval outside the options' range would starve the display or stall it.
    if (const auto speed = Int16(imp.Read(QStringLiteral("ScoreBoardSpeed")));
        speed && *speed >= DisplayMin && *speed <= DisplayMax) {
        v.DisplayInterval = *speed;
    } else {
        v.DisplayInterval = DisplayDefault;
    }
    if (const auto active = Int16(imp.Read(QStringLiteral("SndExultationEnabled")))) {
        m.ActiveCheer = *active;
    }
    if (const auto duration = Int16(imp.Read(QStringLiteral("SndExultationDuration")))) {
        m.CheerDuration = *duration;
    }
    for (int i = 0; i < static_cast<int>(m.CheerSounds.size()); ++i) {
        m.CheerSounds[i] = imp.Read(QStringLiteral("SndExultation") + QString::number(i));
    }
    if (const auto sponsor = Int16(imp.Read(QStringLiteral("Sponsor")))) {
        m.SponsorBar = *sponsor;
    }
    if (m.CheerDuration >= 0 && m.CheerDuration <= MaxDuration) {
        v.CheerInterval = m.CheerDuration * 1000;
    }
    m.Serial = imp.Read(QStringLiteral("Serial"));
    const LiveSettings live = ReadLive(imp);
    v.LivePort = live.Port;
    v.LanLive = live.Lan;
    const auto top = Decimal(imp.Read(QStringLiteral("Top")));
    const auto left = Decimal(imp.Read(QStringLiteral("Left")));
    const bool whole = imp.Read(QStringLiteral("FullScreen")) == QStringLiteral("1");
    if (top && left && (whole || (*top != 0 && *left != 0))) {
        v.Top = top;
        v.Left = left;
        v.FullScreen = whole;
    }
    return v;
}

QPoint DisplayPosition(QPoint saved, const QList<QRect>& screens) {
    // A maximised frame may sit a few pixels outside its screen's corner.
    constexpr int Margin = 50;
    for (const QRect& screen : screens) {
        if (screen.adjusted(-Margin, -Margin, 0, 0).contains(saved)) {
            return saved;
        }
    }
    return screens.isEmpty() ? QPoint(0, 0) : screens.first().topLeft();
}

LiveSettings ReadLive(const Settings& imp) {
    LiveSettings l;
    bool ok = false;
    const int port = imp.Read(QStringLiteral("HubPort")).trimmed().toInt(&ok);
    if (ok && port >= 0 && port <= 65535) {
        l.Port = static_cast<quint16>(port);
    }
    l.Lan = imp.Read(QStringLiteral("HubLan")).trimmed() == QStringLiteral("1");
    return l;
}
