#include "sound/ui/SoundsWindow.h"
#include "shared/SettingsTable.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Settings.h"
#include "shared/CommonSettings.h"
#include "shared/ui/Drawing.h"
#include "sound/Audio.h"

#include <QDir>
#include <QStyle>

namespace {
constexpr int MinDuration = 5;
constexpr int MaxDuration = 15;
constexpr int ProposedDuration = 10;
// The sounds window lists its slots in its own order: slot 2 plays for "Muro" points.
const char* const SlotCaptions[5] = {"Non specificato", "Ace", "Schiacciata", "Muro", "Pallonetto"};
} // namespace

SoundsWindow::SoundsWindow(CommonSettings& common, Player& player, Platform& platform,
                           QTimer& cheerTimer)
    : common_(common), player_(player), platform_(platform), cheerTimer_(cheerTimer) {
    setObjectName(QStringLiteral("SoundsWindow"));
    setModal(true);
    createControls();
}

void SoundsWindow::createControls() {
    resize(TwipsInPixel(7100), TwipsInPixel(6000));
    const QFont character = Character(QStringLiteral("Tahoma"), 9);
    cheersFrame = new QGroupBox(this);
    Place(cheersFrame, 120, 120, 6860, 2640);
    for (int i = 0; i < 5; ++i) {
        const int top = 360 + 420 * i;
        slotCaptions[i] = new QLabel(cheersFrame);
        Place(slotCaptions[i], 120, top, 1560, 315);
        cheerFiles[i] = new QLabel(cheersFrame);
        Place(cheerFiles[i], 1740, top, 4020, 315);
        cheerFiles[i]->setFrameShape(QFrame::Panel);
        chooseButtons[i] = new QToolButton(cheersFrame);
        Place(chooseButtons[i], 5880, top, 375, 315);
        chooseButtons[i]->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
        playButtons[i] = new QToolButton(cheersFrame);
        Place(playButtons[i], 6330, top, 375, 315);
        playButtons[i]->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
        for (QToolButton* b : {chooseButtons[i], playButtons[i]}) {
            b->setCursor(Qt::PointingHandCursor);
            b->setAutoRaise(true);
        }
        connect(chooseButtons[i], &QToolButton::clicked, this, [this, i] { chooseCheer(i); });
        connect(playButtons[i], &QToolButton::clicked, this, [this, i] { playCheer(i); });
    }
    cheersCheck = new QCheckBox(this);
    Place(cheersCheck, 240, 2880, 4000, 315);
    durationCaption = new QLabel(this);
    Place(durationCaption, 240, 3300, 4500, 315);
    durationBar = new QScrollBar(Qt::Horizontal, this);
    Place(durationBar, 4800, 3330, 1500, 255);
    durationBar->setRange(MinDuration, MaxDuration);
    durationBar->setValue(ProposedDuration);
    durationLabel = new QLabel(QString::number(ProposedDuration), this);
    Place(durationLabel, 6420, 3300, 540, 315);
    noteLabel = new QLabel(this);
    Place(noteLabel, 240, 3720, 6740, 1500);
    noteLabel->setWordWrap(true);
    cancelButton = new QPushButton(this);
    Place(cancelButton, 240, 5460, 1500, 375);
    stopButton = new QPushButton(this);
    Place(stopButton, 2700, 5460, 1800, 375);
    doneButton = new QPushButton(this);
    Place(doneButton, 5460, 5460, 1500, 375);
    for (QWidget* w : findChildren<QWidget*>()) {
        w->setFont(character);
    }
    connect(cheersCheck, &QCheckBox::clicked, this, [this] { toggleCheers(); });
    connect(durationBar, &QScrollBar::valueChanged, this, [this] { durationChanged(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    connect(stopButton, &QPushButton::clicked, this, [this] { stopAudio(); });
    connect(doneButton, &QPushButton::clicked, this, [this] { saveAndClose(); });
}

QString SoundsWindow::soundsFolder() const {
    return QDir(common_.DataFolder).filePath(QStringLiteral("Sounds"));
}

void SoundsWindow::load() {
    auto t = [this](const char* text) { return common_.Translate(QString::fromUtf8(text)); };
    setWindowTitle(t("Gestione suoni ed effetti sonori"));
    doneButton->setText(t("Finito"));
    cancelButton->setText(t("Annulla"));
    cheersFrame->setTitle(t("Suoni esultanza"));
    stopButton->setText(t("Ferma audio"));
    for (int i = 0; i < 5; ++i) {
        slotCaptions[i]->setText(t(SlotCaptions[i]));
    }
    noteLabel->setText(
        t("Questi files audio .mp3 oppure .wav possono essere riprodotti durante la partita al "
          "momento dell'assegnazione del punto, ovviamente vengono suonati solamente quando si "
          "aggiudica il punteggio la squadra Home. E' possibile sostituire tutti i suoni "
          "utilizzando i bottoni sovrastanti. I suoni forniti sono stati realizzati appositamente "
          "per Brivanta."));
    cheersCheck->setText(t("Utilizza suoni esultanze"));
    durationCaption->setText(t("Durata massima suono esultanza in secondi :"));
    if (common_.CheerDuration == 0) {
        common_.CheerDuration = ProposedDuration;
    }
    durationBar->setValue(common_.CheerDuration);
    durationLabel->setText(QString::number(durationBar->value()));
    cheersCheck->setChecked(common_.ActiveCheer != 0);
    const QDir folder(soundsFolder());
    const QStringList file = folder.entryList(QDir::Files, QDir::Name);
    for (int i = 0; i < 5; ++i) {
        if (common_.CheerSounds[i].isEmpty()) {
            common_.CheerSounds[i] =
                i < file.size() ? folder.filePath(file[i]) : folder.path() + u'/';
        }
        cheerFiles[i]->setText(common_.CheerSounds[i]);
        cheerFiles[i]->setToolTip(cheerFiles[i]->text());
    }
}

void SoundsWindow::toggleCheers() {
    const bool active = cheersCheck->isChecked();
    for (int i = 0; i < 5; ++i) {
        for (QWidget* w : std::initializer_list<QWidget*>{playButtons[i], chooseButtons[i],
                                                          slotCaptions[i], cheerFiles[i]}) {
            w->setEnabled(active);
        }
    }
    common_.ActiveCheer = active ? 1 : 0;
}

void SoundsWindow::durationChanged() {
    durationLabel->setText(QString::number(durationBar->value()));
}

void SoundsWindow::chooseCheer(int index) {
    player_.StopAudio();
    const QString chosen = platform_.dialogs.OpenFile(
        common_.Translate(QStringLiteral("Apertura file audio esultanza")), soundsFolder(),
        QStringLiteral("Audio files (*.mp3 *.wav *.MP3 *.WAV);;All Files (*)"));
    if (chosen.trimmed().isEmpty()) {
        return;
    }
    cheerFiles[index]->setText(chosen.trimmed());
    cheerFiles[index]->setToolTip(cheerFiles[index]->text());
    common_.CheerSounds[index] = cheerFiles[index]->text();
}

void SoundsWindow::playCheer(int index) {
    player_.StopAudio();
    player_.PlayAudio(cheerFiles[index]->text());
}

void SoundsWindow::cancel() {
    reject();
}

void SoundsWindow::reject() {
    player_.StopAudio();
    QDialog::reject();
}

void SoundsWindow::stopAudio() {
    player_.StopAudio();
}

void SoundsWindow::saveAndClose() {
    player_.StopAudio();
    auto& settings = platform_.settings;
    for (int i = 0; i < 5; ++i) {
        WriteText(settings, CheerSoundSetting(i), common_.CheerSounds[i]);
    }
    const int active = cheersCheck->isChecked() ? 1 : 0;
    WriteNumber(settings, Setting::CheersEnabled, active);
    WriteNumber(settings, Setting::CheerDuration, durationBar->value());
    common_.CheerDuration = durationBar->value();
    cheerTimer_.setInterval(common_.CheerDuration * 1000);
    common_.ActiveCheer = active;
    accept();
}
