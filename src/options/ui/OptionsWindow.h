#pragma once

#include "options/ui/RiquadroLive.h"

#include "display/Colori.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <array>
#include <functional>

struct Partita;
struct Modulo1;
struct Piattaforma;
class Lettore;

// The options: match rules, language, live-preview speed and the display's colours.
class OptionsWindow : public QDialog {
    Q_OBJECT
public:
    struct Collegamenti {
        Partita& partita;
        Modulo1& modulo;
        Piattaforma& piattaforma;
        ColoriDelTabellone& tabellone; // the display, as far as colours go
        QTimer& timerTabellone;
        Lettore& lettore;
        QTimer& timerEsultanza;
        std::function<void()> dopoFinito; // the team lists again, then the start-up sequence
        std::function<void()> apriSponsor;
        std::function<void()> apriSquadre;
    };
    explicit OptionsWindow(Collegamenti c);

    void Form_Load();
    void setsChanged();
    void tieBreakPointsChanged();
    void CaricaSchermi();
    void speedChanged();
    void saveAndClose();
    void restoreDefaults();
    void cancel();
    void defaultColours();
    void openSponsorManager();
    void openTeamEditor();
    void openSounds();
    // A click on a colour sample: 0 home name, 1 guests name, 2/3 home/guest score
    // backgrounds, 4/5 home/guest text (textColourSamples(0), textColourSamples(1)), 6 the board (textColourSamples(2)).
    void chooseSampleColour(int campione);

    QLabel* setsCaption;
    QComboBox* setsCombo;
    QLabel* pointsCaption;
    QComboBox* pointsCombo;
    QLabel* tieBreakCaption;
    QComboBox* tieBreakCombo;
    QCheckBox* courtChangeCheck;
    QLabel* languageCaption;
    QComboBox* languageCombo;
    QLabel* screenCaption;
    QComboBox* screenCombo; // the display's screen
    QLabel* speedCaption;
    QScrollBar* speedBar;
    QLabel* speedLabel;
    QLabel* speedHint;
    QGroupBox* coloursFrame;
    QLabel* coloursCaption;
    QPushButton* defaultColoursButton;
    std::array<QLabel*, 3> textColourSamples;
    QLabel* homeSample;
    std::array<QLabel*, 2> LabScore;
    QLabel* guestsSample;
    QPushButton* restoreButton;
    QPushButton* sponsorButton;
    QPushButton* teamsButton;
    QPushButton* cancelButton;
    QPushButton* soundsButton;
    QPushButton* doneButton;
    RiquadroLive* Live;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void CreaControlli();
    void MostraCampioni();
    void CambioCampo(int puntiTieBreak);

    Collegamenti c_;
    ColoriPannello campioni_{};
};
