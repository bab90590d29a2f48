#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <cstdint>

// The colour chooser: sixteen swatches and a spectrum; -1 when closed without a choice.
class ColourPicker : public QDialog {
    Q_OBJECT
public:
    ColourPicker();

    // The pointer over a swatch or a point of the spectrum previews its colour.
    void Anteprima(std::uint32_t colore);
    // A click takes the colour last previewed.
    void Scegli();
    void cancel();
    // The colour of the spectrum's pixel at a point of the picture.
    std::uint32_t ColoreSpettro(QPoint punto) const;

    std::int64_t ColoreScelto = -1;
    QLabel* spectrum;
    QPushButton* cancelButton;
    std::array<QLabel*, 16> paletteSwatches;
    QLabel* paletteCaption;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    std::uint32_t anteprima_ = 0;
    QImage spettro_;
};
