#include "control/Accesso.h"
#include "doppi/Doppi.h"

#include <gtest/gtest.h>

namespace {

const QByteArray Segreto = "0123456789abcdef0123456789abcdef";

Accesso::Credenziali Bearer(const QByteArray& segreto) {
    return {segreto, {}};
}

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
        EXPECT_EQ(c.atteso, accesso.Valuta(QString::fromLatin1(c.indirizzo), Bearer(c.credenziale), 0))
            << c.indirizzo << ' ' << c.credenziale.constData();
    }
}

// Only a wrong secret counts. A page that makes the browser knock without one (12 images
// pointing at /remote) must not lock the owner out, and the right secret always gets in.
TEST(AccessoTest, WrongSecretsShutOutTheirAddressButNeverTheRightOne) {
    Accesso accesso;
    accesso.ImpostaSegreto(QString::fromLatin1(Segreto));
    accesso.ImpostaLan(true);
    const QString ladro = QStringLiteral("10.0.0.66");
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(401, accesso.Valuta(ladro, {}, i)) << "no secret: 401, not counted";
    }
    for (int i = 0; i < Accesso::MassimoFallimenti; ++i) {
        EXPECT_EQ(401, accesso.Valuta(ladro, Bearer("indovino"), i * 1000));
    }
    EXPECT_EQ(429, accesso.Valuta(ladro, Bearer("indovino"), 20000));
    EXPECT_EQ(429, accesso.Valuta(ladro, {{}, "indovino"}, 20000)) << "a wrong device cookie too";
    EXPECT_EQ(200, accesso.Valuta(ladro, Bearer(Segreto), 20000)) << "the right secret is never refused";
    EXPECT_EQ(200, accesso.Valuta(QStringLiteral("10.0.0.7"), Bearer(Segreto), 20000));
    EXPECT_EQ(401, accesso.Valuta(ladro, Bearer("indovino"), 60000 + 1000))
        << "the first failures have left the minute";
}

// The QR code's code: two minutes, once; the device secret it gives lasts while it is used,
// a day unused at most, and goes with its revocation or a new secret.
TEST(AccessoTest, APairingCodeIsSpentOnceAndTheDeviceSecretLivesWhileUsed) {
    Accesso accesso;
    accesso.ImpostaSegreto(QString::fromLatin1(Segreto));
    accesso.ImpostaLan(true);
    accesso.ImpostaPorta(8765);
    const QString telefono = QStringLiteral("192.168.1.30");
    const QByteArray android = "Mozilla/5.0 (Linux; Android 14) AppleWebKit/537.36 Chrome/120.0 Mobile Safari/537.36";
    const QByteArray codice = accesso.NuovoCodice(0).toLatin1();
    const QByteArray dispositivo = accesso.Associa(codice, telefono, android, 1000);
    ASSERT_EQ(32, dispositivo.size());
    EXPECT_NE(Segreto, dispositivo) << "the phone's secret is its own, not the decks'";
    EXPECT_TRUE(accesso.Associa(codice, telefono, android, 2000).isEmpty()) << "used twice";
    EXPECT_TRUE(accesso.Associa(accesso.NuovoCodice(0).toLatin1(), telefono, android,
                                Accesso::DurataCodice + 1).isEmpty()) << "expired";
    EXPECT_EQ(200, accesso.Valuta(telefono, {{}, dispositivo}, 5000));
    EXPECT_EQ(401, accesso.Valuta(telefono, Bearer(dispositivo), 5000)) << "not a deck's secret";

    const auto elenco = accesso.Dispositivi(5000);
    ASSERT_EQ(1, elenco.size());
    EXPECT_EQ(QStringLiteral("Chrome (Android)"), elenco[0].browser);
    EXPECT_EQ(telefono, elenco[0].indirizzo);
    EXPECT_EQ(5000, elenco[0].ultimo);

    const qint64 giorno = Accesso::ScadenzaDispositivo;
    EXPECT_EQ(200, accesso.Valuta(telefono, {{}, dispositivo}, 5000 + giorno - 1)) << "used within a day";
    EXPECT_EQ(401, accesso.Valuta(telefono, {{}, dispositivo}, 5000 + 2 * giorno)) << "a day unused";

    const QByteArray secondo = accesso.Associa(accesso.NuovoCodice(0).toLatin1(), telefono, android, 10);
    const QByteArray terzo = accesso.Associa(accesso.NuovoCodice(0).toLatin1(), telefono, android, 10);
    accesso.Revoca(accesso.Dispositivi(10).value(0).numero);
    EXPECT_EQ(401, accesso.Valuta(telefono, {{}, secondo}, 20)) << "revoked";
    EXPECT_EQ(200, accesso.Valuta(telefono, {{}, terzo}, 20)) << "the others stay";
    accesso.RevocaTutto();
    EXPECT_EQ(401, accesso.Valuta(telefono, {{}, terzo}, 30)) << "a new secret revokes everything";
}

TEST(AccessoTest, CredentialsComeFromTheBearerHeaderAndThePortsOwnCookie) {
    Accesso accesso;
    accesso.ImpostaPorta(8765);
    EXPECT_EQ("brivanta_remote_8765", accesso.NomeCookie());
    const auto c = accesso.Leggi("Bearer abc", "brivanta_remote=vecchio; brivanta_remote_8780=altra; brivanta_remote_8765=zzz");
    EXPECT_EQ("abc", c.bearer);
    EXPECT_EQ("zzz", c.dispositivo) << "only this port's cookie";
    EXPECT_EQ("abc", accesso.Leggi("bearer   abc ", {}).bearer);
    EXPECT_EQ("", accesso.Leggi("Basic abc", "xbrivanta_remote_8765=zzz").bearer);
    EXPECT_EQ("", accesso.Leggi("Basic abc", "xbrivanta_remote_8765=zzz").dispositivo);
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
