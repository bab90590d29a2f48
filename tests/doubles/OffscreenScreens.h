#pragma once

// The offscreen platform's screens, added and removed as a cable would: through the
// platform's own configuration hook (a private Qt interface, for tests only).
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QRect>
#include <qpa/qplatformnativeinterface.h>

class OffscreenScreens {
  public:
    OffscreenScreens() : original_(Configuration()) {}
    ~OffscreenScreens() { Set(original_); }

    // The first screen stays; `others` are the screens beside it.
    void Link(const QList<QPair<QString, QRect>>& others) {
        QJsonObject fresh = original_;
        QJsonArray screens = original_.value(QStringLiteral("screens")).toArray();
        for (const auto& [name, area] : others) {
            screens.append(QJsonObject{{QStringLiteral("name"), name},
                                       {QStringLiteral("x"), area.x()},
                                       {QStringLiteral("y"), area.y()},
                                       {QStringLiteral("width"), area.width()},
                                       {QStringLiteral("height"), area.height()}});
        }
        fresh.insert(QStringLiteral("screens"), screens);
        Set(fresh);
    }

  private:
    using Read = QJsonObject (*)(QPlatformNativeInterface*);
    using Write = void (*)(const QJsonObject&, QPlatformNativeInterface*);

    static QJsonObject Configuration() {
        auto* ni = QGuiApplication::platformNativeInterface();
        auto read = reinterpret_cast<Read>(ni->nativeResourceForIntegration("configuration"));
        return read != nullptr ? read(ni) : QJsonObject();
    }
    static void Set(const QJsonObject& configuration) {
        auto* ni = QGuiApplication::platformNativeInterface();
        if (auto write =
                reinterpret_cast<Write>(ni->nativeResourceForIntegration("setConfiguration"))) {
            write(configuration, ni);
        }
    }

    QJsonObject original_;
};
