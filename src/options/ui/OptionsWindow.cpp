#include "options/ui/OptionsWindow.h"
#include "display/Schermi.h"

#include "console/Avvio.h"

#include "display/ui/DisplayWindow.h"
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
    Label11 = etichetta(this, 60, 360, 3735, 555);
    Combo1 = lista(3720, 300, 3975, 495);
    Label12 = etichetta(this, -120, 900, 3795, 435);
    Combo2 = lista(3720, 840, 975, 495);
    Label3 = etichetta(this, 660, 1440, 3015, 435);
    Combo3 = lista(3720, 1380, 975, 495);
    Check1 = new QCheckBox(this);
    Posiziona(Check1, 4800, 1500, 3675, 435);
    Label4 = etichetta(this, 2520, 2160, 2475, 495);
    Combo4 = lista(5160, 2100, 3195, 495);
    Label6 = etichetta(this, 240, 2760, 4815, 735);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    Posiziona(HScroll1, 5160, 2760, 3195, 315);
    HScroll1->setRange(50, 2000);
    HScroll1->setSingleStep(50);
    HScroll1->setPageStep(500);
    Label5 = etichetta(this, 8460, 2760, 735, 375);
    Label7 = etichetta(this, 4800, 3060, 3855, 195);
    Label7->setFont(Carattere(QStringLiteral("Tahoma"), 6.75));
    for (QLabel* e : {Label11, Label12, Label3, Label4}) {
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Label13 = etichetta(this, 240, 7500, 2800, 435);
    Label13->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Combo5 = lista(3120, 7470, 6705, 495);
    Live = new RiquadroLive(c_.modulo, this);
    Posiziona(Live, 240, 5940, 9585, 1440);
    Frame1 = new QGroupBox(QStringLiteral("Panel Colors"), this);
    Posiziona(Frame1, 240, 3480, 5115, 2295);
    Label9 = etichetta(Frame1, 180, 0, 1635, 375);
    // The frame's own caption stands where the heading was designed: the heading follows it.
    Label9->move(Label9->x() + Frame1->fontMetrics().horizontalAdvance(Frame1->title()),
                 Label9->y());
    Command4 = bottone(Frame1, 3960, 180, 1035, 375, QStringLiteral("Default"));
    Label8[2] = etichetta(Frame1, 1380, 480, 2355, 255);
    Label1 = etichetta(Frame1, 180, 900, 1215, 975);
    LabScore[0] = etichetta(Frame1, 1380, 900, 1155, 975);
    LabScore[1] = etichetta(Frame1, 2520, 900, 1155, 975);
    Label2 = etichetta(Frame1, 3660, 900, 1215, 975);
    Label8[0] = etichetta(Frame1, 180, 1920, 2355, 255);
    Label8[1] = etichetta(Frame1, 2520, 1920, 2355, 255);
    const int campioni[7] = {0, 2, 3, 1, 4, 5, 6};
    QLabel* cliccabili[7] = {Label1, LabScore[0], LabScore[1], Label2, Label8[0], Label8[1], Label8[2]};
    for (int i = 0; i < 7; ++i) {
        cliccabili[i]->setCursor(Qt::PointingHandCursor);
        cliccabili[i]->setAlignment(Qt::AlignCenter);
        const int campione = campioni[i];
        cliccabili[i]->installEventFilter(this);
        cliccabili[i]->setProperty("campione", campione);
    }
    Label1->setToolTip(QStringLiteral("Colore sfondo"));
    Label2->setToolTip(QStringLiteral("Colore sfondo"));
    LabScore[0]->setToolTip(QStringLiteral("Colore sfondo"));
    LabScore[1]->setToolTip(QStringLiteral("Colore sfondo"));
    Command2 = bottone(this, 7860, 300, 2055, 495, QStringLiteral("Default"));
    Command5 = bottone(this, 5700, 3900, 1335, 915, QStringLiteral("Sponsor"));
    Command7 = bottone(this, 7140, 3900, 1335, 915, QStringLiteral("Squadre"));
    Command3 = bottone(this, 8580, 3900, 1335, 915, QStringLiteral("Cancel"));
    Command6 = bottone(this, 5700, 4920, 1335, 915, QStringLiteral("Suoni"));
    Command1 = bottone(this, 7140, 4920, 2775, 915, QStringLiteral("Salva"));
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Combo3, &QComboBox::activated, this, [this] { Combo3_Click(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
}

bool OptionsWindow::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonRelease && oggetto->property("campione").isValid()) {
        Campione_Click(oggetto->property("campione").toInt());
        return true;
    }
    return QDialog::eventFilter(oggetto, evento);
}

