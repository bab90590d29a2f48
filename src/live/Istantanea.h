#pragma once

#include <QJsonObject>
#include <QString>

struct Partita;
struct StatoSchermo;
struct StatoPresentazione;
class TabellaLingue;

// Everything the outside world may see of the match and of the display.
struct IngressoLive {
    const Partita& Match;
    const StatoSchermo& Schermo;
    const StatoPresentazione& Presentazione;
    const TabellaLingue& Lingue;
    QString CartellaDati;
    // The countdown window, while it is open.
    bool ConteggioAperto = false;
    bool CambioCampo = false;
    QString TestoConteggio;
};

// The whole observable state as one object; its field names are the feed's contract.
QJsonObject StatoLive(const IngressoLive& in, qint64 versione);

// The same, flat, for production tools that read one row of named fields (vMix).
QJsonObject VmixPiatto(const QJsonObject& stato);
QByteArray VmixXml(const QJsonObject& piatto);

// The address a picture under the data folder is served at, or empty when it is missing.
QString UrlMedia(const QString& cartellaDati, const QString& file);
