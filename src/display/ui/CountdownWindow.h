#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

struct Match;
class DisplayWindow;

// The countdown of a timeout or of the court change, gliding across the display.
class CountdownWindow : public QWidget {
    Q_OBJECT
  public:
    CountdownWindow(Match& match, const DisplayWindow& display, QTimer& blinkTimer);

    void open(const QString& text, bool courtChange);
    bool courtChange() const { return courtChange_; }

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    // Tests read the countdown and drive its tick through the console's probe.
    friend class ConsoleProbe;

    void tick();
    void closeCountdown();

    QTimer tickTimer;
    QLabel* reasonLabel;
    QLabel* secondsCaption;
    QLabel* secondsLabel;
    QLabel* iconImage;
    QLabel* courtChangePicture;
    QLabel* spareImage;

    Match& match_;
    bool courtChange_ = false;
    const DisplayWindow& display_;
    QTimer& blinkTimer_;
};
