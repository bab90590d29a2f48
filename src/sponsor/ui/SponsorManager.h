#pragma once

#include "display/ui/HeaderAndBand.h"
#include "shared/ui/ClickableImage.h"
#include "sponsor/Gallery.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <array>
#include <functional>

struct CommonSettings;
struct Platform;

// The sponsor pictures manager: header logo, the gallery five at a time, the band switch.
class SponsorManager : public QDialog {
    Q_OBJECT
  public:
    struct Links {
        CommonSettings& common;
        Platform& platform;
        HeaderAndBand& display;              // the display, as far as its header and band go
        std::function<void()> normalDisplay; // home on the left, proportional layout
    };
    explicit SponsorManager(Links c);

    // Also run again after every addition and deletion.
    void load();
    void scrollGallery();
    void scrollLeft();
    void scrollRight();
    void deleteSponsor(int index);
    void addSponsor();
    void chooseHeaderLogo();
    void deleteHeaderLogo();
    void toggleBand();
    void exploreFolder();
    void openHelp();
    void finish();

    const Gallery& gallery() const { return gallery_; }

    QLabel* titleLabel;
    QLabel* headerLogoCaption;
    ClickableImage* headerLogo;
    ClickableImage* deleteHeaderLogoButton;
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
    ClickableImage* leftArrow;
    ClickableImage* rightArrow;
    std::array<QLabel*, GallerySlot> gallerySlots;
    std::array<ClickableImage*, GallerySlot> deleteButtons;
    QLabel* defaultHeaderLogo;

  private:
    void createControls();
    void showGallery();
    QString chooseImage(const char* title);

    Links c_;
    Gallery gallery_;
};
