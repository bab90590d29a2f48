#include "options/ui/ColourPicker.h"

#include "shared/Tavolozza16.h"
#include "shared/ui/Disegno.h"

#include <QColor>
#include <QMouseEvent>
#include <QPainter>

namespace {

std::uint32_t Bgr(QColor c) {
    return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
           (static_cast<std::uint32_t>(c.blue()) << 16);
}

QString SfondoColore(std::uint32_t bgr) {
    return QStringLiteral("background-color:rgb(%1,%2,%3);")
        .arg(bgr & 0xFF)
        .arg((bgr >> 8) & 0xFF)
        .arg((bgr >> 16) & 0xFF);
}

// Hue from top to bottom, dark at the left to pale at the right, greys in the bottom rows.
QImage Spettro() {
    QImage s(77, 117, QImage::Format_RGB32);
    s.fill(Qt::gray);
    const int righeColore = 100;
    for (int y = 1; y < 116; ++y) {
        for (int x = 1; x < 76; ++x) {
            const double chiaro = 0.15 + 0.75 * (x - 1) / 74.0;
            QColor c = y <= righeColore
                           ? QColor::fromHslF((30.0 + 300.0 * (y - 1) / righeColore) / 360.0, 0.9, chiaro)
                           : QColor::fromHsvF(0, 0, (x - 1) / 74.0);
            s.setPixelColor(x, y, c);
        }
    }
    return s;
}

} // namespace

ColourPicker::ColourPicker() : spettro_(Spettro()) {
    setObjectName(QStringLiteral("ColourPicker"));
    setWindowTitle(QStringLiteral("Scelta colore elemento"));
    setModal(true);
    resize(TwipsInPixel(3030), TwipsInPixel(1950));
    spectrum = new QLabel(this);
    Posiziona(spectrum, 60, 60, 1185, 1785);
    spectrum->setPixmap(QPixmap::fromImage(spettro_));
    spectrum->setScaledContents(true);
    spectrum->setMouseTracking(true);
    spectrum->installEventFilter(this);
    cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    Posiziona(cancelButton, 1320, 90, 1395, 435);
    connect(cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    const int colonne[4] = {1320, 1680, 2040, 2400};
    const int righe[4] = {570, 900, 1230, 1560};
    for (int i = 0; i < 16; ++i) {
        paletteSwatches[i] = new QLabel(this);
        Posiziona(paletteSwatches[i], colonne[i % 4], righe[i / 4], 315, 300);
        paletteSwatches[i]->setStyleSheet(SfondoColore(ValoreColore(Tavolozza16[static_cast<size_t>(i)])));
        paletteSwatches[i]->setToolTip(QStringLiteral("Seleziona questo colore"));
        paletteSwatches[i]->setCursor(Qt::PointingHandCursor);
        paletteSwatches[i]->setMouseTracking(true);
        paletteSwatches[i]->installEventFilter(this);
    }
    paletteCaption = new QLabel(this);
    Posiziona(paletteCaption, 2760, 90, 195, 1785);
    paletteCaption->setToolTip(QStringLiteral("Tavolozza di Windows"));
}

std::uint32_t ColourPicker::ColoreSpettro(QPoint punto) const {
    const QPoint p(punto.x() * spettro_.width() / std::max(1, spectrum->width()),
                   punto.y() * spettro_.height() / std::max(1, spectrum->height()));
    return Bgr(spettro_.pixelColor(std::clamp(p.x(), 0, spettro_.width() - 1),
                                   std::clamp(p.y(), 0, spettro_.height() - 1)));
}

void ColourPicker::Anteprima(std::uint32_t colore) {
    anteprima_ = colore;
    paletteCaption->setStyleSheet(SfondoColore(colore));
}

void ColourPicker::Scegli() {
    ColoreScelto = anteprima_;
    accept();
}

void ColourPicker::cancel() {
    ColoreScelto = -1;
    reject();
}

bool ColourPicker::eventFilter(QObject* oggetto, QEvent* evento) {
    const bool mossa = evento->type() == QEvent::MouseMove || evento->type() == QEvent::Enter;
    const bool clic = evento->type() == QEvent::MouseButtonPress;
    if (!mossa && !clic) {
        return QDialog::eventFilter(oggetto, evento);
    }
    if (oggetto == spectrum && evento->type() != QEvent::Enter) {
        Anteprima(ColoreSpettro(static_cast<QMouseEvent*>(evento)->position().toPoint()));
    }
    for (int i = 0; i < 16; ++i) {
        if (oggetto == paletteSwatches[i]) {
            Anteprima(ValoreColore(Tavolozza16[static_cast<size_t>(i)]));
        }
    }
    if (clic) {
        Scegli();
        return true;
    }
    return QDialog::eventFilter(oggetto, evento);
}
