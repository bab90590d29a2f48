#include "control/RemoteData.h"

#include "control/Messages.h"
#include "match/History.h"
#include "shared/Language.h"
#include "teams/TeamChoice.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray RemoteDataJson(const RemoteView& v) {
    QJsonArray sides;
    for (int side = 0; side < 2; ++side) {
        QJsonArray roster;
        for (const QString& line : v.Lines[side]) {
            const QString code = CodeFromLine(line);
            if (code.isEmpty()) {
                continue;
            }
            QJsonObject athlete;
            athlete.insert(QStringLiteral("code"), code);
            athlete.insert(QStringLiteral("label"), line.trimmed());
            roster.append(athlete);
        }
        QJsonObject o;
        o.insert(QStringLiteral("name"), v.Names[side]);
        o.insert(QStringLiteral("code"), v.Codes[side]);
        o.insert(QStringLiteral("roster"), roster);
        sides.append(o);
    }
    QJsonArray types;
    for (const QString& t : v.Types) {
        types.append(t);
    }
    QJsonObject o;
    o.insert(QStringLiteral("sides"), sides);
    o.insert(QStringLiteral("types"), types);
    o.insert(QStringLiteral("type"), v.Type);
    o.insert(QStringLiteral("last_line"), v.LastLine);
    o.insert(QStringLiteral("undo_text"), v.Cancel);
    o.insert(QStringLiteral("undo"), v.Undo);
    QJsonObject texts;
    for (const auto& [key, text] : v.Texts) {
        texts.insert(key, text);
    }
    o.insert(QStringLiteral("texts"), texts);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

QString DescribeEvent(const HistoryEvent& event, const std::array<QString, 2>& names,
                      const LanguageTable& languages) {
    const auto name = [&](int side) {
        return !names[side].isEmpty() ? names[side]
                                      : languages.Translate(side == 0 ? QStringLiteral("Locali")
                                                                      : QStringLiteral("Ospiti"));
    };
    switch (event.Kind) {
    case HistoryKind::Timeout:
        return languages.Translate(QStringLiteral("Tempo")) + u' ' + name(event.Side);
    case HistoryKind::SetStart:
        return languages.Translate(QStringLiteral("Set")) + u' ' + QString::number(event.Set);
    case HistoryKind::Point:
    case HistoryKind::Removal:
        return languages.Translate(QStringLiteral("Punto")) + u' ' + name(event.Side) +
               QStringLiteral(", ") + QString::number(event.Score[0]) + u'-' +
               QString::number(event.Score[1]);
    case HistoryKind::Unknown:
        break;
    }
    return event.Text;
}

QList<QPair<QString, QString>> RemoteTexts(const LanguageTable& languages) {
    const auto t = [&languages](const char* text) {
        return languages.Translate(QString::fromUtf8(text));
    };
    return {{QStringLiteral("set"), t("Set")},
            {QStringLiteral("timeout"), t("Tempo")},
            {QStringLiteral("undo"), t("Undo")},
            {QStringLiteral("not_paired"), t("Telefono non associato: inquadra di nuovo il codice "
                                             "QR della finestra Remote della console.")},
            {QStringLiteral("too_many"), t("Troppe richieste rifiutate: aspetta un minuto.")},
            {QStringLiteral("offline"), t("Nessuna connessione con la console.")},
            {QStringLiteral("busy"), t("La console è occupata: riprova.")},
            {QStringLiteral("error"), t("Errore")}};
}

QString PortInUseText(const LanguageTable& languages, quint16 port) {
    return languages.Translate(QString::fromUtf8(ControlMessages::PortInUse)) + u' ' +
           QString::number(port) + u'\n' +
           languages.Translate(QString::fromUtf8(ControlMessages::OtherPortWhere)) + u' ' +
           languages.Translate(QString::fromUtf8(ControlMessages::LiveFrame));
}
