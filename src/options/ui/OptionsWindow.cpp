#include "options/ui/OptionsWindow.h"
#include "display/Schermi.h"

#include "console/Avvio.h"

#include "match/Partita.h"
#include "match/Regole.h"
#include "options/ui/ColourPicker.h"
#include "platform/FinestreModali.h"
#include "platform/Impostazioni.h"
#include "platform/Piattaforma.h"
#include "shared/Modulo1.h"
#include "shared/ui/Disegno.h"
#include "sound/ui/SoundsWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

QString Stile(std::uint32_t sfondo, std::uint32_t testo) {
    return QStringLiteral("background-color:%1;color:%2;").arg(ColoreCss(sfondo), ColoreCss(testo));
}

// The court-change point the options show: half the tie-break rounded up.
int CambioMostrato(int puntiTieBreak) {
    return static_cast<int>(std::lround(puntiTieBreak / 2.0 + 0.1));
}

} // namespace

OptionsWindow::OptionsWindow(Collegamenti c) : c_(std::move(c)) {
    setObjectName(QStringLiteral("OptionsWindow"));
    setModal(true);
    CreaControlli();
}

void OptionsWindow::CreaControlli() {
    resize(TwipsInPixel(10065), TwipsInPixel(8160));
    auto etichetta = [this](QWidget* g, int l, int t, int w, int h) {
        auto* e = new QLabel(g);
        Posiziona(e, l, t, w, h);
        return e;
    };
    auto lista = [this](int l, int t, int w, int h) {
        auto* c = new QComboBox(this);
        Posiziona(c, l, t, w, h);
        return c;
    };
    auto bottone = [this](QWidget* g, int l, int t, int w, int h, const QString& testo) {
        auto* b = new QPushButton(testo, g);
        Posiziona(b, l, t, w, h);
        return b;
    };
    setsCaption = etichetta(this, 60, 360, 3735, 555);
    setsCombo = lista(3720, 300, 3975, 495);
    pointsCaption = etichetta(this, -120, 900, 3795, 435);
    pointsCombo = lista(3720, 840, 975, 495);
    tieBreakCaption = etichetta(this, 660, 1440, 3015, 435);
    tieBreakCombo = lista(3720, 1380, 975, 495);
    courtChangeCheck = new QCheckBox(this);
    Posiziona(courtChangeCheck, 4800, 1500, 3675, 435);
    languageCaption = etichetta(this, 2520, 2160, 2475, 495);
    languageCombo = lista(5160, 2100, 3195, 495);
    speedCaption = etichetta(this, 240, 2760, 4815, 735);
    speedBar = new QScrollBar(Qt::Horizontal, this);
    Posiziona(speedBar, 5160, 2760, 3195, 315);
    speedBar->setRange(50, 2000);
    speedBar->setSingleStep(50);
    speedBar->setPageStep(500);
    speedLabel = etichetta(this, 8460, 2760, 735, 375);
    speedHint = etichetta(this, 4800, 3060, 3855, 195);
    speedHint->setFont(Carattere(QStringLiteral("Tahoma"), 6.75));
    for (QLabel* e : {setsCaption, pointsCaption, tieBreakCaption, languageCaption}) {
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    screenCaption = etichetta(this, 240, 7500, 2800, 435);
    screenCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    screenCombo = lista(3120, 7470, 6705, 495);
    Live = new RiquadroLive(c_.modulo, this);
    Posiziona(Live, 240, 5940, 9585, 1440);
    coloursFrame = new QGroupBox(QStringLiteral("Panel Colors"), this);
    Posiziona(coloursFrame, 240, 3480, 5115, 2295);
    coloursCaption = etichetta(coloursFrame, 180, 0, 1635, 375);
    // The frame's own caption stands where the heading was designed: the heading follows it.
    coloursCaption->move(coloursCaption->x() + coloursFrame->fontMetrics().horizontalAdvance(coloursFrame->title()),
                 coloursCaption->y());
    defaultColoursButton = bottone(coloursFrame, 3960, 180, 1035, 375, QStringLiteral("Default"));
    textColourSamples[2] = etichetta(coloursFrame, 1380, 480, 2355, 255);
    homeSample = etichetta(coloursFrame, 180, 900, 1215, 975);
    LabScore[0] = etichetta(coloursFrame, 1380, 900, 1155, 975);
    LabScore[1] = etichetta(coloursFrame, 2520, 900, 1155, 975);
    guestsSample = etichetta(coloursFrame, 3660, 900, 1215, 975);
    textColourSamples[0] = etichetta(coloursFrame, 180, 1920, 2355, 255);
    textColourSamples[1] = etichetta(coloursFrame, 2520, 1920, 2355, 255);
    const int campioni[7] = {0, 2, 3, 1, 4, 5, 6};
    QLabel* cliccabili[7] = {homeSample, LabScore[0], LabScore[1], guestsSample, textColourSamples[0], textColourSamples[1], textColourSamples[2]};
    for (int i = 0; i < 7; ++i) {
        cliccabili[i]->setCursor(Qt::PointingHandCursor);
        cliccabili[i]->setAlignment(Qt::AlignCenter);
        const int campione = campioni[i];
        cliccabili[i]->installEventFilter(this);
        cliccabili[i]->setProperty("campione", campione);
    }
    homeSample->setToolTip(QStringLiteral("Colore sfondo"));
    guestsSample->setToolTip(QStringLiteral("Colore sfondo"));
    LabScore[0]->setToolTip(QStringLiteral("Colore sfondo"));
    LabScore[1]->setToolTip(QStringLiteral("Colore sfondo"));
    restoreButton = bottone(this, 7860, 300, 2055, 495, QStringLiteral("Default"));
    sponsorButton = bottone(this, 5700, 3900, 1335, 915, QStringLiteral("Sponsor"));
    teamsButton = bottone(this, 7140, 3900, 1335, 915, QStringLiteral("Squadre"));
    cancelButton = bottone(this, 8580, 3900, 1335, 915, QStringLiteral("Cancel"));
    soundsButton = bottone(this, 5700, 4920, 1335, 915, QStringLiteral("Suoni"));
    doneButton = bottone(this, 7140, 4920, 2775, 915, QStringLiteral("Salva"));
    connect(setsCombo, &QComboBox::activated, this, [this] { setsChanged(); });
    connect(tieBreakCombo, &QComboBox::activated, this, [this] { tieBreakPointsChanged(); });
    connect(speedBar, &QScrollBar::valueChanged, this, [this] { speedChanged(); });
    connect(doneButton, &QPushButton::clicked, this, [this] { saveAndClose(); });
    connect(restoreButton, &QPushButton::clicked, this, [this] { restoreDefaults(); });
    connect(sponsorButton, &QPushButton::clicked, this, [this] { openSponsorManager(); });
    connect(teamsButton, &QPushButton::clicked, this, [this] { openTeamEditor(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    connect(defaultColoursButton, &QPushButton::clicked, this, [this] { defaultColours(); });
    connect(soundsButton, &QPushButton::clicked, this, [this] { openSounds(); });
}

bool OptionsWindow::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonRelease && oggetto->property("campione").isValid()) {
        chooseSampleColour(oggetto->property("campione").toInt());
        return true;
    }
    return QDialog::eventFilter(oggetto, evento);
}

void OptionsWindow::MostraCampioni() {
    // The frame is the board in miniature: its captions stay readable as the board's do.
    const std::uint32_t sfondo = campioni_[Sfondo];
    coloursFrame->setStyleSheet(QStringLiteral("QGroupBox{%1} QGroupBox QLabel{color:%2;}")
                              .arg(Stile(sfondo, TestoLeggibile(sfondo)),
                                   ColoreCss(TestoLeggibile(sfondo))));
    homeSample->setStyleSheet(Stile(campioni_[NomeCasa], campioni_[TestoCasa]));
    LabScore[0]->setStyleSheet(Stile(campioni_[PuntiCasa], campioni_[TestoCasa]));
    guestsSample->setStyleSheet(Stile(campioni_[NomeOspiti], campioni_[TestoOspiti]));
    LabScore[1]->setStyleSheet(Stile(campioni_[PuntiOspiti], campioni_[TestoOspiti]));
}

void OptionsWindow::CambioCampo(int puntiTieBreak) {
    courtChangeCheck->setText(c_.modulo.Traduci(QStringLiteral("Cambio campo a")) + u' ' +
                    QString::number(CambioMostrato(puntiTieBreak)) + u' ' +
                    c_.modulo.Traduci(QStringLiteral("Punti")));
}

void OptionsWindow::Form_Load() {
    auto t = [this](const char* testo) { return c_.modulo.Traduci(QString::fromUtf8(testo)); };
    Partita& p = c_.partita;
    campioni_ = c_.tabellone.Colori();
    MostraCampioni();
    const ImpostazioniLive live = LeggiLive(c_.piattaforma.impostazioni);
    Live->Carica(live.Porta, live.Lan);
    CaricaSchermi();
    setWindowTitle(QStringLiteral("Brivanta - ") + t("Opzioni"));
    setsCaption->setText(t("Numero di SET") + QStringLiteral("  :"));
    pointsCaption->setText(t("Punteggio partita") + QStringLiteral(" :"));
    tieBreakCaption->setText(t("Punti Tie Break") + QStringLiteral(" :"));
    languageCaption->setText(t("Lingua") + QStringLiteral(" :"));
    speedCaption->setText(t("Velocità refresh tabellone :"));
    speedHint->setText(t("< Computer veloci                Computer Lenti >"));
    restoreButton->setText(t("Ripristina"));
    doneButton->setText(t("Finito"));
    coloursCaption->setText(QStringLiteral("Colori"));
    homeSample->setText(QStringLiteral("Home"));
    guestsSample->setText(QStringLiteral("Guests"));
    LabScore[0]->setText(QStringLiteral("25"));
    LabScore[1]->setText(QStringLiteral("25"));
    textColourSamples[0]->setText(QStringLiteral("Colore testo Home"));
    textColourSamples[1]->setText(QStringLiteral("Colore testo Guests"));
    textColourSamples[2]->setText(QStringLiteral("Colore sfondo tabellone"));
    if (p.PuntiCambioCampo == 0) {
        p.PuntiCambioCampo = 8;
    }
    courtChangeCheck->setText(t("Cambio campo a") + u' ' + QString::number(p.PuntiCambioCampo) + u' ' + t("Punti"));
    setsCombo->clear();
    setsCombo->addItems({t("Chi arriva prima a") + QStringLiteral(" 3"),
                      t("Chi arriva prima a") + QStringLiteral(" 2"), t("Un solo set")});
    courtChangeCheck->setChecked(p.CambioCampoAttivo != 0);
    speedBar->setValue(c_.timerTabellone.interval());
    speedChanged();
    setsCombo->setCurrentIndex(p.SetTotali == 3 ? 1 : p.SetTotali == 1 ? 2 : 0);
    setsChanged();
    pointsCombo->clear();
    tieBreakCombo->clear();
    for (int n = 15; n <= 30; ++n) {
        pointsCombo->addItem(QString::number(n));
    }
    for (int n = 10; n <= 25; ++n) {
        tieBreakCombo->addItem(QString::number(n));
    }
    pointsCombo->setCurrentIndex(p.PuntiSet - 15);
    tieBreakCombo->setCurrentIndex(p.PuntiTieBreak - 10);
    tieBreakPointsChanged();
    languageCombo->clear();
    const auto& nomi = c_.modulo.Lingue.NomiLingua();
    for (int i = 1; i <= TabellaLingue::LingueNelMenu; ++i) {
        if (!c_.modulo.Lingue.CodiciLingua()[i].isEmpty()) {
            languageCombo->addItem(nomi[i].mid(3));
        }
    }
    languageCombo->setCurrentIndex(c_.modulo.Lingue.ColonnaLingua < languageCombo->count()
                                ? c_.modulo.Lingue.ColonnaLingua
                                : -1);
}

void OptionsWindow::setsChanged() {
    const bool tieBreak = setsCombo->currentIndex() != 2;
    tieBreakCombo->setEnabled(tieBreak);
    courtChangeCheck->setEnabled(tieBreak);
}

void OptionsWindow::tieBreakPointsChanged() {
    if (tieBreakCombo->currentIndex() >= 0) {
        CambioCampo(tieBreakCombo->currentIndex() + 10);
    }
}

void OptionsWindow::speedChanged() {
    speedLabel->setText(QString::number(2050 - speedBar->value()));
}

void OptionsWindow::restoreDefaults() {
    setsCombo->setCurrentIndex(0);
    setsChanged();
    pointsCombo->setCurrentIndex(10);
    tieBreakCombo->setCurrentIndex(5);
    tieBreakPointsChanged();
    courtChangeCheck->setChecked(true);
}

void OptionsWindow::saveAndClose() {
    Partita& p = c_.partita;
    TabellaLingue& lingue = c_.modulo.Lingue;
    if (languageCombo->currentIndex() >= 0) {
        lingue.ColonnaLingua = languageCombo->currentIndex();
        lingue.LinguaCorrente = lingue.CodiciLingua()[static_cast<size_t>(languageCombo->currentIndex() + 1)];
    } else {
        lingue.LinguaCorrente.clear();
    }
    p.SetTotali = setsCombo->currentIndex() == 1 ? 3 : setsCombo->currentIndex() == 2 ? 1 : 5;
    if (pointsCombo->currentIndex() >= 0) {
        p.PuntiSet = pointsCombo->currentText().toInt();
    }
    if (tieBreakCombo->currentIndex() >= 0) {
        p.PuntiTieBreak = tieBreakCombo->currentText().toInt();
    }
    p.PuntiCambioCampo = CalcolaPuntiCambioCampo(p.PuntiTieBreak);
    p.CambioCampoAttivo = courtChangeCheck->isChecked() ? 1 : 0;
    c_.timerTabellone.setInterval(speedBar->value());
    accept();
    auto& impostazioni = c_.piattaforma.impostazioni;
    impostazioni.Scrivi(QStringLiteral("Language"), lingue.LinguaCorrente);
    impostazioni.Scrivi(QStringLiteral("ScoreBoardSpeed"), QString::number(speedBar->value()));
    impostazioni.Scrivi(QStringLiteral("Serial"), CostruisciSerial(campioni_));
    impostazioni.Scrivi(QStringLiteral("HubPort"), QString::number(Live->Porta()));
    impostazioni.Scrivi(QStringLiteral("HubLan"), Live->Lan() ? QStringLiteral("1") : QStringLiteral("0"));
    impostazioni.Scrivi(QStringLiteral("DisplayScreen"), screenCombo->currentData().toString());
    c_.modulo.Serial = CostruisciSerial(campioni_);
    c_.dopoFinito();
}

void OptionsWindow::cancel() {
    ColoriPannello colori = c_.tabellone.Colori();
    if (ApplicaSerial(c_.piattaforma.impostazioni.Leggi(QStringLiteral("Serial")), colori)) {
        c_.tabellone.ApplicaColori(colori);
    }
    reject();
}

void OptionsWindow::defaultColours() {
    campioni_ = ColoriPredefiniti();
    MostraCampioni();
    c_.tabellone.ApplicaColori(campioni_);
}

void OptionsWindow::openSponsorManager() {
    c_.apriSponsor();
    reject();
}

void OptionsWindow::openTeamEditor() {
    c_.apriSquadre();
    reject();
}

void OptionsWindow::openSounds() {
    SoundsWindow suoni(c_.modulo, c_.lettore, c_.piattaforma, c_.timerEsultanza);
    suoni.Form_Load();
    c_.piattaforma.modali.Mostra(suoni);
    reject();
}

void OptionsWindow::chooseSampleColour(int campione) {
    ColourPicker scelta;
    c_.piattaforma.modali.Mostra(scelta);
    if (scelta.ColoreScelto < 0) {
        return;
    }
    const auto colore = static_cast<std::uint32_t>(scelta.ColoreScelto);
    switch (campione) {
    case 0: campioni_[NomeCasa] = colore; break;
    case 1: campioni_[NomeOspiti] = colore; break;
    case 2: campioni_[PuntiCasa] = colore; break;
    case 3: campioni_[PuntiOspiti] = colore; break;
    case 4: campioni_[TestoCasa] = colore; break;
    case 5: campioni_[TestoOspiti] = colore; break;
    default: campioni_[Sfondo] = colore; break;
    }
    MostraCampioni();
    c_.tabellone.ApplicaColori(campioni_);
}

// Every connected screen by name and size; a chosen screen that is not connected now stays
// listed, so saving the options does not forget it.
void OptionsWindow::CaricaSchermi() {
    screenCaption->setText(c_.modulo.Traduci(QStringLiteral("Schermo del tabellone:")));
    screenCombo->clear();
    screenCombo->addItem(c_.modulo.Traduci(QStringLiteral("Automatico (uno schermo senza la console)")),
                    QString());
    const QString scelto = c_.piattaforma.impostazioni.Leggi(QStringLiteral("DisplayScreen"));
    for (const QScreen* s : QGuiApplication::screens()) {
        screenCombo->addItem(DescriviSchermo({s->name(), s->geometry()}), s->name());
    }
    if (!scelto.isEmpty() && screenCombo->findData(scelto) < 0) {
        screenCombo->addItem(scelto, scelto);
    }
    screenCombo->setCurrentIndex(std::max(0, screenCombo->findData(scelto)));
}
