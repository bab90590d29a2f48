#include "sponsor/ui/SponsorManager.h"

#include "platform/Dialoghi.h"
#include "platform/Impostazioni.h"
#include "platform/Piattaforma.h"
#include "platform/Shell.h"
#include "shared/Aiuto.h"
#include "shared/Modulo1.h"
#include "shared/ui/Disegno.h"
#include "shared/ui/Immagini.h"
#include "shared/ui/ImportaImmagine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString ACapo = QStringLiteral("\r\n");
const QString FiltroJpg = QStringLiteral("JPG (*.jpg *.JPG)");
const int SinistraSlot[SlotGalleria] = {480, 3240, 6000, 8760, 11520};
const int SinistraCancella[SlotGalleria] = {1560, 4260, 7080, 9900, 12720};

void Mostra(QLabel* immagine, const QString& percorso) {
    const QImage decodificata = DecodificaImmagine(percorso, immagine->width());
    if (!decodificata.isNull()) {
        immagine->setPixmap(QPixmap::fromImage(decodificata));
    }
}
} // namespace

SponsorManager::SponsorManager(Collegamenti c) : c_(std::move(c)) {
    setObjectName(QStringLiteral("SponsorManager"));
    setWindowTitle(QStringLiteral("Brivanta - Sponsor pics management"));
    setModal(true);
    CreaControlli();
    Form_Load();
}

void SponsorManager::CreaControlli() {
    resize(TwipsInPixel(15135), TwipsInPixel(9660));
    const auto etichetta = [](QWidget* g, int l, int t, int w, int h) {
        auto* e = new QLabel(g);
        Posiziona(e, l, t, w, h);
        e->setWordWrap(true);
        return e;
    };
    const auto cliccabile = [](QWidget* g, int l, int t, int w, int h, const char* risorsa) {
        auto* e = new ImmagineCliccabile(g);
        Posiziona(e, l, t, w, h);
        if (risorsa != nullptr) {
            e->setPixmap(QPixmap(QString::fromLatin1(risorsa)));
        }
        return e;
    };
    const auto bottone = [this](int l, int t, int w, int h) {
        auto* b = new QPushButton(this);
        Posiziona(b, l, t, w, h);
        return b;
    };
    titleLabel = etichetta(this, 60, 0, 15015, 855);
    titleLabel->setFont(Carattere(QStringLiteral("Tahoma"), 18, true));
    titleLabel->setAlignment(Qt::AlignCenter);
    headerLogoCaption = etichetta(this, 240, 1080, 3435, 255);
    headerLogo = cliccabile(this, 180, 1320, 3675, 2055, nullptr);
    headerLogo->setFrameShape(QFrame::Box);
    deleteHeaderLogoButton = cliccabile(this, 3960, 1320, 420, 435, ":/sponsor/cancella.png");
    sampleCaption = etichetta(this, 8340, 1080, 4455, 255);
    sampleImage = etichetta(this, 5700, 1320, 9225, 5325);
    sampleImage->setScaledContents(true);
    sampleImage->setPixmap(QPixmap(QStringLiteral(":/sponsor/esempio_tabellone.jpg")));
    doneButton = bottone(180, 3420, 2235, 1095);
    exploreButton = bottone(2580, 3420, 1275, 675);
    helpButton = bottone(2580, 4140, 1275, 375);
    noteLabel = etichetta(this, 180, 4560, 3675, 1755);
    addButton = bottone(180, 6360, 3675, 435);
    bandCheck = new QCheckBox(QStringLiteral("Visualizza barra sponsor"), this);
    Posiziona(bandCheck, 5040, 6420, 5235, 375);
    galleryFrame = new QGroupBox(this);
    Posiziona(galleryFrame, 180, 6780, 14715, 2715);
    galleryBar = new QScrollBar(Qt::Horizontal, galleryFrame);
    Posiziona(galleryBar, 480, 240, 13755, 255);
    galleryBar->setPageStep(1);
    leftArrow = cliccabile(galleryFrame, 60, 900, 405, 825, ":/sponsor/freccia_sinistra.png");
    rightArrow = cliccabile(galleryFrame, 14280, 900, 405, 825, ":/sponsor/freccia_destra.png");
    for (int k = 0; k < SlotGalleria; ++k) {
        gallerySlots[k] = etichetta(galleryFrame, SinistraSlot[k], 540, 2715, 1635);
        gallerySlots[k]->setScaledContents(true);
        gallerySlots[k]->setFrameShape(QFrame::Box);
        deleteButtons[k] = cliccabile(galleryFrame, SinistraCancella[k], 2220, 420, 435, ":/sponsor/cancella.png");
        connect(deleteButtons[k], &ImmagineCliccabile::Cliccata, this, [this, k] { deleteSponsor(k); });
    }
    defaultHeaderLogo = new QLabel(this);
    defaultHeaderLogo->setPixmap(QPixmap(QStringLiteral(":/sponsor/testata.png")));
    defaultHeaderLogo->hide();

    connect(galleryBar, &QScrollBar::valueChanged, this, [this] { scrollGallery(); });
    connect(leftArrow, &ImmagineCliccabile::Cliccata, this, [this] { scrollLeft(); });
    connect(rightArrow, &ImmagineCliccabile::Cliccata, this, [this] { scrollRight(); });
    connect(headerLogo, &ImmagineCliccabile::Cliccata, this, [this] { chooseHeaderLogo(); });
    connect(deleteHeaderLogoButton, &ImmagineCliccabile::Cliccata, this, [this] { deleteHeaderLogo(); });
    connect(bandCheck, &QCheckBox::clicked, this, [this] { toggleBand(); });
    connect(doneButton, &QPushButton::clicked, this, [this] { finish(); });
    connect(exploreButton, &QPushButton::clicked, this, [this] { exploreFolder(); });
    connect(addButton, &QPushButton::clicked, this, [this] { addSponsor(); });
    connect(helpButton, &QPushButton::clicked, this, [this] { openHelp(); });
}

