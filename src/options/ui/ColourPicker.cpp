#include "options/ui/ColourPicker.h"

#include "shared/Language.h"
#include "shared/Palette16.h"
#include "shared/ui/Drawing.h"

#include <QColor>
#include <QMouseEvent>
#include <QPainter>

namespace {

std::uint32_t Bgr(QColor c) {
    return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
           (static_cast<std::uint32_t>(c.blue()) << 16);
}

QString BackgroundColour(std::uint32_t bgr) {
    return QStringLiteral("background-color:rgb(%1,%2,%3);")
        .arg(bgr & 0xFF)
        .arg((bgr >> 8) & 0xFF)
        .arg((bgr >> 16) & 0xFF);
}

// Hue from top to bottom, dark at the left to pale at the right, greys in the bottom rows.
QImage Spectrum() {
    QImage s(77, 117, QImage::Format_RGB32);
    s.fill(Qt::gray);
    const int colourLines = 100;
    for (int y = 1; y < 116; ++y) {
        for (int x = 1; x < 76; ++x) {
            const double light = 0.15 + 0.75 * (x - 1) / 74.0;
            QColor c =
                y <= colourLines
                    ? QColor::fromHslF((30.0 + 300.0 * (y - 1) / colourLines) / 360.0, 0.9, light)
                    : QColor::fromHsvF(0, 0, (x - 1) / 74.0);
            s.setPixelColor(x, y, c);
        }
    }
    return s;
}

} // namespace

ColourPicker::ColourPicker(const LanguageTable& languages) : spectrum_(Spectrum()) {
    auto t = [&languages](const char* text) {
        return languages.Translate(QString::fromUtf8(text));
    };
    setObjectName(QStringLiteral("ColourPicker"));
    setWindowTitle(t("Scelta colore elemento"));
    setModal(true);
    resize(TwipsInPixel(3030), TwipsInPixel(1950));
    spectrum = new QLabel(this);
    Place(spectrum, 60, 60, 1185, 1785);
    spectrum->setPixmap(QPixmap::fromImage(spectrum_));
    spectrum->setScaledContents(true);
    spectrum->setMouseTracking(true);
    spectrum->installEventFilter(this);
    cancelButton = new QPushButton(t("Annulla"), this);
    Place(cancelButton, 1320, 90, 1395, 435);
    connect(cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    const int columns[4] = {1320, 1680, 2040, 2400};
    const int lines[4] = {570, 900, 1230, 1560};
    for (int i = 0; i < 16; ++i) {
        paletteSwatches[i] = new QLabel(this);
        Place(paletteSwatches[i], columns[i % 4], lines[i / 4], 315, 300);
        paletteSwatches[i]->setStyleSheet(
            BackgroundColour(ColourValue(Palette16[static_cast<size_t>(i)])));
        paletteSwatches[i]->setToolTip(t("Seleziona questo colore"));
        paletteSwatches[i]->setCursor(Qt::PointingHandCursor);
        paletteSwatches[i]->setMouseTracking(true);
        paletteSwatches[i]->installEventFilter(this);
    }
    paletteCaption = new QLabel(this);
    Place(paletteCaption, 2760, 90, 195, 1785);
    paletteCaption->setToolTip(t("Tavolozza dei colori"));
}

std::uint32_t ColourPicker::spectrumColour(QPoint point) const {
    const QPoint p(point.x() * spectrum_.width() / std::max(1, spectrum->width()),
                   point.y() * spectrum_.height() / std::max(1, spectrum->height()));
    return Bgr(spectrum_.pixelColor(std::clamp(p.x(), 0, spectrum_.width() - 1),
                                    std::clamp(p.y(), 0, spectrum_.height() - 1)));
}

void ColourPicker::preview(std::uint32_t colour) {
    preview_ = colour;
    paletteCaption->setStyleSheet(BackgroundColour(colour));
}

void ColourPicker::choose() {
    ChosenColour = preview_;
    accept();
}

void ColourPicker::cancel() {
    ChosenColour = -1;
    reject();
}

bool ColourPicker::eventFilter(QObject* object, QEvent* event) {
    const bool move = event->type() == QEvent::MouseMove || event->type() == QEvent::Enter;
    const bool click = event->type() == QEvent::MouseButtonPress;
    if (!move && !click) {
        return QDialog::eventFilter(object, event);
    }
    if (object == spectrum && event->type() != QEvent::Enter) {
        preview(spectrumColour(static_cast<QMouseEvent*>(event)->position().toPoint()));
    }
    for (int i = 0; i < 16; ++i) {
        if (object == paletteSwatches[i]) {
            preview(ColourValue(Palette16[static_cast<size_t>(i)]));
        }
    }
    if (click) {
        choose();
        return true;
    }
    return QDialog::eventFilter(object, event);
}
