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
    cheersFrame = new QGroupBox(QStringLiteral("Suoni esultanza"), this);
    Posiziona(cheersFrame, 120, 120, 6860, 2640);
    for (int i = 0; i < 5; ++i) {
        const int top = 360 + 420 * i;
        slotCaptions[i] = new QLabel(cheersFrame);
        Posiziona(slotCaptions[i], 120, top, 1560, 315);
        cheerFiles[i] = new QLabel(cheersFrame);
        Posiziona(cheerFiles[i], 1740, top, 4020, 315);
        cheerFiles[i]->setFrameShape(QFrame::Panel);
        chooseButtons[i] = new QToolButton(cheersFrame);
        Posiziona(chooseButtons[i], 5880, top, 375, 315);
        chooseButtons[i]->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
        playButtons[i] = new QToolButton(cheersFrame);
        Posiziona(playButtons[i], 6330, top, 375, 315);
        playButtons[i]->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
        for (QToolButton* b : {chooseButtons[i], playButtons[i]}) {
            b->setCursor(Qt::PointingHandCursor);
            b->setAutoRaise(true);
        }
        connect(chooseButtons[i], &QToolButton::clicked, this, [this, i] { chooseCheer(i); });
        connect(playButtons[i], &QToolButton::clicked, this, [this, i] { playCheer(i); });
    }
    cheersCheck = new QCheckBox(this);
    Posiziona(cheersCheck, 240, 2880, 4000, 315);
    durationCaption = new QLabel(this);
    Posiziona(durationCaption, 240, 3300, 4500, 315);
    durationBar = new QScrollBar(Qt::Horizontal, this);
    Posiziona(durationBar, 4800, 3330, 1500, 255);
    durationBar->setRange(DurataMinima, DurataMassima);
    durationBar->setValue(DurataProposta);
    durationLabel = new QLabel(QString::number(DurataProposta), this);
    Posiziona(durationLabel, 6420, 3300, 540, 315);
    noteLabel = new QLabel(this);
    Posiziona(noteLabel, 240, 3720, 6740, 1500);
    noteLabel->setWordWrap(true);
    cancelButton = new QPushButton(this);
    Posiziona(cancelButton, 240, 5460, 1500, 375);
    stopButton = new QPushButton(QStringLiteral("Stop Audio [ ]"), this);
    Posiziona(stopButton, 2700, 5460, 1800, 375);
    doneButton = new QPushButton(this);
    Posiziona(doneButton, 5460, 5460, 1500, 375);
    for (QWidget* w : findChildren<QWidget*>()) {
        w->setFont(carattere);
    }
    connect(cheersCheck, &QCheckBox::clicked, this, [this] { toggleCheers(); });
    connect(durationBar, &QScrollBar::valueChanged, this, [this] { durationChanged(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    connect(stopButton, &QPushButton::clicked, this, [this] { stopAudio(); });
    connect(doneButton, &QPushButton::clicked, this, [this] { saveAndClose(); });
}

QString SoundsWindow::CartellaSuoni() const {
    return QDir(modulo_.CartellaDati).filePath(QStringLiteral("Sounds"));
}

void SoundsWindow::Form_Load() {
    auto t = [this](const char* testo) { return modulo_.Traduci(QString::fromUtf8(testo)); };
    setWindowTitle(t("Gestione suoni ed effetti sonori"));
    doneButton->setText(t("Finito"));
    cancelButton->setText(t("Annulla"));
    for (int i = 0; i < 5; ++i) {
        slotCaptions[i]->setText(t(DidascalieSlot[i]));
    }
    noteLabel->setText(t(
        "Questi files audio .mp3 oppure .wav possono essere riprodotti durante la partita al "
        "momento dell'assegnazione del punto, ovviamente vengono suonati solamente quando si "
        "aggiudica il punteggio la squadra Home. E' possibile sostituire tutti i suoni "
        "utilizzando i bottoni sovrastanti. I suoni forniti sono stati realizzati appositamente "
        "per Brivanta."));
    cheersCheck->setText(t("Utilizza suoni esultanze"));
    durationCaption->setText(t("Durata massima suono esultanza in secondi :"));
    if (modulo_.DurataEsultanza == 0) {
        modulo_.DurataEsultanza = DurataProposta;
    }
    durationBar->setValue(modulo_.DurataEsultanza);
    durationLabel->setText(QString::number(durationBar->value()));
    cheersCheck->setChecked(modulo_.EsultanzaAttiva != 0);
    const QDir cartella(CartellaSuoni());
    const QStringList file = cartella.entryList(QDir::Files, QDir::Name);
    for (int i = 0; i < 5; ++i) {
        if (modulo_.SuoniEsultanza[i].isEmpty()) {
            modulo_.SuoniEsultanza[i] =
                i < file.size() ? cartella.filePath(file[i]) : cartella.path() + u'/';
        }
        cheerFiles[i]->setText(modulo_.SuoniEsultanza[i]);
        cheerFiles[i]->setToolTip(cheerFiles[i]->text());
    }
}

void SoundsWindow::toggleCheers() {
    const bool attivo = cheersCheck->isChecked();
    for (int i = 0; i < 5; ++i) {
        for (QWidget* w : std::initializer_list<QWidget*>{playButtons[i], chooseButtons[i], slotCaptions[i],
                                                          cheerFiles[i]}) {
            w->setEnabled(attivo);
        }
    }
    modulo_.EsultanzaAttiva = attivo ? 1 : 0;
}

void SoundsWindow::durationChanged() {
    durationLabel->setText(QString::number(durationBar->value()));
}

void SoundsWindow::chooseCheer(int Index) {
    lettore_.FermaAudio();
    const QString scelto = piattaforma_.dialoghi.ApriFile(
        modulo_.Traduci(QStringLiteral("Apertura file audio esultanza")), CartellaSuoni(),
        QStringLiteral("Audio files (*.mp3 *.wav *.MP3 *.WAV);;All Files (*)"));
    if (scelto.trimmed().isEmpty()) {
        return;
    }
    cheerFiles[Index]->setText(scelto.trimmed());
    cheerFiles[Index]->setToolTip(cheerFiles[Index]->text());
    modulo_.SuoniEsultanza[Index] = cheerFiles[Index]->text();
}

void SoundsWindow::playCheer(int Index) {
    lettore_.FermaAudio();
    lettore_.SuonaAudio(cheerFiles[Index]->text());
}

void SoundsWindow::cancel() {
    reject();
}

void SoundsWindow::reject() {
    lettore_.FermaAudio();
    QDialog::reject();
}

void SoundsWindow::stopAudio() {
    lettore_.FermaAudio();
}

void SoundsWindow::saveAndClose() {
    lettore_.FermaAudio();
    auto& impostazioni = piattaforma_.impostazioni;
    for (int i = 0; i < 5; ++i) {
        impostazioni.Scrivi(QStringLiteral("SndExultation") + QString::number(i),
                            modulo_.SuoniEsultanza[i]);
    }
    const int attivo = cheersCheck->isChecked() ? 1 : 0;
    impostazioni.Scrivi(QStringLiteral("SndExultationEnabled"), QString::number(attivo));
    impostazioni.Scrivi(QStringLiteral("SndExultationDuration"),
                        QString::number(durationBar->value()));
    modulo_.DurataEsultanza = durationBar->value();
    timerEsultanza_.setInterval(modulo_.DurataEsultanza * 1000);
    modulo_.EsultanzaAttiva = attivo;
    accept();
}
