#pragma once

#include "platform/Http.h"

#include <QString>
#include <functional>

// The live server's routes: pages, data feeds, event stream and pictures. Read-only: nothing
// here changes the match.
class Router {
  public:
    struct Fonts {
        std::function<QByteArray()> State; // /state.json and the events
        std::function<QByteArray()> VmixJson;
        std::function<QByteArray()> VmixXml;
        std::function<QString()> DataFolder; // Teams/ and Sponsors/ below it
    };
    explicit Router(Fonts fonts) : fonts_(std::move(fonts)) {}

    HttpAnswer Reply(const HttpRequest& request) const;

  private:
    HttpAnswer Media(const QByteArray& path, const QByteArray& label) const;
    Fonts fonts_;
};

// The file under `root` that a request path names, or empty: a name that would leave the
// folder (.., an absolute path, a separator, a link pointing out) names nothing.
QString FileBelow(const QString& root, const QString& relative);

// The Content-Type of a picture from its first bytes (JPEG, PNG, GIF, BMP, WebP); empty for
// anything else.
QByteArray ImageType(const QByteArray& start);

// One Server-Sent Events message carrying the state.
QByteArray StateEvent(const QByteArray& json);