void OptionsWindow::MostraCampioni() {
    // The frame is the board in miniature: its captions stay readable as the board's do.
    const std::uint32_t sfondo = campioni_[Sfondo];
    Frame1->setStyleSheet(QStringLiteral("QGroupBox{%1} QGroupBox QLabel{color:%2;}")
                              .arg(Stile(sfondo, TestoLeggibile(sfondo)),
                                   ColoreCss(TestoLeggibile(sfondo))));
    Label1->setStyleSheet(Stile(campioni_[NomeCasa], campioni_[TestoCasa]));
    LabScore[0]->setStyleSheet(Stile(campioni_[PuntiCasa], campioni_[TestoCasa]));
    Label2->setStyleSheet(Stile(campioni_[NomeOspiti], campioni_[TestoOspiti]));
    LabScore[1]->setStyleSheet(Stile(campioni_[PuntiOspiti], campioni_[TestoOspiti]));
}

void OptionsWindow::CambioCampo(int puntiTieBreak) {
    Check1->setText(c_.modulo.Traduci(QStringLiteral("Cambio campo a")) + u' ' +
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
    Label11->setText(t("Numero di SET") + QStringLiteral("  :"));
    Label12->setText(t("Punteggio partita") + QStringLiteral(" :"));
    Label3->setText(t("Punti Tie Break") + QStringLiteral(" :"));
    Label4->setText(t("Lingua") + QStringLiteral(" :"));
    Label6->setText(t("Velocità refresh tabellone :"));
    Label7->setText(t("< Computer veloci                Computer Lenti >"));
    Command2->setText(t("Ripristina"));
    Command1->setText(t("Finito"));
    Label9->setText(QStringLiteral("Colori"));
    Label1->setText(QStringLiteral("Home"));
    Label2->setText(QStringLiteral("Guests"));
    LabScore[0]->setText(QStringLiteral("25"));
    LabScore[1]->setText(QStringLiteral("25"));
    Label8[0]->setText(QStringLiteral("Colore testo Home"));
    Label8[1]->setText(QStringLiteral("Colore testo Guests"));
    Label8[2]->setText(QStringLiteral("Colore sfondo tabellone"));
    if (p.PuntiCambioCampo == 0) {
        p.PuntiCambioCampo = 8;
    }
    Check1->setText(t("Cambio campo a") + u' ' + QString::number(p.PuntiCambioCampo) + u' ' + t("Punti"));
    Combo1->clear();
    Combo1->addItems({t("Chi arriva prima a") + QStringLiteral(" 3"),
                      t("Chi arriva prima a") + QStringLiteral(" 2"), t("Un solo set")});
    Check1->setChecked(p.CambioCampoAttivo != 0);
    HScroll1->setValue(c_.timerTabellone.interval());
    HScroll1_Change();
    Combo1->setCurrentIndex(p.SetTotali == 3 ? 1 : p.SetTotali == 1 ? 2 : 0);
    Combo1_Click();
    Combo2->clear();
    Combo3->clear();
    for (int n = 15; n <= 30; ++n) {
        Combo2->addItem(QString::number(n));
    }
    for (int n = 10; n <= 25; ++n) {
        Combo3->addItem(QString::number(n));
    }
    Combo2->setCurrentIndex(p.PuntiSet - 15);
    Combo3->setCurrentIndex(p.PuntiTieBreak - 10);
    Combo3_Click();
    Combo4->clear();
    const auto& nomi = c_.modulo.Lingue.NomiLingua();
    for (int i = 1; i <= TabellaLingue::LingueNelMenu; ++i) {
        if (!c_.modulo.Lingue.CodiciLingua()[i].isEmpty()) {
            Combo4->addItem(nomi[i].mid(3));
        }
    }
    Combo4->setCurrentIndex(c_.modulo.Lingue.ColonnaLingua < Combo4->count()
                                ? c_.modulo.Lingue.ColonnaLingua
                                : -1);
}

void OptionsWindow::Combo1_Click() {
    const bool tieBreak = Combo1->currentIndex() != 2;
    Combo3->setEnabled(tieBreak);
    Check1->setEnabled(tieBreak);
}

void OptionsWindow::Combo3_Click() {
    if (Combo3->currentIndex() >= 0) {
        CambioCampo(Combo3->currentIndex() + 10);
    }
}

void OptionsWindow::HScroll1_Change() {
    Label5->setText(QString::number(2050 - HScroll1->value()));
}

void OptionsWindow::Command2_Click() {
    Combo1->setCurrentIndex(0);
    Combo1_Click();
    Combo2->setCurrentIndex(10);
    Combo3->setCurrentIndex(5);
    Combo3_Click();
    Check1->setChecked(true);
}

void OptionsWindow::Command1_Click() {
    Partita& p = c_.partita;
    TabellaLingue& lingue = c_.modulo.Lingue;
    if (Combo4->currentIndex() >= 0) {
        lingue.ColonnaLingua = Combo4->currentIndex();
        lingue.LinguaCorrente = lingue.CodiciLingua()[static_cast<size_t>(Combo4->currentIndex() + 1)];
    } else {
        lingue.LinguaCorrente.clear();
    }
    p.SetTotali = Combo1->currentIndex() == 1 ? 3 : Combo1->currentIndex() == 2 ? 1 : 5;
    if (Combo2->currentIndex() >= 0) {
        p.PuntiSet = Combo2->currentText().toInt();
    }
    if (Combo3->currentIndex() >= 0) {
        p.PuntiTieBreak = Combo3->currentText().toInt();
    }
    p.PuntiCambioCampo = CalcolaPuntiCambioCampo(p.PuntiTieBreak);
    p.CambioCampoAttivo = Check1->isChecked() ? 1 : 0;
    c_.timerTabellone.setInterval(HScroll1->value());
    accept();
    auto& impostazioni = c_.piattaforma.impostazioni;
    impostazioni.Scrivi(QStringLiteral("Language"), lingue.LinguaCorrente);
    impostazioni.Scrivi(QStringLiteral("ScoreBoardSpeed"), QString::number(HScroll1->value()));
    impostazioni.Scrivi(QStringLiteral("Serial"), CostruisciSerial(campioni_));
    impostazioni.Scrivi(QStringLiteral("HubPort"), QString::number(Live->Porta()));
    impostazioni.Scrivi(QStringLiteral("HubLan"), Live->Lan() ? QStringLiteral("1") : QStringLiteral("0"));
    impostazioni.Scrivi(QStringLiteral("DisplayScreen"), Combo5->currentData().toString());
    c_.modulo.Serial = CostruisciSerial(campioni_);
    c_.dopoFinito();
}

void OptionsWindow::Command3_Click() {
    ColoriPannello colori = c_.tabellone.Colori();
    if (ApplicaSerial(c_.piattaforma.impostazioni.Leggi(QStringLiteral("Serial")), colori)) {
        c_.tabellone.ApplicaColori(colori);
    }
    reject();
}

void OptionsWindow::Command4_Click() {
    campioni_ = ColoriPredefiniti();
    MostraCampioni();
    c_.tabellone.ApplicaColori(campioni_);
}

void OptionsWindow::Command5_Click() {
    c_.apriSponsor();
    reject();
}

void OptionsWindow::Command7_Click() {
    c_.apriSquadre();
    reject();
}

void OptionsWindow::Command6_Click() {
    SoundsWindow suoni(c_.modulo, c_.lettore, c_.piattaforma, c_.timerEsultanza);
    suoni.Form_Load();
    c_.piattaforma.modali.Mostra(suoni);
    reject();
}

void OptionsWindow::Campione_Click(int campione) {
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
    Label13->setText(c_.modulo.Traduci(QStringLiteral("Schermo del tabellone:")));
    Combo5->clear();
    Combo5->addItem(c_.modulo.Traduci(QStringLiteral("Automatico (uno schermo senza la console)")),
                    QString());
    const QString scelto = c_.piattaforma.impostazioni.Leggi(QStringLiteral("DisplayScreen"));
    for (const QScreen* s : QGuiApplication::screens()) {
        Combo5->addItem(DescriviSchermo({s->name(), s->geometry()}), s->name());
    }
    if (!scelto.isEmpty() && Combo5->findData(scelto) < 0) {
        Combo5->addItem(scelto, scelto);
    }
    Combo5->setCurrentIndex(std::max(0, Combo5->findData(scelto)));
}
