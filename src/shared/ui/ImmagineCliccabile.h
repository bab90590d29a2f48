#pragma once

#include <QLabel>
#include <QMouseEvent>

// A picture that acts as a button, with the hand pointer over it.
class ImmagineCliccabile : public QLabel {
    Q_OBJECT
public:
    explicit ImmagineCliccabile(QWidget* genitore) : QLabel(genitore) {
        setCursor(Qt::PointingHandCursor);
        setScaledContents(true);
    }

signals:
    void Cliccata();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        QLabel::mouseReleaseEvent(e);
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
            emit Cliccata();
        }
    }
};
