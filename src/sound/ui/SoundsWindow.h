#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <array>

struct CommonSettings;
struct Platform;
class Player;

// The exultation sounds: one file per point type, on or off, and the longest duration.
class SoundsWindow : public QDialog {
    Q_OBJECT
  public:
    SoundsWindow(CommonSettings& common, Player& player, Platform& platform, QTimer& cheerTimer);

    void load();
    void toggleCheers();
    void durationChanged();
    void chooseCheer(int index);
    void playCheer(int index);
    void cancel();
    void stopAudio();
    void saveAndClose();
    // Annulla, Esc and the title bar alike: a test sound never plays on.
    void reject() override;

    QGroupBox* cheersFrame;
    std::array<QLabel*, 5> slotCaptions;
    std::array<QLabel*, 5> cheerFiles;
    std::array<QToolButton*, 5> chooseButtons;
    std::array<QToolButton*, 5> playButtons;
    QCheckBox* cheersCheck;
    QLabel* durationCaption;
    QScrollBar* durationBar;
    QLabel* durationLabel;
    QLabel* noteLabel;
    QPushButton* cancelButton;
    QPushButton* stopButton;
    QPushButton* doneButton;

  private:
    void createControls();
    QString soundsFolder() const;

    CommonSettings& common_;
    Player& player_;
    Platform& platform_;
    QTimer& cheerTimer_;
};
