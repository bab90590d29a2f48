#include "live/Istantanea.h"

#include "display/Presentazione.h"
#include "display/StatoSchermo.h"
#include "match/Partita.h"
#include "match/Storico.h"
#include "shared/Lingua.h"
#include "shared/Numeri.h"
#include "teams/Ricerche.h"
#include "teams/Squadre.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QUrl>
#include <QXmlStreamWriter>

namespace {

const char* const Lati[2] = {"home", "guests"};
const char* const TipiPunto[5] = {"Non specificato", "Ace", "Muro", "Schiacciata", "Pallonetto"};

QString Esadecimale(std::uint32_t bgr) {
    return QStringLiteral("#%1%2%3")
        .arg(bgr & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((bgr >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((bgr >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

QString CartellaDellaSquadra(const IngressoLive& in, int lato) {
    return CartellaSquadra(in.CartellaDati, in.Match.NomeSquadra[lato]);
}

QString Foto(const IngressoLive& in, int lato, const QString& numero) {
    const QString cartella = CartellaDellaSquadra(in, lato);
    return cartella.isEmpty() ? QString() : UrlMedia(in.CartellaDati, FotoAtleta(cartella, numero));
}

QJsonObject Squadra(const IngressoLive& in, int lato) {
    const Partita& p = in.Match;
    const ColoriPannello& c = in.Schermo.Colori;
    const QString cartella = CartellaDellaSquadra(in, lato);
    return {
        {QStringLiteral("name"), p.Tabellone.Nome[lato]},
        {QStringLiteral("points"), p.Punti[lato]},
        {QStringLiteral("shown"), p.Tabellone.Punti[lato]},
        {QStringLiteral("sets"), p.SetVinti[lato]},
        {QStringLiteral("timeouts"), p.TimeChiesti[lato]},
        {QStringLiteral("serving_marker"), p.Tabellone.Marcatore[lato]},
        {QStringLiteral("logo"),
         cartella.isEmpty() ? QString()
                            : UrlMedia(in.CartellaDati,
                                       QDir(cartella).filePath(QStringLiteral("logo.jpg")))},
        {QStringLiteral("colors"),
         QJsonObject{{QStringLiteral("name"), Esadecimale(c[lato == 0 ? NomeCasa : NomeOspiti])},
                     {QStringLiteral("score"), Esadecimale(c[lato == 0 ? PuntiCasa : PuntiOspiti])},
                     {QStringLiteral("text"), Esadecimale(c[lato == 0 ? TestoCasa : TestoOspiti])}}},
    };
}

// The newest line that added a point, unless a removal, a set start or a new set came after.
QJsonValue UltimoPunto(const IngressoLive& in) {
    const QStringList& storico = in.Match.Storico;
    for (qsizetype i = storico.size() - 1; i >= 0; --i) {
        const RigaStorico r = LeggiRiga(storico[i]);
        if (r.Timeout) {
            continue;
        }
        if (!RigaDiPunto(storico[i]) || i == 0) {
            return QJsonValue::Null;
        }
        qsizetype j = i - 1;
        while (j >= 0 && LeggiRiga(storico[j]).Timeout) {
            --j;
        }
        const RigaStorico prima = j >= 0 ? LeggiRiga(storico[j]) : RigaStorico{};
        if (r.Casa + r.Ospiti <= prima.Casa + prima.Ospiti) {
            return QJsonValue::Null;
        }
        // "(1) 1 -  0 - 15:42 - H_7_2": side, athlete code, point type.
        const QStringList evento = storico[i].section(QStringLiteral(" - "), -1).split(u'_');
        const int lato = evento.value(0) == QStringLiteral("G") ? 1 : 0;
        const QString codice = evento.value(1);
        const int tipo = std::clamp(ValoreIntero(evento.value(2)), 0, 4);
        const bool atleta = ValoreIntero(codice) > 0;
        return QJsonObject{
            {QStringLiteral("side"), QString::fromLatin1(Lati[lato])},
            {QStringLiteral("code"), codice},
            {QStringLiteral("number"), atleta ? codice : QString()},
            {QStringLiteral("surname"),
             atleta ? CognomeAtleta(in.Match.Rose[lato], codice, in.Lingue) : QString()},
            {QStringLiteral("type"), in.Lingue.Traduci(QString::fromLatin1(TipiPunto[tipo]))},
            {QStringLiteral("type_index"), tipo},
            {QStringLiteral("photo"), atleta ? Foto(in, lato, codice) : QString()},
        };
    }
    return QJsonValue::Null;
}

QJsonObject Statistiche(const PannelloStatistiche& s) {
    QJsonArray righe;
    for (int r = 0; r < 4; ++r) {
        righe.append(QJsonObject{{QStringLiteral("home_name"), s.NomiCasa[r]},
                                 {QStringLiteral("home_points"), s.PuntiCasa[r]},
                                 {QStringLiteral("guests_points"), s.PuntiOspiti[r]},
                                 {QStringLiteral("guests_name"), s.NomiOspiti[r]}});
    }
    return {{QStringLiteral("title"), s.Titolo},
            {QStringLiteral("totals"), QJsonArray{s.Totali[0], s.Totali[1]}},
            {QStringLiteral("names"), QJsonArray{s.Nomi[0], s.Nomi[1]}},
            {QStringLiteral("rows"), righe}};
}

QJsonObject Sovrimpressione(const IngressoLive& in) {
    const Partita& p = in.Match;
    const StatoSchermo& s = in.Schermo;
    if (in.ConteggioAperto) {
        return {{QStringLiteral("kind"), QStringLiteral("countdown")},
                {QStringLiteral("reason"),
                 in.CambioCampo ? QStringLiteral("court_change") : QStringLiteral("timeout")},
                {QStringLiteral("text"), in.TestoConteggio},
                {QStringLiteral("seconds"), std::max(0, 30 - p.TickConteggio)}};
    }
    if (s.Presentazione) {
        const int lato = in.Presentazione.SquadraPresentata == 1 ? 1 : 0;
        const QStringList numeri = NumeriConvocati(p.Rose[lato]);
        const int riga = in.Presentazione.RigaPresentata;
        const QString numero = riga >= 1 && riga <= numeri.size() ? numeri[riga - 1] : QString();
        const Rosa& rosa = p.Rose[lato];
        return {{QStringLiteral("kind"), QStringLiteral("presentation")},
                {QStringLiteral("side"), QString::fromLatin1(Lati[lato])},
                {QStringLiteral("number"), numero},
                {QStringLiteral("surname"),
                 numero.isEmpty() ? QString() : CognomeAtleta(rosa, numero, in.Lingue)},
                {QStringLiteral("first_name"), numero.isEmpty() ? QString() : NomeAtleta(rosa, numero)},
                {QStringLiteral("role"),
                 numero.isEmpty() ? QString() : RuoloAtleta(rosa, numero, in.Lingue)},
                {QStringLiteral("photo"), numero.isEmpty() ? QString() : Foto(in, lato, numero)}};
    }
    switch (s.Pannello) {
    case InVista::Marcatore: {
        const PannelloMarcatore& m = p.Tabellone.Pannello;
        return {{QStringLiteral("kind"), QStringLiteral("scorer")},
                {QStringLiteral("side"), QString::fromLatin1(Lati[m.Lato == 1 ? 1 : 0])},
                {QStringLiteral("title"), m.Titolo},
                {QStringLiteral("surname"), m.Cognome.trimmed()},
                {QStringLiteral("number"), m.Numero},
                {QStringLiteral("photo"), UrlMedia(in.CartellaDati, p.FotoMarcatore)}};
    }
    case InVista::Statistiche:
    case InVista::UltimiPunti: {
        QJsonObject o = Statistiche(s.Statistiche);
        o.insert(QStringLiteral("kind"), s.Pannello == InVista::Statistiche
                                             ? QStringLiteral("statistics")
                                             : QStringLiteral("last_points"));
        return o;
    }
    case InVista::SquadraInTesta:
        return {{QStringLiteral("kind"), QStringLiteral("leading")},
                {QStringLiteral("side"), QString::fromLatin1(Lati[s.InTesta.Lato == 1 ? 1 : 0])},
                {QStringLiteral("title"), s.InTesta.Titolo},
                {QStringLiteral("sets"), s.InTesta.Set},
                {QStringLiteral("score"), s.InTesta.Punteggio}};
    case InVista::Nessuno:
        break;
    }
    return {{QStringLiteral("kind"), QStringLiteral("none")}};
}

} // namespace

QString UrlMedia(const QString& cartellaDati, const QString& file) {
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        return {};
    }
    const QDir dati(cartellaDati);
    for (const char* cartella : {"Teams", "Sponsors"}) {
        const QString radice = dati.filePath(QString::fromLatin1(cartella));
        const QString relativo = QDir(radice).relativeFilePath(file);
        if (!relativo.startsWith(QStringLiteral("..")) && !QDir::isAbsolutePath(relativo)) {
            return QStringLiteral("/media/") + QString::fromLatin1(cartella).toLower() + u'/' +
                   QString::fromLatin1(QUrl::toPercentEncoding(relativo, "/"));
        }
    }
    return {};
}

QJsonObject StatoLive(const IngressoLive& in, qint64 versione) {
    const Partita& p = in.Match;
    const bool finita = p.PartitaFinita != 0;
    QJsonArray parziali;
    for (const QString& parziale : p.Parziali) {
        parziali.append(parziale.trimmed());
    }
    QString banner = QStringLiteral("none");
    if (p.Tabellone.Banner && p.StatoSetPoint != 0) {
        banner = p.StatoSetPoint == 2 ? QStringLiteral("match_point") : QStringLiteral("set_point");
    }
    QJsonArray slot;
    for (const QString& file : in.Schermo.Sponsor) {
        slot.append(UrlMedia(in.CartellaDati, file));
    }
    const int ultimo = in.Schermo.UltimoSlot;
    QJsonObject tabellone;
    tabellone.insert(QStringLiteral("background"), Esadecimale(in.Schermo.Colori[Sfondo]));
    tabellone.insert(QStringLiteral("text"), Esadecimale(TestoLeggibile(in.Schermo.Colori[Sfondo])));
    return {
        {QStringLiteral("version"), versione},
        {QStringLiteral("language"), in.Lingue.LinguaCorrente},
        {QStringLiteral("home"), Squadra(in, 0)},
        {QStringLiteral("guests"), Squadra(in, 1)},
        {QStringLiteral("set"), QJsonObject{{QStringLiteral("number"), p.SetCorrente},
                                            {QStringLiteral("label"), p.EtichettaSet},
                                            {QStringLiteral("of"), p.SetTotali}}},
        {QStringLiteral("partials"), parziali},
        {QStringLiteral("banner"), banner},
        {QStringLiteral("banner_text"), banner == QStringLiteral("none") ? QString()
                                                                          : p.Tabellone.TestoBanner},
        {QStringLiteral("match_over"), finita},
        {QStringLiteral("winner"),
         finita ? QJsonValue(QString::fromLatin1(Lati[p.SetVinti[1] > p.SetVinti[0] ? 1 : 0]))
                : QJsonValue::Null},
        {QStringLiteral("last_point"), UltimoPunto(in)},
        {QStringLiteral("overlay"), Sovrimpressione(in)},
        {QStringLiteral("sponsor"),
         QJsonObject{{QStringLiteral("current"),
                      ultimo >= 0 && ultimo < slot.size() ? slot[ultimo] : QJsonValue(QString())},
                     {QStringLiteral("slots"), slot}}},
        {QStringLiteral("board"), tabellone},
    };
}

QJsonObject VmixPiatto(const QJsonObject& stato) {
    QJsonObject piatto;
    for (const char* lato : Lati) {
        const QJsonObject s = stato.value(QLatin1String(lato)).toObject();
        const QString prefisso = QString::fromLatin1(lato) + u'_';
        for (const char* campo : {"name", "points", "sets", "timeouts", "logo"}) {
            piatto.insert(prefisso + QLatin1String(campo), s.value(QLatin1String(campo)));
        }
    }
    const QJsonObject set = stato.value(QStringLiteral("set")).toObject();
    piatto.insert(QStringLiteral("set"), set.value(QStringLiteral("number")));
    piatto.insert(QStringLiteral("set_label"), set.value(QStringLiteral("label")));
    const QJsonArray parziali = stato.value(QStringLiteral("partials")).toArray();
    for (int i = 0; i < parziali.size(); ++i) {
        piatto.insert(QStringLiteral("partial_%1").arg(i + 1), parziali[i]);
    }
    piatto.insert(QStringLiteral("banner"), stato.value(QStringLiteral("banner_text")));
    piatto.insert(QStringLiteral("match_over"), stato.value(QStringLiteral("match_over")));
    const QJsonObject punto = stato.value(QStringLiteral("last_point")).toObject();
    piatto.insert(QStringLiteral("scorer_number"), punto.value(QStringLiteral("number")).toString());
    piatto.insert(QStringLiteral("scorer_surname"), punto.value(QStringLiteral("surname")).toString());
    piatto.insert(QStringLiteral("scorer_photo"), punto.value(QStringLiteral("photo")).toString());
    piatto.insert(QStringLiteral("point_type"), punto.value(QStringLiteral("type")).toString());
    piatto.insert(QStringLiteral("overlay"),
                  stato.value(QStringLiteral("overlay")).toObject().value(QStringLiteral("kind")));
    return piatto;
}

QByteArray VmixXml(const QJsonObject& piatto) {
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("scoreboard"));
    for (auto i = piatto.begin(); i != piatto.end(); ++i) {
        const QJsonValue v = i.value();
        w.writeTextElement(i.key(), v.isBool()     ? QString::fromLatin1(v.toBool() ? "true" : "false")
                                    : v.isDouble() ? QString::number(v.toInteger())
                                                   : v.toString());
    }
    w.writeEndElement();
    w.writeEndDocument();
    return xml;
}
