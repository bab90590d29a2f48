#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

struct Partita;
class DisplayWindow;

// The countdown of a timeout or of the court change, gliding across the display.
class CountdownWindow : public QWidget {
    Q_OBJECT
public:
    CountdownWindow(Partita& partita, const DisplayWindow& display, QTimer& timerFrames);

    void Apri(const QString& testo, bool cambioCampo);
    bool CambioCampo() const { return cambioCampo_; }
    void tick();

    QTimer tickTimer;
    QLabel* reasonLabel;
    QLabel* secondsCaption;
    QLabel* secondsLabel;
    QLabel* iconImage;
    QLabel* courtChangePicture;
    QLabel* spareImage;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Chiudi();

    Partita& partita_;
    bool cambioCampo_ = false;
    const DisplayWindow& display_;
    QTimer& timerFrames_;
};
