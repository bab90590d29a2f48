#include "shared/ui/Disegno.h"

#include <QHash>

namespace {
QWidget* ComeWidget(const Controllo& c) {
    return qobject_cast<QWidget*>(c.oggetto);
}
} // namespace

void Posiziona(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(TwipsInPixel(left), TwipsInPixel(top), TwipsInPixel(width),
                   TwipsInPixel(height));
}

namespace {
QHash<QString, QString>& Grassetti() {
    static QHash<QString, QString> grassetti;
    return grassetti;
}
} // namespace

void SostituisciGrassetto(const QString& famiglia, const QString& sostituta) {
    Grassetti().insert(famiglia, sostituta);
}

QFont Carattere(const QString& famiglia, double punti, bool grassetto) {
    QFont f(grassetto ? Grassetti().value(famiglia, famiglia) : famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

GeometriaControllo LeggiControllo(const QWidget* w, bool haFont) {
    const QRect r = w->geometry();
    GeometriaControllo g;
    g.Left = static_cast<float>(PixelInTwips(r.x()));
    g.Top = static_cast<float>(PixelInTwips(r.y()));
    g.Width = static_cast<float>(PixelInTwips(r.width()));
    g.Height = static_cast<float>(PixelInTwips(r.height()));
    if (haFont) {
        g.FontSize = static_cast<float>(w->font().pointSizeF());
    }
    return g;
}

void ApplicaControllo(QWidget* w, const GeometriaControllo& g, bool haFont) {
    w->setGeometry(TwipsInPixel(g.Left), TwipsInPixel(g.Top), TwipsInPixel(g.Width),
                   TwipsInPixel(g.Height));
    if (haFont && g.FontSize > 0 && w->font().pointSizeF() != g.FontSize) {
        QFont f = w->font();
        f.setPointSizeF(g.FontSize);
        w->setFont(f);
    }
}

QSizeF InTwips(QSize pixel) {
    return {PixelInTwips(pixel.width()), PixelInTwips(pixel.height())};
}

GeometriaControlli RegistraGeometria(QSizeF finestra, const Controlli& controlli) {
    GeometriaControlli g;
    g.reserve(controlli.size() + 1);
    GeometriaControllo intera;
    intera.Width = static_cast<float>(finestra.width());
    intera.Height = static_cast<float>(finestra.height());
    g.push_back(intera);
    for (const Controllo& c : controlli) {
        const QWidget* w = ComeWidget(c);
        g.push_back(w != nullptr ? LeggiControllo(w, c.haFont) : GeometriaControllo{});
    }
    return g;
}

void ScalaGeometria(const GeometriaControlli& g, QSizeF finestra, const Controlli& controlli,
                    bool scalaFont) {
    const Rapporti r = RapportiScala(g, finestra.width(), finestra.height());
    const size_t n = std::min(controlli.size(), g.empty() ? 0 : g.size() - 1);
    for (size_t k = 0; k < n; ++k) {
        QWidget* w = ComeWidget(controlli[k]);
        if (w == nullptr) {
            continue;
        }
        ApplicaControllo(w, Scala(g[k + 1], r, scalaFont), scalaFont && controlli[k].haFont);
    }
}