void SponsorManager::Form_Load() {
    move(x(), TwipsInPixel(10));
    bandCheck->setChecked(c_.modulo.BarraSponsor != 0);
    toggleBand();
    auto t = [this](const char* testo) { return c_.modulo.Traduci(QString::fromUtf8(testo)); };
    titleLabel->setText(t("Gestione immagini degli sponsor"));
    headerLogoCaption->setText(t("Logo testata sempre visibile"));
    headerLogo->setToolTip(t("Imposta immagine della testata in alto a sinistra del tabellone. "
                         "Attenzione caricare immagini con form factor 16/9"));
    const QString cancella = t("Cancella in maniera permanente questa immagine");
    deleteHeaderLogoButton->setToolTip(cancella);
    sampleCaption->setText(t("Esempio di tabellone Brivanta"));
    sampleImage->setToolTip(t("Esempio di tabellone Brivanta"));
    doneButton->setText(t("Finito"));
    exploreButton->setText(t("Esplora file"));
    helpButton->setText(t("Leggimi"));
    noteLabel->setText(t(
        "Per aggiungere immagini da visualizzare nel basso del tabellone utilizza in bottone "
        "sottostante, ricorda di usare immagini con un fattore di forma di circa 16/9, con "
        "immagine di dimensioni quadrate o altri formati si ottengono risultati grafici "
        "peggiori."));
    addButton->setText(t("Aggiungi immagine sponsor"));
    galleryFrame->setTitle(t("Galleria immagini sponsor"));
    leftArrow->setToolTip(t("Scorre immagini"));
    rightArrow->setToolTip(t("Scorre immagini"));
    for (int k = 0; k < SlotGalleria; ++k) {
        gallerySlots[k]->setToolTip(t("Loghi degli sponsor"));
        deleteButtons[k]->setToolTip(cancella);
        gallerySlots[k]->clear();
    }
    const QString logo = LogoTestataEsistente(c_.modulo.CartellaDati);
    headerLogo->setPixmap(defaultHeaderLogo->pixmap());
    if (!logo.isEmpty()) {
        Mostra(headerLogo, logo);
    }
    galleria_ = ElencaGalleria(c_.modulo.CartellaDati);
    {
        const QSignalBlocker blocca(galleryBar);
        galleryBar->setRange(0, galleria_.Massimo());
        galleryBar->setValue(0);
    }
    const QDir cartella(CartellaSponsor(c_.modulo.CartellaDati));
    for (int k = 0; k < SlotGalleria && !galleria_.Voce(k).isEmpty(); ++k) {
        const QString percorso = cartella.filePath(galleria_.Voce(k));
        if (!QFileInfo::exists(percorso)) {
            break;
        }
        Mostra(gallerySlots[k], percorso);
    }
}

void SponsorManager::MostraFinestra() {
    const QDir cartella(CartellaSponsor(c_.modulo.CartellaDati));
    for (int k = 0; k < SlotGalleria; ++k) {
        if (!galleria_.Voce(k).isEmpty()) {
            Mostra(gallerySlots[k], cartella.filePath(galleria_.Voce(k)));
        }
    }
}

