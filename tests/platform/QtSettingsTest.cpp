#include "platform/qt/QtPlatform.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

// The test program's settings live in its own temporary XDG_CONFIG_HOME.
TEST(QtSettingsTest, TheFileHoldingTheRemotesSecretIsTheOwnersAlone) {
    const QString file =
        QSettings(QStringLiteral("Brivanta"), QStringLiteral("Brivanta")).fileName();
    {
        QtSettings settings;
        settings.Write(QStringLiteral("Language"), QStringLiteral("ENG"));
    }
    QSettings(QStringLiteral("Brivanta"), QStringLiteral("Brivanta")).sync();
    ASSERT_TRUE(QFile::exists(file));
    QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::ReadOther |
                                    QFileDevice::ReadGroup);
    {
        QtSettings settings;
        settings.Write(QStringLiteral("HubToken"),
                       QStringLiteral("0123456789abcdef0123456789abcdef"));
        settings.Write(QStringLiteral("Language"), QStringLiteral("ITA"));
    }
    const auto permissions = QFile::permissions(file);
    EXPECT_FALSE(permissions &
                 (QFileDevice::ReadOther | QFileDevice::ReadGroup | QFileDevice::WriteOther))
        << std::hex << int(permissions);
    EXPECT_TRUE(permissions & QFileDevice::ReadOwner);
    EXPECT_EQ(QStringLiteral("ITA"), QtSettings().Read(QStringLiteral("Language")))
        << "still read back";
}
