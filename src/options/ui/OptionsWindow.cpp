#include "options/ui/OptionsWindow.h"
#include "display/Screens.h"
#include "shared/SettingsTable.h"

#include "match/Match.h"
#include "match/Rules.h"
#include "options/ui/ColourPicker.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"
#include "platform/Settings.h"
#include "shared/CommonSettings.h"
#include "shared/ui/Drawing.h"
#include "sound/ui/SoundsWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

QString Style(std::uint32_t background, std::uint32_t text) {
    return QStringLiteral("background-color:%1;color:%2;")
        .arg(CssColour(background), CssColour(text));
}

// The court-change point the options show: half the tie-break rounded up.
int ShownChange(int pointsTieBreak) {
    return static_cast<int>(std::lround(pointsTieBreak / 2.0 + 0.1));
}

} // namespace

OptionsWindow::OptionsWindow(Links c) : c_(std::move(c)) {
    setObjectName(QStringLiteral("OptionsWindow"));
    setModal(true);
    createControls();
}

void OptionsWindow::createControls() {
    resize(TwipsInPixel(10065), TwipsInPixel(10200));
    auto label = [this](QWidget* g, int l, int t, int w, int h) {
        auto* e = new QLabel(g);
        Place(e, l, t, w, h);
        return e;
    };
    auto list = [this](int l, int t, int w, int h) {
        auto* c = new QComboBox(this);
        Place(c, l, t, w, h);
        return c;
    };
    auto button = [this](QWidget* g, int l, int t, int w, int h, const QString& text) {
        auto* b = new QPushButton(text, g);
        Place(b, l, t, w, h);
        return b;
    };
    setsCaption = label(this, 60, 360, 3735, 555);
    setsCombo = list(3720, 300, 3975, 495);
    pointsCaption = label(this, -120, 900, 3795, 435);
    pointsCombo = list(3720, 840, 975, 495);
    tieBreakCaption = label(this, 660, 1440, 3015, 435);
    tieBreakCombo = list(3720, 1380, 975, 495);
    courtChangeCheck = new QCheckBox(this);
    Place(courtChangeCheck, 4800, 1500, 3675, 435);
    languageCaption = label(this, 2520, 2160, 2475, 495);
    languageCombo = list(5160, 2100, 3195, 495);
    speedCaption = label(this, 240, 2760, 4815, 735);
    speedBar = new QScrollBar(Qt::Horizontal, this);
    Place(speedBar, 5160, 2760, 3195, 315);
    speedBar->setRange(50, 2000);
    speedBar->setSingleStep(50);
    speedBar->setPageStep(500);
    speedLabel = label(this, 8460, 2760, 735, 375);
    speedHint = label(this, 4800, 3060, 3855, 195);
    speedHint->setFont(Character(QStringLiteral("Tahoma"), 6.75));
    for (QLabel* e : {setsCaption, pointsCaption, tieBreakCaption, languageCaption}) {
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    screenCaption = label(this, 240, 7500, 2800, 435);
    screenCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    screenCombo = list(3120, 7470, 6705, 495);
    Live = new LiveBox(c_.common, this);
    Place(Live, 240, 5940, 9585, 1440);
    venueFrame = new VenueBox(c_.common, c_.venueState, this);
    Place(venueFrame, 240, 8100, 9585, 1950);
    // The frame's title is the one heading of the colours: a second caption over it overlapped.
    coloursFrame = new QGroupBox(this);
    Place(coloursFrame, 240, 3480, 5115, 2295);
    defaultColoursButton = button(coloursFrame, 3960, 180, 1035, 375, QString());
    textColourSamples[2] = label(coloursFrame, 180, 600, 4695, 255);
    homeSample = label(coloursFrame, 180, 900, 1215, 975);
    scoreLabels[0] = label(coloursFrame, 1380, 900, 1155, 975);
    scoreLabels[1] = label(coloursFrame, 2520, 900, 1155, 975);
    guestsSample = label(coloursFrame, 3660, 900, 1215, 975);
    textColourSamples[0] = label(coloursFrame, 180, 1920, 2355, 255);
    textColourSamples[1] = label(coloursFrame, 2520, 1920, 2355, 255);
    const int samples[7] = {0, 2, 3, 1, 4, 5, 6};
    QLabel* clickable[7] = {homeSample,          scoreLabels[0],       scoreLabels[1],
                            guestsSample,        textColourSamples[0], textColourSamples[1],
                            textColourSamples[2]};
    for (int i = 0; i < 7; ++i) {
        clickable[i]->setCursor(Qt::PointingHandCursor);
        clickable[i]->setAlignment(Qt::AlignCenter);
        const int sample = samples[i];
        clickable[i]->installEventFilter(this);
        clickable[i]->setProperty("campione", sample);
    }
    restoreButton = button(this, 7860, 300, 2055, 495, QString());
    sponsorButton = button(this, 5700, 3900, 1335, 915, QString());
    teamsButton = button(this, 7140, 3900, 1335, 915, QString());
    cancelButton = button(this, 8580, 3900, 1335, 915, QString());
    soundsButton = button(this, 5700, 4920, 1335, 915, QString());
    doneButton = button(this, 7140, 4920, 2775, 915, QString());
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

bool OptionsWindow::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && object->property("campione").isValid()) {
        chooseSampleColour(object->property("campione").toInt());
        return true;
    }
    return QDialog::eventFilter(object, event);
}

