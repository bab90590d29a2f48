#include "live/Addresses.h"

QStringList LiveAddresses(quint16 port, bool lan, const QStringList& machineAddresses) {
    if (port == 0) {
        return {};
    }
    const auto url = [port](const QString& host) {
        return QStringLiteral("http://%1:%2/").arg(host).arg(port);
    };
    QStringList list{url(QStringLiteral("127.0.0.1"))};
    if (!lan) {
        return list;
    }
    for (const QString& address : machineAddresses) {
        // Loopback is listed already; link-local addresses need a zone nobody can paste.
        if (address.startsWith(QStringLiteral("127.")) || address == QStringLiteral("::1") ||
            address.startsWith(QStringLiteral("fe80"), Qt::CaseInsensitive) ||
            address.startsWith(QStringLiteral("169.254."))) {
            continue;
        }
        list.append(url(address.contains(u':') ? u'[' + address + u']' : address));
    }
    return list;
}
