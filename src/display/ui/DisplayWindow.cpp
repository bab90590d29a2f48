#include "display/ui/DisplayWindow.h"

#include "match/Partita.h"
#include "platform/Impostazioni.h"
#include "platform/Piattaforma.h"
#include "shared/Modulo1.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>

namespace {
constexpr int LarghezzaDisegno = 7080;
constexpr int AltezzaDisegno = 3315;
// The designed window with its title bar and borders.
constexpr double LarghezzaEsterna = 7335;
constexpr double AltezzaEsterna = 3930;
constexpr int FuoriSchermo = 1000; // the banner's rest beyond the right edge
constexpr double ProporzioneBanner = 164.0 / 640.0;
} // namespace

DisplayWindow::DisplayWindow(Piattaforma& piattaforma, const Partita& partita, Modulo1& modulo, Lettore& lettore)
    : piattaforma_(piattaforma), partita_(partita), modulo_(modulo), lettore_(lettore) {
    lavoroPresentazione_.setMaxThreadCount(1);
    setObjectName(QStringLiteral("DisplayWindow"));
    setWindowTitle(QStringLiteral("Brivanta"));
    resize(TwipsInPixel(LarghezzaDisegno), TwipsInPixel(AltezzaDisegno));
    CreaControlli();
    Timer2.setInterval(1000);
    Timer4.setInterval(4000);
    Timer5.setInterval(10);
    connect(&Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
    connect(&Timer4, &QTimer::timeout, this, [this] { Timer4_Timer(); });
    connect(&Timer5, &QTimer::timeout, this, [this] { Timer5_Timer(); });
    connect(&TimerP, &QTimer::timeout, this, [this] { TimerP_Timer(); });
    TimerIngrandimento.setInterval(16);
    connect(&TimerIngrandimento, &QTimer::timeout, this, [this] { TimerIngrandimento_Timer(); });
    connect(&foto_, &CacheImmagini::ImmaginePronta, this,
            [this](const QString& percorso, int larghezza) {
                if (percorso == fotoMostrata_ && larghezza == LarghezzaFoto()) {
                    MostraFotoMarcatore();
                }
            });
    connect(&sponsor_, &CacheImmagini::ImmaginePronta, this,
            [this](const QString& percorso, int larghezza) {
                for (int k = 0; k < SlotBanda; ++k) {
                    if (attesiSlot_[k] == percorso && larghezza == LarghezzaSlot()) {
                        attesiSlot_[k].clear();
                        MostraSponsor(k, percorso, sponsor_.Immagine(percorso, larghezza));
                    }
                }
            });
    Timer2.start();
    Timer4.start();
    Form_Load();
}

void DisplayWindow::Form_Load() {
    controlli_.clear();
    auto testo = [this](QWidget* w) { controlli_.push_back({w, true}); };
    auto figura = [this](QObject* o) { controlli_.push_back({o, false}); };
    figura(Image4);
    for (QLabel* e : Image1) figura(e);
    testo(Label5);
    testo(Label4);
    for (QLabel* e : Label15) testo(e);
    testo(Label1);
    for (QLabel* e : LabScore) testo(e);
    testo(Label2);
    for (QFrame* f : Shape1) figura(f);
    for (QLabel* e : Label3) testo(e);
    for (QLabel* e : Label6) testo(e);
    for (QLabel* e : Image8) figura(e);
    for (QLabel* e : Image3) figura(e);
    testo(Label7);
    figura(Frame1[1]);
    testo(Label16);
    figura(Image6);
    for (QLabel* e : {Label17, Label18, Label19}) testo(e);
    figura(Picture2);
    figura(Frame1[0]);
    testo(Label8);
    for (int i = 0; i < 2; ++i) {
        testo(Label10[i]);
        figura(Image5[i]);
        testo(Label9[i]);
    }
    for (int i = 0; i < 4; ++i) {
        for (QLabel* e : {Label12[i], Label11[i], Label13[i], Label14[i]}) testo(e);
    }
    figura(Frame2);
    testo(Label20);
    figura(Image2);
    for (QLabel* e : {Label23, Label22, Label21}) testo(e);
    figura(Frame3);
    testo(Label24);
    figura(Image7);
    figura(Image9);
    figura(Picture1);
    for (QLabel* e : PictureN) figura(e);
    for (QTimer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &TimerP}) figura(t);
    geometria_ = RegistraGeometria({LarghezzaEsterna, AltezzaEsterna}, controlli_);
}

