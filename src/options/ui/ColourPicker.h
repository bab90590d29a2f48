#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <cstdint>

class LanguageTable;

// The colour chooser: sixteen swatches and a spectrum; -1 when closed without a choice.
class ColourPicker : public QDialog {
    Q_OBJECT
  public:
    explicit ColourPicker(const LanguageTable& languages);

    // The pointer over a swatch or a point of the spectrum previews its colour.
    void preview(std::uint32_t colour);
    // A click takes the colour last previewed.
    void choose();
    void cancel();
    // The colour of the spectrum's pixel at a point of the picture.
    std::uint32_t spectrumColour(QPoint point) const;

    std::int64_t ChosenColour = -1;
    QLabel* spectrum;
    QPushButton* cancelButton;
    std::array<QLabel*, 16> paletteSwatches;
    QLabel* paletteCaption;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    std::uint32_t preview_ = 0;
    QImage spectrum_;
};
