#include "platform/qt/PiattaformaQt.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

// The test program's settings live in its own temporary XDG_CONFIG_HOME.
TEST(ImpostazioniQtTest, TheFileHoldingTheRemotesSecretIsTheOwnersAlone) {
    const QString file = QSettings(QStringLiteral("Brivanta"), QStringLiteral("Brivanta")).fileName();
    {
        ImpostazioniQt impostazioni;
        impostazioni.Scrivi(QStringLiteral("Language"), QStringLiteral("ENG"));
    }
    QSettings(QStringLiteral("Brivanta"), QStringLiteral("Brivanta")).sync();
    ASSERT_TRUE(QFile::exists(file));
    QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::ReadOther | QFileDevice::ReadGroup);
    {
        ImpostazioniQt impostazioni;
        impostazioni.Scrivi(QStringLiteral("HubToken"), QStringLiteral("0123456789abcdef0123456789abcdef"));
        impostazioni.Scrivi(QStringLiteral("Language"), QStringLiteral("ITA"));
    }
    const auto permessi = QFile::permissions(file);
    EXPECT_FALSE(permessi & (QFileDevice::ReadOther | QFileDevice::ReadGroup | QFileDevice::WriteOther))
        << std::hex << int(permessi);
    EXPECT_TRUE(permessi & QFileDevice::ReadOwner);
    EXPECT_EQ(QStringLiteral("ITA"), ImpostazioniQt().Leggi(QStringLiteral("Language"))) << "still read back";
}