void DisplayWindow::Form_Resize() {
    if (isMinimized()) {
        return;
    }
    emit Ridimensionato();
    if (isMaximized() || isFullScreen()) {
        SalvaPosizione();
    }
    ScalaGeometria(geometria_, InTwips(frameGeometry().size()), controlli_, true);
    DopoLayout();
    ImpostaBanda();
}

void DisplayWindow::SalvaPosizione() {
    auto& impostazioni = piattaforma_.impostazioni;
    impostazioni.Scrivi(QStringLiteral("Top"),
                        QString::number(static_cast<float>(PixelInTwips(y()))));
    impostazioni.Scrivi(QStringLiteral("Left"),
                        QString::number(static_cast<float>(PixelInTwips(x()))));
    impostazioni.Scrivi(QStringLiteral("FullScreen"),
                        isFullScreen() ? QStringLiteral("1") : QStringLiteral("0"));
}

void DisplayWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Form_Resize();
}

void DisplayWindow::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) {
        Form_Resize();
    }
}

void DisplayWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
}

void DisplayWindow::Aggiorna() {
    const Partita& p = partita_;
    const auto& t = p.Tabellone;
    Label1->setText(t.Nome[0]);
    Label2->setText(t.Nome[1]);
    Label5->setText(p.EtichettaSet);
    for (int i = 0; i < 2; ++i) {
        LabScore[i]->setText(t.Punti[i]);
        Label3[i]->setText(QString::number(p.SetVinti[i]));
        Label6[i]->setText(QString::number(p.TimeChiesti[i]));
        Shape1[i]->setVisible(t.Marcatore[i]);
        if (t.Marcatore[i]) {
            Shape1[i]->raise();
        }
    }
    for (int i = 0; i < 5; ++i) {
        Label15[i]->setText(p.Parziali[i]);
    }
    Label24->setText(t.TestoBanner);
    Image9->setPixmap(PictureN[t.BannerMatchPoint ? 4 : 3]->pixmap());
    if (t.Banner) {
        PosizionaBanner();
    } else {
        NascondiBanner();
    }
    // The leading team stays as it was filled until its slide ends.
    if (squadraInTesta_) {
        return;
    }
    const auto& pannello = t.Pannello;
    Label16->setText(pannello.Titolo);
    StilePannello(pannello.Lato);
    if (pannello.Scorre) {
        Label17->setText(pannello.Cognome);
        Label18->setText(pannello.Numero);
        Label19->setText(pannello.Numero);
    }
    if (p.FotoMarcatore.isEmpty()) {
        fotoMostrata_.clear();
    } else if (p.FotoMarcatore != fotoMostrata_) {
        MostraFotoMarcatore();
    }
}

int DisplayWindow::LarghezzaFoto() const {
    return static_cast<int>(Larghezza() / 1.6);
}

// The photo comes from the few recently decoded, else it is decoded now on a worker while
// the panel rises (it slides for longer than a phone photo takes); the default picture when
// there is none or it is not a picture.
void DisplayWindow::MostraFotoMarcatore() {
    fotoMostrata_ = partita_.FotoMarcatore;
    std::optional<QImage> foto = QImage();
    if (QFileInfo::exists(fotoMostrata_)) {
        foto = foto_.Pronta(fotoMostrata_, LarghezzaFoto());
        if (!foto) {
            Image6->clear();
            foto_.Prepara(fotoMostrata_, LarghezzaFoto());
            return;
        }
    }
    const QPixmap immagine = foto->isNull() ? Picture2->pixmap() : QPixmap::fromImage(*foto);
    Image6->setPixmap(immagine);
    const int larghezza = LarghezzaFoto();
    const QSize naturale = immagine.size().isEmpty() ? QSize(1, 1) : immagine.size();
    Image6->setGeometry(0, Image6->y(), larghezza,
                        larghezza * naturale.height() / naturale.width());
}

