#include "shared/ui/Disegno.h"

namespace {
QWidget* ComeWidget(const Controllo& c) {
    return qobject_cast<QWidget*>(c.oggetto);
}
} // namespace

void Posiziona(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(TwipsInPixel(left), TwipsInPixel(top), TwipsInPixel(width),
                   TwipsInPixel(height));
}

QFont Carattere(const QString& famiglia, double punti, bool grassetto) {
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

GeometriaControlli RegistraGeometria(const QWidget* area, const Controlli& controlli) {
    GeometriaControlli g;
    g.reserve(controlli.size() + 1);
    GeometriaControllo finestra;
    finestra.Width = static_cast<float>(PixelInTwips(area->width()));
    finestra.Height = static_cast<float>(PixelInTwips(area->height()));
    g.push_back(finestra);
    for (const Controllo& c : controlli) {
        GeometriaControllo e;
        if (const QWidget* w = ComeWidget(c)) {
            const QRect r = w->geometry();
            e.Left = static_cast<float>(PixelInTwips(r.x()));
            e.Top = static_cast<float>(PixelInTwips(r.y()));
            e.Width = static_cast<float>(PixelInTwips(r.width()));
            e.Height = static_cast<float>(PixelInTwips(r.height()));
            if (c.haFont) {
                e.FontSize = static_cast<float>(w->font().pointSizeF());
            }
        }
        g.push_back(e);
    }
    return g;
}

void ScalaGeometria(const GeometriaControlli& g, const QWidget* area, const Controlli& controlli,
                    bool scalaFont) {
    const Rapporti r = RapportiScala(g, PixelInTwips(area->width()), PixelInTwips(area->height()));
    const size_t n = std::min(controlli.size(), g.empty() ? 0 : g.size() - 1);
    for (size_t k = 0; k < n; ++k) {
        QWidget* w = ComeWidget(controlli[k]);
        if (w == nullptr) {
            continue;
        }
        const GeometriaControllo s = Scala(g[k + 1], r, scalaFont);
        w->setGeometry(TwipsInPixel(s.Left), TwipsInPixel(s.Top), TwipsInPixel(s.Width),
                       TwipsInPixel(s.Height));
        if (scalaFont && controlli[k].haFont && s.FontSize > 0) {
            QFont f = w->font();
            f.setPointSizeF(s.FontSize);
            w->setFont(f);
        }
    }
}
