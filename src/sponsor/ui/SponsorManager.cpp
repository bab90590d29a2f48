#include "sponsor/ui/SponsorManager.h"
#include "shared/SettingsTable.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Settings.h"
#include "platform/Shell.h"
#include "shared/CommonSettings.h"
#include "shared/Help.h"
#include "shared/ui/Drawing.h"
#include "shared/ui/Images.h"
#include "shared/ui/ImportImage.h"
#include "sponsor/Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString NewLine = QStringLiteral("\r\n");
const QString JpgFilter = QStringLiteral("JPG (*.jpg *.JPG)");
const int SlotLeft[GallerySlot] = {480, 3240, 6000, 8760, 11520};
const int LeftDelete[GallerySlot] = {1560, 4260, 7080, 9900, 12720};

void Show(QLabel* image, const QString& path) {
    const QImage decoded = DecodeImage(path, image->width());
    if (!decoded.isNull()) {
        image->setPixmap(QPixmap::fromImage(decoded));
    }
}
} // namespace

SponsorManager::SponsorManager(Links c) : c_(std::move(c)) {
    setObjectName(QStringLiteral("SponsorManager"));
    setModal(true);
    createControls();
    load();
}

void SponsorManager::createControls() {
    resize(TwipsInPixel(15135), TwipsInPixel(9660));
    const auto label = [](QWidget* g, int l, int t, int w, int h) {
        auto* e = new QLabel(g);
        Place(e, l, t, w, h);
        e->setWordWrap(true);
        return e;
    };
    const auto clickable = [](QWidget* g, int l, int t, int w, int h, const char* resource) {
        auto* e = new ClickableImage(g);
        Place(e, l, t, w, h);
        if (resource != nullptr) {
            e->setPixmap(QPixmap(QString::fromLatin1(resource)));
        }
        return e;
    };
    const auto button = [this](int l, int t, int w, int h) {
        auto* b = new QPushButton(this);
        Place(b, l, t, w, h);
        return b;
    };
    titleLabel = label(this, 60, 0, 15015, 855);
    titleLabel->setFont(Character(QStringLiteral("Tahoma"), 18, true));
    titleLabel->setAlignment(Qt::AlignCenter);
    headerLogoCaption = label(this, 240, 1080, 3435, 255);
    headerLogo = clickable(this, 180, 1320, 3675, 2055, nullptr);
    headerLogo->setFrameShape(QFrame::Box);
    deleteHeaderLogoButton = clickable(this, 3960, 1320, 420, 435, ":/sponsor/delete.png");
    sampleCaption = label(this, 8340, 1080, 4455, 255);
    sampleImage = label(this, 5700, 1320, 9225, 5325);
    sampleImage->setScaledContents(true);
    sampleImage->setPixmap(QPixmap(QStringLiteral(":/sponsor/sample_display.jpg")));
    doneButton = button(180, 3420, 2235, 1095);
    exploreButton = button(2580, 3420, 1275, 675);
    helpButton = button(2580, 4140, 1275, 375);
    noteLabel = label(this, 180, 4560, 3675, 1755);
    addButton = button(180, 6360, 3675, 435);
    bandCheck = new QCheckBox(this);
    Place(bandCheck, 5040, 6420, 5235, 375);
    galleryFrame = new QGroupBox(this);
    Place(galleryFrame, 180, 6780, 14715, 2715);
    galleryBar = new QScrollBar(Qt::Horizontal, galleryFrame);
    Place(galleryBar, 480, 240, 13755, 255);
    galleryBar->setPageStep(1);
    leftArrow = clickable(galleryFrame, 60, 900, 405, 825, ":/sponsor/arrow_left.png");
    rightArrow = clickable(galleryFrame, 14280, 900, 405, 825, ":/sponsor/arrow_right.png");
    for (int k = 0; k < GallerySlot; ++k) {
        gallerySlots[k] = label(galleryFrame, SlotLeft[k], 540, 2715, 1635);
        gallerySlots[k]->setScaledContents(true);
        gallerySlots[k]->setFrameShape(QFrame::Box);
        deleteButtons[k] =
            clickable(galleryFrame, LeftDelete[k], 2220, 420, 435, ":/sponsor/delete.png");
        connect(deleteButtons[k], &ClickableImage::clicked, this, [this, k] { deleteSponsor(k); });
    }
    defaultHeaderLogo = new QLabel(this);
    defaultHeaderLogo->setPixmap(QPixmap(QStringLiteral(":/sponsor/header.png")));
    defaultHeaderLogo->hide();

    connect(galleryBar, &QScrollBar::valueChanged, this, [this] { scrollGallery(); });
    connect(leftArrow, &ClickableImage::clicked, this, [this] { scrollLeft(); });
    connect(rightArrow, &ClickableImage::clicked, this, [this] { scrollRight(); });
    connect(headerLogo, &ClickableImage::clicked, this, [this] { chooseHeaderLogo(); });
    connect(deleteHeaderLogoButton, &ClickableImage::clicked, this, [this] { deleteHeaderLogo(); });
    connect(bandCheck, &QCheckBox::clicked, this, [this] { toggleBand(); });
    connect(doneButton, &QPushButton::clicked, this, [this] { finish(); });
    connect(exploreButton, &QPushButton::clicked, this, [this] { exploreFolder(); });
    connect(addButton, &QPushButton::clicked, this, [this] { addSponsor(); });
    connect(helpButton, &QPushButton::clicked, this, [this] { openHelp(); });
}

