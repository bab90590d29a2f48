#pragma once

#include "display/ui/DisplayCard.h"

#include <QTimer>

class QLabel;
struct Match;

// The countdown of a timeout or of the court change, on the display: the request (with the
// team's name) over the seconds left. It goes when the countdown ends or a change cancels it.
class CountdownOverlay : public DisplayCard {
    Q_OBJECT
  public:
    CountdownOverlay(Match& match, QWidget& display, QTimer& blinkTimer);

    void open(const QString& text, bool courtChange);
    bool courtChange() const { return courtChange_; }
    // Shown on the display (which may itself be hidden) until the countdown ends.
    bool isOpen() const { return !isHidden(); }

  protected:
    void layOut() override;

  private:
    // Tests read the countdown and drive its tick through the console's probe.
    friend class ConsoleProbe;

    void tick();
    void closeCountdown();

    QTimer tickTimer;
    QLabel* iconImage;
    QLabel* reasonLabel;
    QLabel* secondsLabel;

    Match& match_;
    bool courtChange_ = false;
    QTimer& blinkTimer_;
};