void SponsorManager::scrollGallery() {
    galleria_.Imposta(galleryBar->value());
    MostraFinestra();
}

void SponsorManager::scrollLeft() {
    galleria_.Sinistra();
    const QSignalBlocker blocca(galleryBar);
    galleryBar->setValue(galleria_.Inizio);
    MostraFinestra();
}

void SponsorManager::scrollRight() {
    if (!galleria_.Destra()) {
        return;
    }
    const QSignalBlocker blocca(galleryBar);
    galleryBar->setValue(galleria_.Inizio);
    MostraFinestra();
}

void SponsorManager::deleteSponsor(int Index) {
    auto& dialoghi = c_.piattaforma.dialoghi;
    const QString nome = galleria_.Voce(Index);
    if (nome.isEmpty()) {
        dialoghi.Messaggio(c_.modulo.Traduci(QStringLiteral("File immagine vuoto")), Pulsanti::Ok);
        return;
    }
    const QString percorso = QDir(CartellaSponsor(c_.modulo.CartellaDati)).filePath(nome);
    if (!QFileInfo::exists(percorso)) {
        return;
    }
    if (dialoghi.Messaggio(c_.modulo.Traduci(QStringLiteral(
                               "Vuoi veramente cancellare l'immagine di questo sponsor?")) +
                               ACapo + percorso,
                           Pulsanti::OkAnnulla, Predefinito::Rinuncia) == Risposta::Annulla) {
        return;
    }
    QFile::remove(percorso);
    Form_Load();
}

QString SponsorManager::ScegliImmagine(const char* titolo) {
    return c_.piattaforma.dialoghi.ApriFile(c_.modulo.Traduci(QString::fromUtf8(titolo)),
                                            c_.modulo.CartellaDati, FiltroJpg);
}

void SponsorManager::addSponsor() {
    const QString scelto = ScegliImmagine("Apertura immagini sponsor");
    if (scelto.isEmpty()) {
        return;
    }
    const QString destinazione =
        DestinazioneSponsor(c_.modulo.CartellaDati, QFileInfo(scelto).fileName());
    if (!ImportaImmagine(scelto, destinazione, c_.piattaforma.dialoghi, c_.modulo)) {
        return;
    }
    Form_Load();
    c_.piattaforma.dialoghi.Messaggio(
        c_.modulo.Traduci(QStringLiteral(
            "Immagine aggiunta : Se non la vedi nell'elenco usa le frecce di scorrimento.")) +
            ACapo + scelto,
        Pulsanti::Ok);
}

void SponsorManager::chooseHeaderLogo() {
    const QString scelto = ScegliImmagine("Apertura picture logo testata");
    if (scelto.isEmpty()) {
        return;
    }
    const QString destinazione = DestinazioneLogoTestata(c_.modulo.CartellaDati);
    if (ImportaImmagine(scelto, destinazione, c_.piattaforma.dialoghi, c_.modulo)) {
        Mostra(headerLogo, destinazione);
    }
}

void SponsorManager::deleteHeaderLogo() {
    const QString logo = LogoTestataEsistente(c_.modulo.CartellaDati);
    if (logo.isEmpty()) {
        return;
    }
    if (c_.piattaforma.dialoghi.Messaggio(
            c_.modulo.Traduci(QStringLiteral(
                "Vuoi veramente cancellare l'immagine del logo testata? Non sarà più possibile "
                "recuperare questa immagine")) +
                ACapo + logo,
            Pulsanti::OkAnnulla, Predefinito::Rinuncia) == Risposta::Annulla) {
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
    c_.piattaforma.shell.Apri(CartellaSponsor(c_.modulo.CartellaDati));
}

void SponsorManager::openHelp() {
    ApriAiuto(c_.modulo, c_.piattaforma.shell, "readmeSPONS");
}

void SponsorManager::finish() {
    TestataEBanda& d = c_.tabellone;
    if (!d.MostraLogoTestata(LogoTestataEsistente(c_.modulo.CartellaDati))) {
        d.MostraLogoTestataPredefinito(headerLogo->pixmap());
    }
    c_.modulo.BarraSponsor = bandCheck->isChecked() ? 1 : 0;
    c_.piattaforma.impostazioni.Scrivi(QStringLiteral("Sponsor"),
                                       c_.modulo.BarraSponsor != 0 ? QStringLiteral("1")
                                                                   : QStringLiteral("0"));
    d.LayoutSenzaSponsor();
    // Without the band the layout above has already hidden the slots.
    if (c_.modulo.BarraSponsor != 0) {
        c_.tabelloneNormale();
        d.MostraBanda();
    }
    accept();
}