void SponsorManager::load() {
    move(x(), TwipsInPixel(10));
    bandCheck->setChecked(c_.common.SponsorBar != 0);
    toggleBand();
    auto t = [this](const char* text) { return c_.common.Translate(QString::fromUtf8(text)); };
    setWindowTitle(QStringLiteral("Brivanta - ") + t("Gestione immagini degli sponsor"));
    titleLabel->setText(t("Gestione immagini degli sponsor"));
    bandCheck->setText(t("Visualizza barra sponsor"));
    headerLogoCaption->setText(t("Logo testata sempre visibile"));
    headerLogo->setToolTip(t("Imposta immagine della testata in alto a sinistra del tabellone. "
                             "Attenzione caricare immagini con form factor 16/9"));
    const QString erase = t("Cancella in maniera permanente questa immagine");
    deleteHeaderLogoButton->setToolTip(erase);
    sampleCaption->setText(t("Esempio di tabellone Brivanta"));
    sampleImage->setToolTip(t("Esempio di tabellone Brivanta"));
    doneButton->setText(t("Finito"));
    exploreButton->setText(t("Esplora file"));
    helpButton->setText(t("Leggimi"));
    noteLabel->setText(
        t("Per aggiungere immagini da visualizzare nel basso del tabellone utilizza in bottone "
          "sottostante, ricorda di usare immagini con un fattore di forma di circa 16/9, con "
          "immagine di dimensioni quadrate o altri formati si ottengono risultati grafici "
          "peggiori."));
    addButton->setText(t("Aggiungi immagine sponsor"));
    galleryFrame->setTitle(t("Galleria immagini sponsor"));
    leftArrow->setToolTip(t("Scorre immagini"));
    rightArrow->setToolTip(t("Scorre immagini"));
    for (int k = 0; k < GallerySlot; ++k) {
        gallerySlots[k]->setToolTip(t("Loghi degli sponsor"));
        deleteButtons[k]->setToolTip(erase);
        gallerySlots[k]->clear();
    }
    const QString logo = ExistingHeaderLogo(c_.common.DataFolder);
    headerLogo->setPixmap(defaultHeaderLogo->pixmap());
    if (!logo.isEmpty()) {
        Show(headerLogo, logo);
    }
    gallery_ = ListGallery(c_.common.DataFolder);
    {
        const QSignalBlocker lock(galleryBar);
        galleryBar->setRange(0, gallery_.Max());
        galleryBar->setValue(0);
    }
    const QDir folder(SponsorFolder(c_.common.DataFolder));
    for (int k = 0; k < GallerySlot && !gallery_.Item(k).isEmpty(); ++k) {
        const QString path = folder.filePath(gallery_.Item(k));
        if (!QFileInfo::exists(path)) {
            break;
        }
        Show(gallerySlots[k], path);
    }
}

void SponsorManager::showGallery() {
    const QDir folder(SponsorFolder(c_.common.DataFolder));
    for (int k = 0; k < GallerySlot; ++k) {
        if (!gallery_.Item(k).isEmpty()) {
            Show(gallerySlots[k], folder.filePath(gallery_.Item(k)));
        }
    }
}

