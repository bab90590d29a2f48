#include "control/Commands.h"

#include <QUrl>

bool ValidCode(const QString& code) {
    if (code.isEmpty() || code.size() > 3) {
        return false;
    }
    for (const QChar c : code) {
        if (!(c >= u'0' && c <= u'9') && !(c >= u'A' && c <= u'Z') && !(c >= u'a' && c <= u'z')) {
            return false;
        }
    }
    return true;
}

ParsedCommand ReadCommand(const QByteArray& path) {
    ParsedCommand read;
    for (const ActionDefinition& d : Actions()) {
        if (d.path != nullptr && path == d.path) {
            read.command.action = d.action;
            return read;
        }
    }
    const QList<QByteArray> parts = path.split('/');
    const int side = parts.size() != 3 || parts[0] != "code" ? -1
                     : parts[1] == "home"                    ? 0
                     : parts[1] == "guests"                  ? 1
                                                             : -1;
    if (side < 0) {
        read.refusal = 404;
        return read;
    }
    const QString code = QUrl::fromPercentEncoding(parts[2]);
    if (!ValidCode(code)) {
        read.refusal = 400;
        return read;
    }
    read.command.side = side;
    read.command.code = code == QStringLiteral("e") ? QStringLiteral("E") : code;
    return read;
}
