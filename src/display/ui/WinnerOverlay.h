#pragma once

#include "display/ui/DisplayCard.h"

class QLabel;
struct WinnerText;

// The end of the match on the display: the winner with the sets, and every set's score. It
// stays until a new match (or an Undo) takes the result away.
class WinnerOverlay : public DisplayCard {
    Q_OBJECT
  public:
    explicit WinnerOverlay(QWidget& display);

    // Shown with the texts, or hidden when they are empty (the match is under way).
    void showResult(const WinnerText& text);

  protected:
    void layOut() override;

  private:
    friend class DisplayProbe;

    QLabel* winnerLabel;
    QLabel* setsLabel;
};
