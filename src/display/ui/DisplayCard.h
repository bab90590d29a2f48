#pragma once

#include <QFrame>

class QLabel;

// A card drawn inside the display, over its score band: a child of the display, so it shows
// wherever the display shows, whatever the window manager does. It follows the display's size.
class DisplayCard : public QFrame {
    Q_OBJECT
  public:
    explicit DisplayCard(QWidget& display);

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    // Places the card's contents for its current size.
    virtual void layOut() = 0;
    // Takes the card's place for the display's current size, on top of the display's panels.
    void place();
    // The label's text at `preferred` pixels, or smaller until every line fits the label.
    static void fit(QLabel* label, int preferred);
};
