#include "sound/ui/SoundsWindow.h"

#include "platform/Dialoghi.h"
#include "platform/Impostazioni.h"
#include "platform/Piattaforma.h"
#include "shared/Modulo1.h"
#include "shared/ui/Disegno.h"
#include "sound/Audio.h"

#include <QDir>
#include <QStyle>

namespace {
constexpr int DurataMinima = 5;
constexpr int DurataMassima = 15;
constexpr int DurataProposta = 10;
// The sounds window lists its slots in its own order: slot 2 plays for "Muro" points.
const char* const DidascalieSlot[5] = {"Non specificato", "Ace", "Schiacciata", "Muro",
                                       "Pallonetto"};
} // namespace

SoundsWindow::SoundsWindow(Modulo1& modulo, Lettore& lettore, Piattaforma& piattaforma, QTimer& timerEsultanza)
    : modulo_(modulo), lettore_(lettore), piattaforma_(piattaforma),
      timerEsultanza_(timerEsultanza) {
    setObjectName(QStringLiteral("SoundsWindow"));
    setModal(true);
    CreaControlli();
}

void SoundsWindow::CreaControlli() {
    resize(TwipsInPixel(7100), TwipsInPixel(6000));
    const QFont carattere = Carattere(QStringLiteral("Tahoma"), 9);
    Frame1 = new QGroupBox(QStringLiteral("Suoni esultanza"), this);
    Posiziona(Frame1, 120, 120, 6860, 2640);
    for (int i = 0; i < 5; ++i) {
        const int top = 360 + 420 * i;
        Label1[i] = new QLabel(Frame1);
        Posiziona(Label1[i], 120, top, 1560, 315);
        Label2[i] = new QLabel(Frame1);
        Posiziona(Label2[i], 1740, top, 4020, 315);
        Label2[i]->setFrameShape(QFrame::Panel);
        Image7[i] = new QToolButton(Frame1);
        Posiziona(Image7[i], 5880, top, 375, 315);
        Image7[i]->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
        Image11[i] = new QToolButton(Frame1);
        Posiziona(Image11[i], 6330, top, 375, 315);
        Image11[i]->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
        for (QToolButton* b : {Image7[i], Image11[i]}) {
            b->setCursor(Qt::PointingHandCursor);
            b->setAutoRaise(true);
        }
        connect(Image7[i], &QToolButton::clicked, this, [this, i] { Image7_Click(i); });
        connect(Image11[i], &QToolButton::clicked, this, [this, i] { Image11_Click(i); });
    }
    Check1 = new QCheckBox(this);
    Posiziona(Check1, 240, 2880, 4000, 315);
    Label3 = new QLabel(this);
    Posiziona(Label3, 240, 3300, 4500, 315);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    Posiziona(HScroll1, 4800, 3330, 1500, 255);
    HScroll1->setRange(DurataMinima, DurataMassima);
    HScroll1->setValue(DurataProposta);
    Label4 = new QLabel(QString::number(DurataProposta), this);
    Posiziona(Label4, 6420, 3300, 540, 315);
    Label5 = new QLabel(this);
    Posiziona(Label5, 240, 3720, 6740, 1500);
    Label5->setWordWrap(true);
    Command1 = new QPushButton(this);
    Posiziona(Command1, 240, 5460, 1500, 375);
    Command2 = new QPushButton(QStringLiteral("Stop Audio [ ]"), this);
    Posiziona(Command2, 2700, 5460, 1800, 375);
    Command3 = new QPushButton(this);
    Posiziona(Command3, 5460, 5460, 1500, 375);
    for (QWidget* w : findChildren<QWidget*>()) {
        w->setFont(carattere);
    }
    connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

QString SoundsWindow::CartellaSuoni() const {
    return QDir(modulo_.CartellaDati).filePath(QStringLiteral("Sounds"));
}

void SoundsWindow::Form_Load() {
    auto t = [this](const char* testo) { return modulo_.Traduci(QString::fromUtf8(testo)); };
    setWindowTitle(t("Gestione suoni ed effetti sonori"));
    Command3->setText(t("Finito"));
    Command1->setText(t("Annulla"));
    for (int i = 0; i < 5; ++i) {
        Label1[i]->setText(t(DidascalieSlot[i]));
    }
    Label5->setText(t(
        "Questi files audio .mp3 oppure .wav possono essere riprodotti durante la partita al "
        "momento dell'assegnazione del punto, ovviamente vengono suonati solamente quando si "
        "aggiudica il punteggio la squadra Home. E' possibile sostituire tutti i suoni "
        "utilizzando i bottoni sovrastanti. I suoni forniti sono stati realizzati appositamente "
        "per Brivanta."));
    Check1->setText(t("Utilizza suoni esultanze"));
    Label3->setText(t("Durata massima suono esultanza in secondi :"));
    if (modulo_.DurataEsultanza == 0) {
        modulo_.DurataEsultanza = DurataProposta;
    }
    HScroll1->setValue(modulo_.DurataEsultanza);
    Label4->setText(QString::number(HScroll1->value()));
    Check1->setChecked(modulo_.EsultanzaAttiva != 0);
    const QDir cartella(CartellaSuoni());
    const QStringList file = cartella.entryList(QDir::Files, QDir::Name);
    for (int i = 0; i < 5; ++i) {
        if (modulo_.SuoniEsultanza[i].isEmpty()) {
            modulo_.SuoniEsultanza[i] =
                i < file.size() ? cartella.filePath(file[i]) : cartella.path() + u'/';
        }
        Label2[i]->setText(modulo_.SuoniEsultanza[i]);
        Label2[i]->setToolTip(Label2[i]->text());
    }
}

void SoundsWindow::Check1_Click() {
    const bool attivo = Check1->isChecked();
    for (int i = 0; i < 5; ++i) {
        for (QWidget* w : std::initializer_list<QWidget*>{Image11[i], Image7[i], Label1[i],
                                                          Label2[i]}) {
            w->setEnabled(attivo);
        }
    }
    modulo_.EsultanzaAttiva = attivo ? 1 : 0;
}

void SoundsWindow::HScroll1_Change() {
    Label4->setText(QString::number(HScroll1->value()));
}

void SoundsWindow::Image7_Click(int Index) {
    lettore_.FermaAudio();
    const QString scelto = piattaforma_.dialoghi.ApriFile(
        modulo_.Traduci(QStringLiteral("Apertura file audio esultanza")), CartellaSuoni(),
        QStringLiteral("Audio files (*.mp3 *.wav *.MP3 *.WAV);;All Files (*)"));
    if (scelto.trimmed().isEmpty()) {
        return;
    }
    Label2[Index]->setText(scelto.trimmed());
    Label2[Index]->setToolTip(Label2[Index]->text());
    modulo_.SuoniEsultanza[Index] = Label2[Index]->text();
}

void SoundsWindow::Image11_Click(int Index) {
    lettore_.FermaAudio();
    lettore_.SuonaAudio(Label2[Index]->text());
}

void SoundsWindow::Command1_Click() {
    reject();
}

void SoundsWindow::reject() {
    lettore_.FermaAudio();
    QDialog::reject();
}

void SoundsWindow::Command2_Click() {
    lettore_.FermaAudio();
}

void SoundsWindow::Command3_Click() {
    lettore_.FermaAudio();
    auto& impostazioni = piattaforma_.impostazioni;
    for (int i = 0; i < 5; ++i) {
        impostazioni.Scrivi(QStringLiteral("SndExultation") + QString::number(i),
                            modulo_.SuoniEsultanza[i]);
    }
    const int attivo = Check1->isChecked() ? 1 : 0;
    impostazioni.Scrivi(QStringLiteral("SndExultationEnabled"), QString::number(attivo));
    impostazioni.Scrivi(QStringLiteral("SndExultationDuration"),
                        QString::number(HScroll1->value()));
    modulo_.DurataEsultanza = HScroll1->value();
    timerEsultanza_.setInterval(modulo_.DurataEsultanza * 1000);
    modulo_.EsultanzaAttiva = attivo;
    accept();
}
