#pragma once

#include <QLabel>
#include <QMouseEvent>

// A picture that acts as a button, with the hand pointer over it.
class ClickableImage : public QLabel {
    Q_OBJECT
  public:
    explicit ClickableImage(QWidget* parent) : QLabel(parent) {
        setCursor(Qt::PointingHandCursor);
        setScaledContents(true);
    }

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        QLabel::mouseReleaseEvent(e);
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
            emit clicked();
        }
    }
};