void SponsorManager::scrollGallery() {
    gallery_.Set(galleryBar->value());
    showGallery();
}

void SponsorManager::scrollLeft() {
    gallery_.Left();
    const QSignalBlocker lock(galleryBar);
    galleryBar->setValue(gallery_.Start);
    showGallery();
}

void SponsorManager::scrollRight() {
    if (!gallery_.Right()) {
        return;
    }
    const QSignalBlocker lock(galleryBar);
    galleryBar->setValue(gallery_.Start);
    showGallery();
}

void SponsorManager::deleteSponsor(int index) {
    auto& dialogs = c_.platform.dialogs;
    const QString name = gallery_.Item(index);
    if (name.isEmpty()) {
        dialogs.Message(c_.common.Translate(SponsorMessages::EmptyPicture), Buttons::Ok);
        return;
    }
    const QString path = QDir(SponsorFolder(c_.common.DataFolder)).filePath(name);
    if (!QFileInfo::exists(path)) {
        return;
    }
    if (dialogs.Message(c_.common.Translate(SponsorMessages::DeleteSponsorQuestion) + NewLine +
                            path,
                        Buttons::OkCancel, Default::GiveUp) == Answer::Cancel) {
        return;
    }
    QFile::remove(path);
    load();
}

QString SponsorManager::chooseImage(const char* title) {
    return c_.platform.dialogs.OpenFile(c_.common.Translate(QString::fromUtf8(title)),
                                        c_.common.DataFolder, JpgFilter);
}

void SponsorManager::addSponsor() {
    const QString chosen = chooseImage("Apertura immagini sponsor");
    if (chosen.isEmpty()) {
        return;
    }
    const QString destination =
        SponsorDestination(c_.common.DataFolder, QFileInfo(chosen).fileName());
    if (!ImportImage(chosen, destination, c_.platform.dialogs, c_.common)) {
        return;
    }
    load();
    c_.platform.dialogs.Message(
        c_.common.Translate(SponsorMessages::PictureAdded) + NewLine + chosen, Buttons::Ok);
}

void SponsorManager::chooseHeaderLogo() {
    const QString chosen = chooseImage("Apertura picture logo testata");
    if (chosen.isEmpty()) {
        return;
    }
    const QString destination = HeaderLogoDestination(c_.common.DataFolder);
    if (ImportImage(chosen, destination, c_.platform.dialogs, c_.common)) {
        Show(headerLogo, destination);
    }
}

void SponsorManager::deleteHeaderLogo() {
    const QString logo = ExistingHeaderLogo(c_.common.DataFolder);
    if (logo.isEmpty()) {
        return;
    }
    if (c_.platform.dialogs.Message(c_.common.Translate(SponsorMessages::DeleteHeaderLogoQuestion) +
                                        NewLine + logo,
                                    Buttons::OkCancel, Default::GiveUp) == Answer::Cancel) {
        return;
    }
    QFile::remove(logo);
    headerLogo->setPixmap(defaultHeaderLogo->pixmap());
}

void SponsorManager::toggleBand() {
    galleryFrame->setVisible(bandCheck->isChecked());
    addButton->setVisible(bandCheck->isChecked());
}

void SponsorManager::exploreFolder() {
    c_.platform.shell.Open(SponsorFolder(c_.common.DataFolder));
}

void SponsorManager::openHelp() {
    OpenHelp(c_.common, c_.platform.shell, "readmeSPONS");
}

void SponsorManager::finish() {
    HeaderAndBand& d = c_.display;
    if (!d.ShowHeaderLogo(ExistingHeaderLogo(c_.common.DataFolder))) {
        d.ShowDefaultHeaderLogo(headerLogo->pixmap());
    }
    c_.common.SponsorBar = bandCheck->isChecked() ? 1 : 0;
    WriteFlag(c_.platform.settings, Setting::Sponsor, c_.common.SponsorBar != 0);
    d.LayoutWithoutSponsor();
    // Without the band the layout above has already hidden the slots.
    if (c_.common.SponsorBar != 0) {
        c_.normalDisplay();
        d.ShowBand();
    }
    accept();
}
