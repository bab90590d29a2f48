#include "control/Accesso.h"
#include "doppi/Doppi.h"

#include <gtest/gtest.h>

namespace {

const QByteArray Segreto = "0123456789abcdef0123456789abcdef";

TEST(AccessoTest, TheSecretFromLoopbackAlwaysFromTheLanOnlyWhenOn) {
    struct Caso {
        const char* indirizzo;
        bool lan;
        QByteArray credenziale;
        int atteso;
    };
    const Caso casi[] = {
        {"127.0.0.1", false, Segreto, 200},
        {"::1", false, Segreto, 200},
        {"::ffff:127.0.0.1", false, Segreto, 200},
        {"127.8.9.10", false, Segreto, 200},
        {"192.168.1.20", false, Segreto, 403},
        {"::ffff:192.168.1.20", false, Segreto, 403},
        {"1270.0.0.1", false, Segreto, 403},
        {"192.168.1.20", true, Segreto, 200},
        {"192.168.1.20", true, "", 401},
        {"192.168.1.20", true, Segreto.left(31), 401},
        {"192.168.1.20", true, Segreto.left(31) + "0", 401},
        {"127.0.0.1", false, Segreto + "0", 401},
    };
    for (const Caso& c : casi) {
        Accesso accesso;
        accesso.ImpostaSegreto(QString::fromLatin1(Segreto));
        accesso.ImpostaLan(c.lan);
        EXPECT_EQ(c.atteso, accesso.Valuta(QString::fromLatin1(c.indirizzo), c.credenziale, 0))
            << c.indirizzo << ' ' << c.credenziale.constData();
    }
}

TEST(AccessoTest, TenFailuresAMinuteShutOutThatAddressOnly) {
    Accesso accesso;
    accesso.ImpostaSegreto(QString::fromLatin1(Segreto));
    accesso.ImpostaLan(true);
    const QString ladro = QStringLiteral("10.0.0.66");
    for (int i = 0; i < Accesso::MassimoFallimenti; ++i) {
        EXPECT_EQ(401, accesso.Valuta(ladro, "indovino", i * 1000));
    }
    EXPECT_EQ(429, accesso.Valuta(ladro, Segreto, 20000)) << "even with the secret, for now";
    EXPECT_EQ(200, accesso.Valuta(QStringLiteral("10.0.0.7"), Segreto, 20000));
    EXPECT_EQ(429, accesso.Valuta(ladro, Segreto, 59999));
    EXPECT_EQ(200, accesso.Valuta(ladro, Segreto, 60000 + 1000))
        << "the first failures have left the minute";
}

TEST(AccessoTest, CredentialsComeFromTheBearerHeaderElseTheCookie) {
    EXPECT_EQ("abc", Accesso::Credenziale("Bearer abc", "brivanta_remote=zzz"));
    EXPECT_EQ("abc", Accesso::Credenziale("bearer   abc ", {}));
    EXPECT_EQ("zzz", Accesso::Credenziale({}, "a=1; brivanta_remote=zzz; b=2"));
    EXPECT_EQ("", Accesso::Credenziale("Basic abc", "xbrivanta_remote=zzz"));
}

TEST(AccessoTest, TheSecretIsStoredHexAndANewOneShutsTheOldOut) {
    ImpostazioniFinte impostazioni;
    const QString primo = SegretoRemoto(impostazioni);
    EXPECT_EQ(32, primo.size());
    EXPECT_TRUE(impostazioni.valori.isEmpty()) << "stored only once the Remote window shows it";
    EXPECT_NE(primo, SegretoRemoto(impostazioni)) << "random, never a fixed default";
    impostazioni.valori[QStringLiteral("HubToken")] = QStringLiteral("abc");
    EXPECT_EQ(32, SegretoRemoto(impostazioni).size()) << "a damaged value is not a secret";
    const QString nuovo = RinnovaSegreto(impostazioni);
    EXPECT_EQ(nuovo, impostazioni.valori.value(QStringLiteral("HubToken")));
    EXPECT_EQ(nuovo, SegretoRemoto(impostazioni));
}

} // namespace
