#include "control/DatiRemoto.h"

#include "teams/SceltaSquadra.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray DatiRemotoJson(const VistaRemoto& v) {
    QJsonArray lati;
    for (int lato = 0; lato < 2; ++lato) {
        QJsonArray rosa;
        for (const QString& riga : v.Righe[lato]) {
            const QString codice = CodiceDaRiga(riga);
            if (codice.isEmpty()) {
                continue;
            }
            QJsonObject atleta;
            atleta.insert(QStringLiteral("code"), codice);
            atleta.insert(QStringLiteral("label"), riga.trimmed());
            rosa.append(atleta);
        }
        QJsonObject o;
        o.insert(QStringLiteral("name"), v.Nomi[lato]);
        o.insert(QStringLiteral("code"), v.Codici[lato]);
        o.insert(QStringLiteral("roster"), rosa);
        lati.append(o);
    }
    QJsonArray tipi;
    for (const QString& t : v.Tipi) {
        tipi.append(t);
    }
    QJsonObject o;
    o.insert(QStringLiteral("sides"), lati);
    o.insert(QStringLiteral("types"), tipi);
    o.insert(QStringLiteral("type"), v.Tipo);
    o.insert(QStringLiteral("last_line"), v.UltimaRiga);
    o.insert(QStringLiteral("undo"), v.Undo);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}