void DisplayWindow::PreparaFotoAtleta(const QString& percorso) {
    if (!percorso.isEmpty() && QFileInfo::exists(percorso)) {
        foto_.Prepara(percorso, LarghezzaFoto());
    }
}

void DisplayWindow::MostraStatistiche(const PannelloStatistiche& dati) {
    schermo_.Statistiche = dati;
    Frame1[0]->setVisible(true);
    Label8->setText(dati.Titolo);
    for (int i = 0; i < 2; ++i) {
        Label9[i]->setText(dati.Totali[i]);
        Label10[i]->setText(dati.Nomi[i]);
    }
    for (int r = 0; r < 4; ++r) {
        Label12[r]->setText(dati.NomiCasa[r]);
        Label11[r]->setText(dati.PuntiCasa[r]);
        Label13[r]->setText(dati.PuntiOspiti[r]);
        Label14[r]->setText(dati.NomiOspiti[r]);
    }
}

// The number on the panel is two labels: Label19 carries the text, Label18 behind it the
// side's colour, so the pair reads as one number.
void DisplayWindow::StilePannello(int lato) {
    const QString stile = LabScore[lato]->styleSheet();
    // Restyling is costly: only when the side's colours really change.
    if (stile == stilePannello_) {
        return;
    }
    stilePannello_ = stile;
    const QString sfondo = ColoreCss(colori_[lato == 0 ? PuntiCasa : PuntiOspiti]);
    Label17->setStyleSheet(stile);
    Label18->setStyleSheet(QStringLiteral("background-color:%1;color:%1;").arg(sfondo));
    Label19->setStyleSheet(stile + QStringLiteral("background:transparent;"));
}

void DisplayWindow::MostraSquadraInTesta(int lato, const QString& titolo, const QString& foto,
                                 const QString& set, const QString& punteggio) {
    squadraInTesta_ = true;
    schermo_.InTesta = {lato, titolo, set, punteggio};
    StilePannello(lato);
    Label16->setText(titolo);
    const int larghezza = static_cast<int>(Larghezza() / 1.72);
    const QImage immagine = foto.isEmpty() ? QImage() : foto_.Immagine(foto, larghezza);
    if (immagine.isNull()) {
        Image6->setPixmap(QPixmap(QStringLiteral(":/teams/squadra.png")));
    } else {
        Image6->setPixmap(QPixmap::fromImage(immagine));
        Image6->resize(larghezza, larghezza * immagine.height() / immagine.width());
    }
    fotoMostrata_.clear();
    if (!set.isEmpty()) {
        Label18->setText(set);
        Label19->setText(set);
        Label17->setText(punteggio);
    }
}

void DisplayWindow::MostraLogo(int lato, const QPixmap& logo) {
    Image1[lato]->setPixmap(logo);
    Image5[lato]->setPixmap(logo);
    PictureN[2]->setPixmap(logo);
}

void DisplayWindow::PosizionaBanner() {
    const int larghezza = Image9->width();
    Image9->setGeometry(Larghezza() / 2 - larghezza / 2 - TwipsInPixel(50), 0, larghezza,
                        static_cast<int>(larghezza * ProporzioneBanner));
    Image9->setVisible(true);
    Image9->raise();
}

void DisplayWindow::NascondiBanner() {
    Frame3->move(Larghezza() + FuoriSchermo, Frame3->y());
    Image9->move(Larghezza() + FuoriSchermo, Image9->y());
}
