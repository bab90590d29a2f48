#include "sponsor/ui/SponsorManager.h"

#include "display/ui/DisplayWindow.h"
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
    Label2 = etichetta(this, 60, 0, 15015, 855);
    Label2->setFont(Carattere(QStringLiteral("Tahoma"), 18, true));
    Label2->setAlignment(Qt::AlignCenter);
    Label1 = etichetta(this, 240, 1080, 3435, 255);
    Image2 = cliccabile(this, 180, 1320, 3675, 2055, nullptr);
    Image2->setFrameShape(QFrame::Box);
    Image6 = cliccabile(this, 3960, 1320, 420, 435, ":/sponsor/cancella.png");
    Label4 = etichetta(this, 8340, 1080, 4455, 255);
    Image1 = etichetta(this, 5700, 1320, 9225, 5325);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(QStringLiteral(":/sponsor/esempio_tabellone.jpg")));
    Command1 = bottone(180, 3420, 2235, 1095);
    Command2 = bottone(2580, 3420, 1275, 675);
    Command4 = bottone(2580, 4140, 1275, 375);
    Label3 = etichetta(this, 180, 4560, 3675, 1755);
    Command3 = bottone(180, 6360, 3675, 435);
    Check1 = new QCheckBox(QStringLiteral("Visualizza barra sponsor"), this);
    Posiziona(Check1, 5040, 6420, 5235, 375);
    Frame1 = new QGroupBox(this);
    Posiziona(Frame1, 180, 6780, 14715, 2715);
    HScroll1 = new QScrollBar(Qt::Horizontal, Frame1);
    Posiziona(HScroll1, 480, 240, 13755, 255);
    HScroll1->setPageStep(1);
    Image5 = cliccabile(Frame1, 60, 900, 405, 825, ":/sponsor/freccia_sinistra.png");
    Image7 = cliccabile(Frame1, 14280, 900, 405, 825, ":/sponsor/freccia_destra.png");
    for (int k = 0; k < SlotGalleria; ++k) {
        Image3[k] = etichetta(Frame1, SinistraSlot[k], 540, 2715, 1635);
        Image3[k]->setScaledContents(true);
        Image3[k]->setFrameShape(QFrame::Box);
        Image4[k] = cliccabile(Frame1, SinistraCancella[k], 2220, 420, 435, ":/sponsor/cancella.png");
        connect(Image4[k], &ImmagineCliccabile::Cliccata, this, [this, k] { Image4_Click(k); });
    }
    Picture1 = new QLabel(this);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/sponsor/testata.png")));
    Picture1->hide();

    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(Image5, &ImmagineCliccabile::Cliccata, this, [this] { Image5_Click(); });
    connect(Image7, &ImmagineCliccabile::Cliccata, this, [this] { Image7_Click(); });
    connect(Image2, &ImmagineCliccabile::Cliccata, this, [this] { Image2_Click(); });
    connect(Image6, &ImmagineCliccabile::Cliccata, this, [this] { Image6_Click(); });
    connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
}