void OptionsWindow::showSamples() {
    // The frame is the board in miniature: its captions stay readable as the board's do.
    const std::uint32_t background = samples_[Background];
    coloursFrame->setStyleSheet(
        QStringLiteral("QGroupBox{%1} QGroupBox QLabel{color:%2;}")
            .arg(Style(background, ReadableText(background)), CssColour(ReadableText(background))));
    homeSample->setStyleSheet(Style(samples_[HomeName], samples_[HomeText]));
    scoreLabels[0]->setStyleSheet(Style(samples_[HomePoints], samples_[HomeText]));
    guestsSample->setStyleSheet(Style(samples_[GuestsName], samples_[GuestsText]));
    scoreLabels[1]->setStyleSheet(Style(samples_[GuestsPoints], samples_[GuestsText]));
}

void OptionsWindow::showCourtChange(int pointsTieBreak) {
    courtChangeCheck->setText(c_.common.Translate(QStringLiteral("Cambio campo a")) + u' ' +
                              QString::number(ShownChange(pointsTieBreak)) + u' ' +
                              c_.common.Translate(QStringLiteral("Punti")));
}

void OptionsWindow::load() {
    auto t = [this](const char* text) { return c_.common.Translate(QString::fromUtf8(text)); };
    Match& match = c_.match;
    samples_ = c_.display.Colours();
    showSamples();
    Live->Load(static_cast<quint16>(ReadNumber(c_.platform.settings, Setting::LivePort)),
               ReadFlag(c_.platform.settings, Setting::LiveLan));
    loadScreens();
    venueFrame->Load(c_.platform.settings);
    setWindowTitle(QStringLiteral("Brivanta - ") + t("Opzioni"));
    setsCaption->setText(t("Numero di SET") + QStringLiteral("  :"));
    pointsCaption->setText(t("Punteggio partita") + QStringLiteral(" :"));
    tieBreakCaption->setText(t("Punti Tie Break") + QStringLiteral(" :"));
    languageCaption->setText(t("Lingua") + QStringLiteral(" :"));
    speedCaption->setText(t("Velocità refresh tabellone :"));
    speedHint->setText(t("< Computer veloci                Computer Lenti >"));
    restoreButton->setText(t("Ripristina"));
    doneButton->setText(t("Finito"));
    coloursFrame->setTitle(t("Colori"));
    defaultColoursButton->setText(t("Predefiniti"));
    sponsorButton->setText(t("Sponsor"));
    teamsButton->setText(t("Squadre"));
    cancelButton->setText(t("Annulla"));
    soundsButton->setText(t("Suoni"));
    homeSample->setText(t("Locali"));
    guestsSample->setText(t("Ospiti"));
    scoreLabels[0]->setText(QStringLiteral("25"));
    scoreLabels[1]->setText(QStringLiteral("25"));
    for (QLabel* e : {homeSample, guestsSample, scoreLabels[0], scoreLabels[1]}) {
        e->setToolTip(t("Colore sfondo"));
    }
    textColourSamples[0]->setText(t("Colore testo Locali"));
    textColourSamples[1]->setText(t("Colore testo Ospiti"));
    textColourSamples[2]->setText(t("Colore sfondo tabellone"));
    if (match.CourtChangePoints == 0) {
        match.CourtChangePoints = 8;
    }
    courtChangeCheck->setText(t("Cambio campo a") + u' ' +
                              QString::number(match.CourtChangePoints) + u' ' + t("Punti"));
    setsCombo->clear();
    setsCombo->addItems({t("Chi arriva prima a") + QStringLiteral(" 3"),
                         t("Chi arriva prima a") + QStringLiteral(" 2"), t("Un solo set")});
    courtChangeCheck->setChecked(match.ActiveCourtChange != 0);
    speedBar->setValue(c_.displayTimer.interval());
    speedChanged();
    setsCombo->setCurrentIndex(match.TotalSets == 3 ? 1 : match.TotalSets == 1 ? 2 : 0);
    setsChanged();
    pointsCombo->clear();
    tieBreakCombo->clear();
    for (int n = 15; n <= 30; ++n) {
        pointsCombo->addItem(QString::number(n));
    }
    for (int n = 10; n <= 25; ++n) {
        tieBreakCombo->addItem(QString::number(n));
    }
    pointsCombo->setCurrentIndex(match.SetPoints - 15);
    tieBreakCombo->setCurrentIndex(match.TieBreakPoints - 10);
    tieBreakPointsChanged();
    languageCombo->clear();
    const auto& names = c_.common.Languages.LanguageNames();
    for (int i = 1; i <= LanguageTable::LanguagesInMenu; ++i) {
        if (!c_.common.Languages.LanguageCodes()[i].isEmpty()) {
            languageCombo->addItem(names[i].mid(3));
        }
    }
    languageCombo->setCurrentIndex(c_.common.Languages.LanguageColumn < languageCombo->count()
                                       ? c_.common.Languages.LanguageColumn
                                       : -1);
    lockRules();
}

