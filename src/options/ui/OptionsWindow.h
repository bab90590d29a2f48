#pragma once

#include "options/ui/LiveBox.h"
#include "options/ui/VenueBox.h"

#include "display/Colours.h"

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

struct Match;
struct CommonSettings;
struct Platform;
class Player;

// The options: match rules, language, live-preview speed and the display's colours.
class OptionsWindow : public QDialog {
    Q_OBJECT
  public:
    struct Links {
        Match& match;
        CommonSettings& common;
        Platform& platform;
        DisplayColours& display; // the display, as far as colours go
        QTimer& displayTimer;
        Player& player;
        QTimer& cheerTimer;
        std::function<void()> afterDone; // the team lists again, then the start-up sequence
        std::function<void()> openSponsor;
        std::function<void()> openTeams;
        std::function<QString()> venueState; // the console's connection to the venue's broker
    };
    explicit OptionsWindow(Links c);

    void load();
    void setsChanged();
    void tieBreakPointsChanged();
    void loadScreens();
    void speedChanged();
    void saveAndClose();
    void restoreDefaults();
    void cancel();
    void defaultColours();
    void openSponsorManager();
    void openTeamEditor();
    void openSounds();
    // A click on a colour sample: 0 home name, 1 guests name, 2/3 home/guest score
    // backgrounds, 4/5 home/guest text (textColourSamples(0), textColourSamples(1)), 6 the board
    // (textColourSamples(2)).
    void chooseSampleColour(int sample);

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
    QPushButton* defaultColoursButton;
    std::array<QLabel*, 3> textColourSamples;
    QLabel* homeSample;
    std::array<QLabel*, 2> scoreLabels;
    QLabel* guestsSample;
    QPushButton* restoreButton;
    QPushButton* sponsorButton;
    QPushButton* teamsButton;
    QPushButton* cancelButton;
    QPushButton* soundsButton;
    QPushButton* doneButton;
    LiveBox* Live;
    VenueBox* venueFrame;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void createControls();
    void showSamples();
    void showCourtChange(int pointsTieBreak);
    bool matchUnderWay() const;
    void lockRules();

    Links c_;
    PanelColours samples_{};
};
