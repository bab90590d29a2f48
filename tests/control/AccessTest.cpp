#include "control/Access.h"
#include "doubles/Doubles.h"

#include <gtest/gtest.h>

namespace {

const QByteArray Secret = "0123456789abcdef0123456789abcdef";

Access::Credentials Bearer(const QByteArray& secret) {
    return {secret, {}};
}

TEST(AccessTest, TheSecretFromLoopbackAlwaysFromTheLanOnlyWhenOn) {
    struct Case {
        const char* address;
        bool lan;
        QByteArray credential;
        int expected;
    };
    const Case cases[] = {
        {"127.0.0.1", false, Secret, 200},
        {"::1", false, Secret, 200},
        {"::ffff:127.0.0.1", false, Secret, 200},
        {"127.8.9.10", false, Secret, 200},
        {"192.168.1.20", false, Secret, 403},
        {"::ffff:192.168.1.20", false, Secret, 403},
        {"1270.0.0.1", false, Secret, 403},
        {"192.168.1.20", true, Secret, 200},
        {"192.168.1.20", true, "", 401},
        {"192.168.1.20", true, Secret.left(31), 401},
        {"192.168.1.20", true, Secret.left(31) + "0", 401},
        {"127.0.0.1", false, Secret + "0", 401},
    };
    for (const Case& c : cases) {
        Access access;
        access.SetSecret(QString::fromLatin1(Secret));
        access.SetLan(c.lan);
        EXPECT_EQ(c.expected,
                  access.Evaluate(QString::fromLatin1(c.address), Bearer(c.credential), 0))
            << c.address << ' ' << c.credential.constData();
    }
}

// Only a wrong secret counts. A page that makes the browser knock without one (12 images
// pointing at /remote) must not lock the owner out, and the right secret always gets in.
TEST(AccessTest, WrongSecretsShutOutTheirAddressButNeverTheRightOne) {
    Access access;
    access.SetSecret(QString::fromLatin1(Secret));
    access.SetLan(true);
    const QString thief = QStringLiteral("10.0.0.66");
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(401, access.Evaluate(thief, {}, i)) << "no secret: 401, not counted";
    }
    for (int i = 0; i < Access::MaxFailures; ++i) {
        EXPECT_EQ(401, access.Evaluate(thief, Bearer("indovino"), i * 1000));
    }
    EXPECT_EQ(429, access.Evaluate(thief, Bearer("indovino"), 20000));
    EXPECT_EQ(429, access.Evaluate(thief, {{}, "indovino"}, 20000)) << "a wrong device cookie too";
    EXPECT_EQ(200, access.Evaluate(thief, Bearer(Secret), 20000))
        << "the right secret is never refused";
    EXPECT_EQ(200, access.Evaluate(QStringLiteral("10.0.0.7"), Bearer(Secret), 20000));
    EXPECT_EQ(401, access.Evaluate(thief, Bearer("indovino"), 60000 + 1000))
        << "the first failures have left the minute";
}

// The QR code's code: two minutes, once; the device secret it gives lasts while it is used,
// a day unused at most, and goes with its revocation or a new secret.
TEST(AccessTest, APairingCodeIsSpentOnceAndTheDeviceSecretLivesWhileUsed) {
    Access access;
    access.SetSecret(QString::fromLatin1(Secret));
    access.SetLan(true);
    access.SetPort(8765);
    const QString phone = QStringLiteral("192.168.1.30");
    const QByteArray android =
        "Mozilla/5.0 (Linux; Android 14) AppleWebKit/537.36 Chrome/120.0 Mobile Safari/537.36";
    const QByteArray code = access.NewCode(0).toLatin1();
    const QByteArray device = access.Bind(code, phone, android, 1000);
    ASSERT_EQ(32, device.size());
    EXPECT_NE(Secret, device) << "the phone's secret is its own, not the decks'";
    EXPECT_TRUE(access.Bind(code, phone, android, 2000).isEmpty()) << "used twice";
    EXPECT_TRUE(access.Bind(access.NewCode(0).toLatin1(), phone, android, Access::CodeDuration + 1)
                    .isEmpty())
        << "expired";
    EXPECT_EQ(200, access.Evaluate(phone, {{}, device}, 5000));
    EXPECT_EQ(401, access.Evaluate(phone, Bearer(device), 5000)) << "not a deck's secret";

    const auto list = access.Devices(5000);
    ASSERT_EQ(1, list.size());
    EXPECT_EQ(QStringLiteral("Chrome (Android)"), list[0].browser);
    EXPECT_EQ(phone, list[0].address);
    EXPECT_EQ(5000, list[0].last);

    const qint64 day = Access::DeviceDeadline;
    EXPECT_EQ(200, access.Evaluate(phone, {{}, device}, 5000 + day - 1)) << "used within a day";
    EXPECT_EQ(401, access.Evaluate(phone, {{}, device}, 5000 + 2 * day)) << "a day unused";

    const QByteArray second = access.Bind(access.NewCode(0).toLatin1(), phone, android, 10);
    const QByteArray third = access.Bind(access.NewCode(0).toLatin1(), phone, android, 10);
    access.Revoke(access.Devices(10).value(0).number);
    EXPECT_EQ(401, access.Evaluate(phone, {{}, second}, 20)) << "revoked";
    EXPECT_EQ(200, access.Evaluate(phone, {{}, third}, 20)) << "the others stay";
    access.RevokeAll();
    EXPECT_EQ(401, access.Evaluate(phone, {{}, third}, 30)) << "a new secret revokes everything";
}

TEST(AccessTest, CredentialsComeFromTheBearerHeaderAndThePortsOwnCookie) {
    Access access;
    access.SetPort(8765);
    EXPECT_EQ("brivanta_remote_8765", access.CookieName());
    const auto c = access.Read(
        "Bearer abc",
        "brivanta_remote=vecchio; brivanta_remote_8780=altra; brivanta_remote_8765=zzz");
    EXPECT_EQ("abc", c.bearer);
    EXPECT_EQ("zzz", c.device) << "only this port's cookie";
    EXPECT_EQ("abc", access.Read("bearer   abc ", {}).bearer);
    EXPECT_EQ("", access.Read("Basic abc", "xbrivanta_remote_8765=zzz").bearer);
    EXPECT_EQ("", access.Read("Basic abc", "xbrivanta_remote_8765=zzz").device);
}

TEST(AccessTest, TheSecretIsStoredHexAndANewOneShutsTheOldOut) {
    FakeSettings settings;
    const QString first = RemoteSecret(settings);
    EXPECT_EQ(32, first.size());
    EXPECT_TRUE(settings.values.isEmpty()) << "stored only once the Remote window shows it";
    EXPECT_NE(first, RemoteSecret(settings)) << "random, never a fixed default";
    settings.values[QStringLiteral("HubToken")] = QStringLiteral("abc");
    EXPECT_EQ(32, RemoteSecret(settings).size()) << "a damaged value is not a secret";
    const QString fresh = RenewSecret(settings);
    EXPECT_EQ(fresh, settings.values.value(QStringLiteral("HubToken")));
    EXPECT_EQ(fresh, RemoteSecret(settings));
}

} // namespace