// A match under way keeps the rules it started with, and the teams it is played by; everything
// else stays at hand.
bool OptionsWindow::matchUnderWay() const {
    return c_.match.Locked || !c_.match.History.isEmpty();
}

void OptionsWindow::lockRules() {
    if (!matchUnderWay()) {
        return;
    }
    const QString why = c_.common.Translate(
        QStringLiteral("Le regole non si possono cambiare durante una partita in corso"));
    for (QWidget* rule : std::initializer_list<QWidget*>{setsCombo, pointsCombo, tieBreakCombo,
                                                         courtChangeCheck, restoreButton}) {
        rule->setEnabled(false);
        rule->setToolTip(why);
    }
    teamsButton->setEnabled(false);
    teamsButton->setToolTip(c_.common.Translate(
        QStringLiteral("Le squadre non si possono cambiare durante una partita in corso")));
}

void OptionsWindow::setsChanged() {
    const bool tieBreak = setsCombo->currentIndex() != 2;
    tieBreakCombo->setEnabled(tieBreak);
    courtChangeCheck->setEnabled(tieBreak);
}

void OptionsWindow::tieBreakPointsChanged() {
    if (tieBreakCombo->currentIndex() >= 0) {
        showCourtChange(tieBreakCombo->currentIndex() + 10);
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
    Match& match = c_.match;
    LanguageTable& languages = c_.common.Languages;
    if (languageCombo->currentIndex() >= 0) {
        languages.LanguageColumn = languageCombo->currentIndex();
        languages.CurrentLanguage =
            languages.LanguageCodes()[static_cast<size_t>(languageCombo->currentIndex() + 1)];
    } else {
        languages.CurrentLanguage.clear();
    }
    if (!matchUnderWay()) {
        match.TotalSets = setsCombo->currentIndex() == 1   ? 3
                          : setsCombo->currentIndex() == 2 ? 1
                                                           : 5;
        if (pointsCombo->currentIndex() >= 0) {
            match.SetPoints = pointsCombo->currentText().toInt();
        }
        if (tieBreakCombo->currentIndex() >= 0) {
            match.TieBreakPoints = tieBreakCombo->currentText().toInt();
        }
        match.CourtChangePoints = ComputeCourtChangePoints(match.TieBreakPoints);
        match.ActiveCourtChange = courtChangeCheck->isChecked() ? 1 : 0;
    }
    c_.displayTimer.setInterval(speedBar->value());
    accept();
    auto& settings = c_.platform.settings;
    WriteText(settings, Setting::Language, languages.CurrentLanguage);
    WriteNumber(settings, Setting::ScoreBoardSpeed, speedBar->value());
    WriteText(settings, Setting::PanelColours, PanelColoursText(samples_));
    WriteNumber(settings, Setting::LivePort, Live->Port());
    WriteFlag(settings, Setting::LiveLan, Live->Lan());
    WriteText(settings, Setting::DisplayScreen, screenCombo->currentData().toString());
    venueFrame->Save(settings);
    c_.common.PanelColoursText = PanelColoursText(samples_);
    c_.afterDone();
}

void OptionsWindow::cancel() {
    PanelColours colours = c_.display.Colours();
    if (ReadPanelColours(ReadText(c_.platform.settings, Setting::PanelColours), colours)) {
        c_.display.ApplyColours(colours);
    }
    reject();
}

void OptionsWindow::defaultColours() {
    samples_ = DefaultColours();
    showSamples();
    c_.display.ApplyColours(samples_);
}

void OptionsWindow::openSponsorManager() {
    c_.openSponsor();
    reject();
}

void OptionsWindow::openTeamEditor() {
    c_.openTeams();
    reject();
}

void OptionsWindow::openSounds() {
    SoundsWindow sounds(c_.common, c_.player, c_.platform, c_.cheerTimer);
    sounds.load();
    c_.platform.modal.Show(sounds);
    reject();
}

void OptionsWindow::chooseSampleColour(int sample) {
    ColourPicker choice(c_.common.Languages);
    c_.platform.modal.Show(choice);
    if (choice.ChosenColour < 0) {
        return;
    }
    const auto colour = static_cast<std::uint32_t>(choice.ChosenColour);
    switch (sample) {
    case 0:
        samples_[HomeName] = colour;
        break;
    case 1:
        samples_[GuestsName] = colour;
        break;
    case 2:
        samples_[HomePoints] = colour;
        break;
    case 3:
        samples_[GuestsPoints] = colour;
        break;
    case 4:
        samples_[HomeText] = colour;
        break;
    case 5:
        samples_[GuestsText] = colour;
        break;
    default:
        samples_[Background] = colour;
        break;
    }
    showSamples();
    c_.display.ApplyColours(samples_);
}

// Every connected screen by name and size; a chosen screen that is not connected now stays
// listed, so saving the options does not forget it.
void OptionsWindow::loadScreens() {
    screenCaption->setText(c_.common.Translate(QStringLiteral("Schermo del tabellone:")));
    screenCombo->clear();
    screenCombo->addItem(
        c_.common.Translate(QStringLiteral("Automatico (uno schermo senza la console)")),
        QString());
    const QString chosen = ReadText(c_.platform.settings, Setting::DisplayScreen);
    for (const QScreen* s : QGuiApplication::screens()) {
        screenCombo->addItem(DescribeScreen({s->name(), s->geometry()}), s->name());
    }
    if (!chosen.isEmpty() && screenCombo->findData(chosen) < 0) {
        screenCombo->addItem(chosen, chosen);
    }
    screenCombo->setCurrentIndex(std::max(0, screenCombo->findData(chosen)));
}
