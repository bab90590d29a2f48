#pragma once

// The offscreen platform's screens, added and removed as a cable would: through the
// platform's own configuration hook (a private Qt interface, for tests only).
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QRect>
#include <qpa/qplatformnativeinterface.h>

class SchermiOffscreen {
public:
    SchermiOffscreen() : originale_(Configurazione()) {}
    ~SchermiOffscreen() { Imposta(originale_); }

    // The first screen stays; `altri` are the screens beside it.
    void Collega(const QList<QPair<QString, QRect>>& altri) {
        QJsonObject nuova = originale_;
        QJsonArray schermi = originale_.value(QStringLiteral("screens")).toArray();
        for (const auto& [nome, area] : altri) {
            schermi.append(QJsonObject{{QStringLiteral("name"), nome},
                                       {QStringLiteral("x"), area.x()},
                                       {QStringLiteral("y"), area.y()},
                                       {QStringLiteral("width"), area.width()},
                                       {QStringLiteral("height"), area.height()}});
        }
        nuova.insert(QStringLiteral("screens"), schermi);
        Imposta(nuova);
    }

private:
    using Leggi = QJsonObject (*)(QPlatformNativeInterface*);
    using Scrivi = void (*)(const QJsonObject&, QPlatformNativeInterface*);

    static QJsonObject Configurazione() {
        auto* ni = QGuiApplication::platformNativeInterface();
        auto leggi = reinterpret_cast<Leggi>(ni->nativeResourceForIntegration("configuration"));
        return leggi != nullptr ? leggi(ni) : QJsonObject();
    }
    static void Imposta(const QJsonObject& configurazione) {
        auto* ni = QGuiApplication::platformNativeInterface();
        if (auto scrivi =
                reinterpret_cast<Scrivi>(ni->nativeResourceForIntegration("setConfiguration"))) {
            scrivi(configurazione, ni);
        }
    }

    QJsonObject originale_;
};
