#pragma once

#include "display/ui/TestataEBanda.h"
#include "shared/ui/ImmagineCliccabile.h"
#include "sponsor/Galleria.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <array>
#include <functional>

struct Modulo1;
struct Piattaforma;

// The sponsor pictures manager: header logo, the gallery five at a time, the band switch.
class SponsorManager : public QDialog {
    Q_OBJECT
public:
    struct Collegamenti {
        Modulo1& modulo;
        Piattaforma& piattaforma;
        TestataEBanda& tabellone; // the display, as far as its header and band go
        std::function<void()> tabelloneNormale; // home on the left, proportional layout
    };
    explicit SponsorManager(Collegamenti c);

    // Also run again after every addition and deletion.
    void Form_Load();
    void scrollGallery();
    void scrollLeft();
    void scrollRight();
    void deleteSponsor(int Index);
    void addSponsor();
    void chooseHeaderLogo();
    void deleteHeaderLogo();
    void toggleBand();
    void exploreFolder();
    void openHelp();
    void finish();

    const Galleria& Elenco() const { return galleria_; }

    QLabel* titleLabel;
    QLabel* headerLogoCaption;
    ImmagineCliccabile* headerLogo;
    ImmagineCliccabile* deleteHeaderLogoButton;
    QLabel* sampleCaption;
    QLabel* sampleImage;
    QPushButton* doneButton;
    QPushButton* exploreButton;
    QPushButton* helpButton;
    QLabel* noteLabel;
    QPushButton* addButton;
    QCheckBox* bandCheck;
    QGroupBox* galleryFrame;
    QScrollBar* galleryBar;
    ImmagineCliccabile* leftArrow;
    ImmagineCliccabile* rightArrow;
    std::array<QLabel*, SlotGalleria> gallerySlots;
    std::array<ImmagineCliccabile*, SlotGalleria> deleteButtons;
    QLabel* defaultHeaderLogo;

private:
    void CreaControlli();
    void MostraFinestra();
    QString ScegliImmagine(const char* titolo);
    // False, with the reason told, when the chosen file is not a picture or cannot be written.
    bool Converti(const QString& sorgente, const QString& destinazione);

    Collegamenti c_;
    Galleria galleria_;
};