void SponsorManager::Form_Load() {
    move(x(), TwipsInPixel(10));
    Check1->setChecked(c_.modulo.BarraSponsor != 0);
    Check1_Click();
    auto t = [this](const char* testo) { return c_.modulo.Traduci(QString::fromUtf8(testo)); };
    Label2->setText(t("Gestione immagini degli sponsor"));
    Label1->setText(t("Logo testata sempre visibile"));
    Image2->setToolTip(t("Imposta immagine della testata in alto a sinistra del tabellone. "
                         "Attenzione caricare immagini con form factor 16/9"));
    const QString cancella = t("Cancella in maniera permanente questa immagine");
    Image6->setToolTip(cancella);
    Label4->setText(t("Esempio di tabellone Brivanta"));
    Image1->setToolTip(t("Esempio di tabellone Brivanta"));
    Command1->setText(t("Finito"));
    Command2->setText(t("Esplora file"));
    Command4->setText(t("Leggimi"));
    Label3->setText(t(
        "Per aggiungere immagini da visualizzare nel basso del tabellone utilizza in bottone "
        "sottostante, ricorda di usare immagini con un fattore di forma di circa 16/9, con "
        "immagine di dimensioni quadrate o altri formati si ottengono risultati grafici "
        "peggiori."));
    Command3->setText(t("Aggiungi immagine sponsor"));
    Frame1->setTitle(t("Galleria immagini sponsor"));
    Image5->setToolTip(t("Scorre immagini"));
    Image7->setToolTip(t("Scorre immagini"));
    for (int k = 0; k < SlotGalleria; ++k) {
        Image3[k]->setToolTip(t("Loghi degli sponsor"));
        Image4[k]->setToolTip(cancella);
        Image3[k]->clear();
    }
    const QString logo = LogoTestataEsistente(c_.modulo.CartellaDati);
    Image2->setPixmap(Picture1->pixmap());
    if (!logo.isEmpty()) {
        Mostra(Image2, logo);
    }
    galleria_ = ElencaGalleria(c_.modulo.CartellaDati);
    {
        const QSignalBlocker blocca(HScroll1);
        HScroll1->setRange(0, galleria_.Massimo());
        HScroll1->setValue(0);
    }
    const QDir cartella(CartellaSponsor(c_.modulo.CartellaDati));
    for (int k = 0; k < SlotGalleria && !galleria_.Voce(k).isEmpty(); ++k) {
        const QString percorso = cartella.filePath(galleria_.Voce(k));
        if (!QFileInfo::exists(percorso)) {
            break;
        }
        Mostra(Image3[k], percorso);
    }
}

void SponsorManager::MostraFinestra() {
    const QDir cartella(CartellaSponsor(c_.modulo.CartellaDati));
    for (int k = 0; k < SlotGalleria; ++k) {
        if (!galleria_.Voce(k).isEmpty()) {
            Mostra(Image3[k], cartella.filePath(galleria_.Voce(k)));
        }
    }
}

void SponsorManager::HScroll1_Change() {
    galleria_.Imposta(HScroll1->value());
    MostraFinestra();
}

void SponsorManager::Image5_Click() {
    galleria_.Sinistra();
    const QSignalBlocker blocca(HScroll1);
    HScroll1->setValue(galleria_.Inizio);
    MostraFinestra();
}

void SponsorManager::Image7_Click() {
    if (!galleria_.Destra()) {
        return;
    }
    const QSignalBlocker blocca(HScroll1);
    HScroll1->setValue(galleria_.Inizio);
    MostraFinestra();
}

void SponsorManager::Image4_Click(int Index) {
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

void SponsorManager::Command3_Click() {
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

void SponsorManager::Image2_Click() {
    const QString scelto = ScegliImmagine("Apertura picture logo testata");
    if (scelto.isEmpty()) {
        return;
    }
    const QString destinazione = DestinazioneLogoTestata(c_.modulo.CartellaDati);
    if (ImportaImmagine(scelto, destinazione, c_.piattaforma.dialoghi, c_.modulo)) {
        Mostra(Image2, destinazione);
    }
}

void SponsorManager::Image6_Click() {
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
    Image2->setPixmap(Picture1->pixmap());
}

void SponsorManager::Check1_Click() {
    Frame1->setVisible(Check1->isChecked());
    Command3->setVisible(Check1->isChecked());
}

void SponsorManager::Command2_Click() {
    c_.piattaforma.shell.Apri(CartellaSponsor(c_.modulo.CartellaDati));
}

void SponsorManager::Command4_Click() {
    ApriAiuto(c_.modulo, c_.piattaforma.shell, "readmeSPONS");
}

void SponsorManager::Command1_Click() {
    DisplayWindow& d = c_.tabellone;
    if (!d.MostraLogoTestata(LogoTestataEsistente(c_.modulo.CartellaDati))) {
        d.headerLogo->setPixmap(Image2->pixmap());
    }
    c_.modulo.BarraSponsor = Check1->isChecked() ? 1 : 0;
    c_.piattaforma.impostazioni.Scrivi(QStringLiteral("Sponsor"),
                                       c_.modulo.BarraSponsor != 0 ? QStringLiteral("1")
                                                                   : QStringLiteral("0"));
    d.LayoutSenzaSponsor();
    // Without the band the layout above has already hidden the slots.
    if (c_.modulo.BarraSponsor != 0) {
        c_.tabelloneNormale();
        d.sponsorTimer.start();
        for (QLabel* slot : d.sponsorSlots) {
            slot->show();
        }
    }
    accept();
}
