#pragma once

#include "platform/Http.h"

#include <QString>
#include <functional>

// The live server's routes: pages, data feeds, event stream and pictures. Read-only: nothing
// here changes the match.
class Instradatore {
public:
    struct Fonti {
        std::function<QByteArray()> Stato;   // /state.json and the events
        std::function<QByteArray()> VmixJson;
        std::function<QByteArray()> VmixXml;
        std::function<QString()> CartellaDati; // Teams/ and Sponsors/ below it
    };
    explicit Instradatore(Fonti fonti) : fonti_(std::move(fonti)) {}

    RispostaHttp Rispondi(const RichiestaHttp& richiesta) const;

private:
    RispostaHttp Media(const QByteArray& percorso, const QByteArray& etichetta) const;
    Fonti fonti_;
};

// The file under `radice` that a request path names, or empty: a name that would leave the
// folder (.., an absolute path, a separator, a link pointing out) names nothing.
QString FileSotto(const QString& radice, const QString& relativo);

// The Content-Type of a picture from its first bytes (JPEG, PNG, GIF, BMP, WebP); empty for
// anything else.
QByteArray TipoImmagine(const QByteArray& inizio);

// One Server-Sent Events message carrying the state.
QByteArray EventoStato(const QByteArray& json);
