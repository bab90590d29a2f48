#include "platform/qt/QtPlatform.h"

#include "doubles/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The test program's settings live in its own temporary XDG_CONFIG_HOME.
TEST(QtSettingsTest, TheFileHoldingASecretIsTheOwnersAlone) {
    const QString file =
        QSettings(QStringLiteral("Brivanta"), QStringLiteral("Brivanta")).fileName();
    for (const char* secret : {"HubToken", "MqttPassword"}) {
        {
            QtSettings settings;
            settings.Write(QStringLiteral("HubToken"), QString());
            settings.Write(QStringLiteral("MqttPassword"), QString());
            settings.Write(QStringLiteral("Language"), QStringLiteral("ENG"));
        }
        QSettings(QStringLiteral("Brivanta"), QStringLiteral("Brivanta")).sync();
        ASSERT_TRUE(QFile::exists(file));
        QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::ReadOther |
                                        QFileDevice::ReadGroup);
        {
            QtSettings settings;
            settings.Write(QString::fromLatin1(secret),
                           QStringLiteral("0123456789abcdef0123456789abcdef"));
            settings.Write(QStringLiteral("Language"), QStringLiteral("ITA"));
        }
        const auto permissions = QFile::permissions(file);
        EXPECT_FALSE(permissions &
                     (QFileDevice::ReadOther | QFileDevice::ReadGroup | QFileDevice::WriteOther))
            << secret << ' ' << std::hex << int(permissions);
        EXPECT_TRUE(permissions & QFileDevice::ReadOwner) << secret;
        EXPECT_EQ(QStringLiteral("ITA"), QtSettings().Read(QStringLiteral("Language")))
            << "still read back";
    }
}

// Whatever a setting holds, QSettings reads back exactly what we wrote, and keys of other
// groups survive our rewrite.
TEST(QtSettingsTest, QSettingsReadsTheFileAsWritten) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Brivanta.conf"));
    {
        QSettings qt(file, QSettings::IniFormat);
        qt.setValue(QStringLiteral("Other/Kept"), QStringLiteral("a, b"));
    }
    const QStringList values{QString(),
                             QStringLiteral("plain"),
                             QStringLiteral("a,b;c=d"),
                             QStringLiteral("  spaces at both ends  "),
                             QStringLiteral("@ByteArray(not one)"),
                             QStringLiteral("\"quoted\" \\ back"),
                             QStringLiteral("line\nnext\r\ttab"),
                             QStringLiteral("Perù € Klobučar 日本"),
                             QString(QChar(1)) + QStringLiteral("abc"),
                             QStringLiteral("#hash")};
    {
        QtSettings settings(file);
        for (int i = 0; i < values.size(); ++i) {
            settings.Write(QStringLiteral("Key%1").arg(i), values[i]);
        }
        settings.Write(QStringLiteral("With space/slash"), QStringLiteral("x"));
    }
    QSettings qt(file, QSettings::IniFormat);
    for (int i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i], qt.value(QStringLiteral("Startup/Key%1").arg(i)).toString()) << i;
    }
    EXPECT_EQ(QStringLiteral("x"), qt.value(QStringLiteral("Startup/With space/slash")).toString());
    EXPECT_EQ(QStringLiteral("a, b"), qt.value(QStringLiteral("Other/Kept")).toString());
    EXPECT_EQ(QSettings::NoError, qt.status());
}

// On a disk with no room, or room for less than the new file, the settings file keeps every
// byte (secret, port, language) and its owner-only mode; the operator hears once per run of
// failures, and the next change after room is made is stored.
TEST(QtSettingsTest, AFullDiskKeepsTheOldSettingsFileAndSaysSoOnce) {
    for (const qint64 room : {qint64(0), qint64(4096)}) {
        FullDisk disk;
        const QString file = QDir(disk.path()).filePath(QStringLiteral("Brivanta.conf"));
        QtSettings settings(file);
        QStringList told;
        settings.WhenNotStored(
            [&told](const QString& path, const QString& reason) { told << path + ": " + reason; });
        settings.Write(QStringLiteral("HubToken"), QStringLiteral("0123456789abcdef"));
        settings.Write(QStringLiteral("HubPort"), QStringLiteral("8765"));
        settings.Write(QStringLiteral("Language"), QStringLiteral("ENG"));
        settings.Write(QStringLiteral("Notes"), QString(6000, u'n'));
        settings.Store();
        QFile before(file);
        ASSERT_TRUE(before.open(QIODevice::ReadOnly));
        const QByteArray old = before.readAll();
        ASSERT_FALSE(old.isEmpty());

        disk.fill(room);
        settings.Write(QStringLiteral("DisplayPlace"), QStringLiteral("0,0,1920,1080"));
        settings.Store();
        settings.Write(QStringLiteral("DisplayPlace"), QStringLiteral("0,0,1280,720"));
        settings.Store();
        QFile after(file);
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        EXPECT_EQ(old, after.readAll()) << "room " << room;
        EXPECT_EQ(QStringList{file + ": " + disk.reason()}, told) << "room " << room;
        EXPECT_EQ((QFileDevice::ReadOwner | QFileDevice::WriteOwner).toInt(),
                  (QFile::permissions(file) & 0xF0FF).toInt());

        disk.makeRoom();
        settings.Store();
        EXPECT_EQ(
            QStringLiteral("0,0,1280,720"),
            QSettings(file, QSettings::IniFormat).value(QStringLiteral("Startup/DisplayPlace")));
    }
}
