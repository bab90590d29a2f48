#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

// A one-line text drawn whole in its box: the label's own font is the largest size, made
// smaller until the text fits; a text still too wide at the smallest readable size is elided,
// never cut mid-glyph. An optional caption goes before the text, smaller ("SETS 2").
class FittedLabel : public QLabel {
  public:
    using QLabel::QLabel;

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    // The font the text is drawn in now.
    QFont fittedFont() const;
    // The text as drawn: the whole text, or elided.
    QString drawnText() const;
    // Where caption and text are drawn, in the label's coordinates.
    QRect drawnRectangle() const;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    struct Drawing {
        QFont Font;
        QFont CaptionFont;
        QString Text;
        int CaptionWidth = 0;
        QRect Whole;
        int Baseline = 0;
    };
    // Measured again only when text, caption, box or font change: panels slide every 10 ms.
    const Drawing& drawing() const;
    Drawing measure() const;

    QString caption_;
    mutable QString drawingKey_;
    mutable Drawing drawing_;
};
