#pragma once

#include <QLabel>
#include <QPixmap>

// A text label whose text is kept as a picture until its text, size, font or colour change.
// Text this large is drawn as outlines, not cached glyphs: without the picture every panel
// sliding over a score would draw the score's outlines again at each tick.
class LargeLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QPixmap drawing_;
    QString key_;
};
