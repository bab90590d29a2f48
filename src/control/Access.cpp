#include "control/Access.h"
#include "shared/SettingsTable.h"

#include "platform/Settings.h"

#include <QRandomGenerator>

namespace {
// Beyond this many addresses the oldest records go: a flood of addresses cannot grow memory.
constexpr int MaxAddresses = 1024;
} // namespace

// 127.0.0.0/8 and ::1, also as IPv4 mapped into IPv6 (a dual-stack socket's peer).
bool LocalAddress(const QString& address) {
    QString a = address.toLower();
    if (a.startsWith(QStringLiteral("::ffff:"))) {
        a = a.mid(7);
    }
    if (a == QStringLiteral("::1") || a == QStringLiteral("0:0:0:0:0:0:0:1")) {
        return true;
    }
    const QStringList parts = a.split(u'.');
    if (parts.size() != 4 || parts[0] != QStringLiteral("127")) {
        return false;
    }
    for (const QString& p : parts) {
        bool ok = false;
        const int n = p.toInt(&ok);
        if (!ok || n < 0 || n > 255) {
            return false;
        }
    }
    return true;
}

QString Access::NewSecret() {
    QByteArray byte(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(byte.data()), 4);
    return QString::fromLatin1(byte.toHex());
}

namespace {

// Every byte compared whatever the first difference: the time taken tells nothing.
bool Equal(const QByteArray& a, const QByteArray& b) {
    if (a.isEmpty() || a.size() != b.size()) {
        return false;
    }
    unsigned char different = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        different |= static_cast<unsigned char>(a[i] ^ b[i]);
    }
    return different == 0;
}

} // namespace

Access::Credentials Access::Read(const QByteArray& authorization, const QByteArray& cookie) const {
    Credentials c;
    const QByteArray a = authorization.trimmed();
    if (a.size() > 7 && a.left(7).compare("bearer ", Qt::CaseInsensitive) == 0) {
        c.bearer = a.mid(7).trimmed();
    }
    for (const QByteArray& part : cookie.split(';')) {
        const QByteArray p = part.trimmed();
        if (p.startsWith(CookieName() + '=')) {
            c.device = p.mid(CookieName().size() + 1);
        }
    }
    return c;
}

std::deque<qint64>& Access::Failures(const QString& address, qint64 now) {
    if (!failures_.contains(address) && failures_.size() >= MaxAddresses) {
        failures_.removeIf([now](const auto& item) {
            return item.value().empty() || item.value().back() <= now - Window;
        });
        if (failures_.size() >= MaxAddresses) {
            failures_.erase(failures_.begin());
        }
    }
    auto& list = failures_[address];
    while (!list.empty() && list.front() <= now - Window) {
        list.pop_front();
    }
    return list;
}

void Access::Expired(qint64 now) {
    devices_.removeIf([now](const Bound& d) { return d.data.last + DeviceDeadline <= now; });
    codes_.removeIf([now](const auto& item) { return item.value() <= now; });
}

int Access::Evaluate(const QString& address, const Credentials& credentials, qint64 now) {
    if (!lan_ && !LocalAddress(address)) {
        return 403;
    }
    // No secret at all is a page or a link without one, not an attack: it counts for nothing.
    if (credentials.bearer.isEmpty() && credentials.device.isEmpty()) {
        return 401;
    }
    if (!credentials.bearer.isEmpty() && Equal(credentials.bearer, secret_)) {
        return 200;
    }
    Expired(now);
    if (!credentials.device.isEmpty()) {
        for (Bound& d : devices_) {
            if (Equal(credentials.device, d.secret)) {
                d.data.last = now;
                d.data.address = address;
                return 200;
            }
        }
    }
    auto& failures = Failures(address, now);
    if (static_cast<int>(failures.size()) >= MaxFailures) {
        return 429;
    }
    failures.push_back(now);
    return 401;
}

QString Access::NewCode(qint64 now) {
    Expired(now);
    const QString code = NewSecret();
    codes_.insert(code.toLatin1(), now + CodeDuration);
    return code;
}

QByteArray Access::Bind(const QByteArray& code, const QString& address, const QByteArray& agent,
                        qint64 now) {
    Expired(now);
    QByteArray found;
    for (auto it = codes_.cbegin(); it != codes_.cend(); ++it) {
        if (Equal(code, it.key())) {
            found = it.key();
        }
    }
    if (found.isEmpty() || (!lan_ && !LocalAddress(address))) {
        return {};
    }
    codes_.remove(found);
    if (devices_.size() >= MaxDevices) {
        devices_.removeFirst();
    }
    Bound fresh;
    fresh.secret = NewSecret().toLatin1();
    fresh.data = {++lastNumber_, BrowserName(agent), address, now};
    devices_.append(fresh);
    return fresh.secret;
}

QList<Access::Device> Access::Devices(qint64 now) {
    Expired(now);
    QList<Device> list;
    for (const Bound& d : devices_) {
        list.append(d.data);
    }
    return list;
}

void Access::Revoke(quint64 number) {
    devices_.removeIf([number](const Bound& d) { return d.data.number == number; });
}

void Access::RevokeAll() {
    devices_.clear();
    codes_.clear();
}

QString BrowserName(const QByteArray& agent) {
    const auto ha = [&agent](const char* word) { return agent.contains(word); };
    const QString browser = ha("Firefox/")                  ? QStringLiteral("Firefox")
                            : ha("Edg")                     ? QStringLiteral("Edge")
                            : ha("OPR/")                    ? QStringLiteral("Opera")
                            : ha("SamsungBrowser")          ? QStringLiteral("Samsung Internet")
                            : ha("Chrome/") || ha("CriOS/") ? QStringLiteral("Chrome")
                            : ha("Safari/")                 ? QStringLiteral("Safari")
                                                            : QStringLiteral("Browser");
    const QString system = ha("Android")   ? QStringLiteral("Android")
                           : ha("iPhone")  ? QStringLiteral("iPhone")
                           : ha("iPad")    ? QStringLiteral("iPad")
                           : ha("Windows") ? QStringLiteral("Windows")
                           : ha("Mac OS")  ? QStringLiteral("Mac")
                           : ha("Linux")   ? QStringLiteral("Linux")
                                           : QString();
    return system.isEmpty() ? browser : browser + QStringLiteral(" (") + system + u')';
}

QString RenewSecret(Settings& settings) {
    const QString secret = Access::NewSecret();
    WriteText(settings, Setting::RemoteSecret, secret);
    return secret;
}

QString RemoteSecret(const Settings& settings) {
    const QString saved = ReadText(settings, Setting::RemoteSecret).trimmed();
    bool hex = saved.size() == 32;
    for (const QChar c : saved) {
        hex = hex && ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'));
    }
    return hex ? saved : Access::NewSecret();
}
