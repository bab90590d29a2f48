#include "control/DatiRemoto.h"

#include "match/Storico.h"
#include "shared/Lingua.h"
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
    o.insert(QStringLiteral("undo_text"), v.Annulla);
    o.insert(QStringLiteral("undo"), v.Undo);
    QJsonObject testi;
    for (const auto& [chiave, testo] : v.Testi) {
        testi.insert(chiave, testo);
    }
    o.insert(QStringLiteral("texts"), testi);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

QString DescriviRiga(const QString& riga, const std::array<QString, 2>& nomi, const TabellaLingue& lingue) {
    const auto nome = [&](int lato) {
        return !nomi[lato].isEmpty() ? nomi[lato]
                                     : lingue.Traduci(lato == 0 ? QStringLiteral("Locali") : QStringLiteral("Ospiti"));
    };
    const RigaStorico r = LeggiRiga(riga);
    if (r.Timeout) {
        return lingue.Traduci(QStringLiteral("Tempo")) + u' ' + nome(r.Lato);
    }
    if (!RigaDiPunto(riga)) {
        return lingue.Traduci(QStringLiteral("Set")) + u' ' + QString::number(r.Set);
    }
    const int lato = riga.section(QStringLiteral(" - "), -1).startsWith(u'G') ? 1 : 0;
    return lingue.Traduci(QStringLiteral("Punto")) + u' ' + nome(lato) + QStringLiteral(", ") +
           QString::number(r.Casa) + u'-' + QString::number(r.Ospiti);
}

QList<QPair<QString, QString>> TestiRemoto(const TabellaLingue& lingue) {
    const auto t = [&lingue](const char* testo) { return lingue.Traduci(QString::fromUtf8(testo)); };
    return {{QStringLiteral("set"), t("Set")},
            {QStringLiteral("timeout"), t("Tempo")},
            {QStringLiteral("undo"), t("Undo")},
            {QStringLiteral("not_paired"), t("Telefono non associato: inquadra di nuovo il codice QR della finestra Remote della console.")},
            {QStringLiteral("too_many"), t("Troppe richieste rifiutate: aspetta un minuto.")},
            {QStringLiteral("offline"), t("Nessuna connessione con la console.")},
            {QStringLiteral("busy"), t("La console è occupata: riprova.")},
            {QStringLiteral("error"), t("Errore")}};
}
