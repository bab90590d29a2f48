#include "shared/ui/Drawing.h"

#include <QCheckBox>
#include <QHash>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>

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

QString WrapCaption(const QString& text, const QFontMetrics& metrics, int room) {
    if (metrics.horizontalAdvance(text) <= room || text.contains(u'\n')) {
        return text;
    }
    QString best = text;
    int narrowest = metrics.horizontalAdvance(text);
    for (qsizetype space = text.indexOf(u' '); space > 0; space = text.indexOf(u' ', space + 1)) {
        const int widest = std::max(metrics.horizontalAdvance(text.left(space)),
                                    metrics.horizontalAdvance(text.mid(space + 1)));
        if (widest < narrowest) {
            narrowest = widest;
            best = text.left(space) + u'\n' + text.mid(space + 1);
        }
    }
    return best;
}

void FitCaption(QAbstractButton* button) {
    const QStyle* style = button->style();
    const int frame = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    int room = button->width() - frame;
    if (qobject_cast<QRadioButton*>(button) != nullptr ||
        qobject_cast<QCheckBox*>(button) != nullptr) {
        room = button->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    }
    QFont font = button->font();
    if ((button->height() - frame) / QFontMetrics(font).height() >= 2) {
        button->setText(WrapCaption(button->text(), QFontMetrics(font), room));
    }
    const auto widest = [&button](const QFontMetrics& metrics) {
        int widest = 0;
        for (const QString& line : button->text().split(u'\n')) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        return widest;
    };
    constexpr double Smallest = 6.0;
    while (widest(QFontMetrics(font)) > room && font.pointSizeF() > Smallest) {
        font.setPointSizeF(std::max(Smallest, font.pointSizeF() - 0.25));
    }
    if (font != button->font()) {
        button->setFont(font);
    }
}
