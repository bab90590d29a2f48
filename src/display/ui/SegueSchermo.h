#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QScreen;
class QWidget;

// Keeps the display full screen on the screen it belongs on: when that screen goes away
// (a pulled cable) the display moves to a remaining one, never off-screen; when it comes
// back the display returns to it.
class SegueSchermo : public QObject {
    Q_OBJECT
public:
    SegueSchermo(QWidget& display, QWidget& console);

    // The screen chosen in the options ("" = automatic).
    void ImpostaScelto(const QString& nome) { scelto_ = nome; }
    // Full screen where it belongs; remembered as the screen to return to.
    void Colloca();
    // The display was made full screen by hand: that screen is now its own.
    void Ricorda();
    // The display leaves full screen and stops following screens.
    void Lascia();
    const QString& Voluto() const { return voluto_; }

private:
    void MettiSu(QScreen* schermo);
    void Tolto(QScreen* schermo);
    void Aggiunto(QScreen* schermo);

    QWidget& display_;
    QWidget& console_;
    QString scelto_;
    QString voluto_;
    bool segue_ = false;
};
