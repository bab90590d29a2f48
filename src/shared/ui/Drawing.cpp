#include "shared/ui/Drawing.h"

#include <QHash>

namespace {
QWidget* AsWidget(const Control& c) {
    return qobject_cast<QWidget*>(c.object);
}
} // namespace

void Place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(TwipsInPixel(left), TwipsInPixel(top), TwipsInPixel(width),
                   TwipsInPixel(height));
}

namespace {
QHash<QString, QString>& Bold() {
    static QHash<QString, QString> bold;
    return bold;
}
} // namespace

void ReplaceBold(const QString& family, const QString& substitute) {
    Bold().insert(family, substitute);
}

QFont Character(const QString& family, double points, bool bold) {
    QFont f(bold ? Bold().value(family, family) : family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

ControlGeometry ReadControl(const QWidget* w, bool hasFont) {
    const QRect r = w->geometry();
    ControlGeometry g;
    g.Left = static_cast<float>(PixelInTwips(r.x()));
    g.Top = static_cast<float>(PixelInTwips(r.y()));
    g.Width = static_cast<float>(PixelInTwips(r.width()));
    g.Height = static_cast<float>(PixelInTwips(r.height()));
    if (hasFont) {
        g.FontSize = static_cast<float>(w->font().pointSizeF());
    }
    return g;
}

void ApplyControl(QWidget* w, const ControlGeometry& g, bool hasFont) {
    w->setGeometry(TwipsInPixel(g.Left), TwipsInPixel(g.Top), TwipsInPixel(g.Width),
                   TwipsInPixel(g.Height));
    if (hasFont && g.FontSize > 0 && w->font().pointSizeF() != g.FontSize) {
        QFont f = w->font();
        f.setPointSizeF(g.FontSize);
        w->setFont(f);
    }
}

QSizeF InTwips(QSize pixel) {
    return {PixelInTwips(pixel.width()), PixelInTwips(pixel.height())};
}

ControlsGeometry RecordGeometry(QSizeF window, const Controls& controls) {
    ControlsGeometry g;
    g.reserve(controls.size() + 1);
    ControlGeometry whole;
    whole.Width = static_cast<float>(window.width());
    whole.Height = static_cast<float>(window.height());
    g.push_back(whole);
    for (const Control& c : controls) {
        const QWidget* w = AsWidget(c);
        g.push_back(w != nullptr ? ReadControl(w, c.hasFont) : ControlGeometry{});
    }
    return g;
}

void GeometryScale(const ControlsGeometry& g, QSizeF window, const Controls& controls,
                   bool fontScale) {
    const Reports r = ScaleRatios(g, window.width(), window.height());
    const size_t n = std::min(controls.size(), g.empty() ? 0 : g.size() - 1);
    for (size_t k = 0; k < n; ++k) {
        QWidget* w = AsWidget(controls[k]);
        if (w == nullptr) {
            continue;
        }
        ApplyControl(w, Scale(g[k + 1], r, fontScale), fontScale && controls[k].hasFont);
    }
}
