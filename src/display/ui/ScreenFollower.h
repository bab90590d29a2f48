#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QScreen;
class QWidget;

// Keeps the display full screen on the screen it belongs on: when that screen goes away
// (a pulled cable) the display moves to a remaining one, never off-screen; when it comes
// back the display returns to it.
class ScreenFollower : public QObject {
    Q_OBJECT
  public:
    ScreenFollower(QWidget& display, QWidget& console);

    // The screen chosen in the options ("" = automatic).
    void setChosen(const QString& name) { chosen_ = name; }
    // Full screen where it belongs; remembered as the screen to return to.
    void place();
    // The display was made full screen by hand: that screen is now its own.
    void remember();
    // The display leaves full screen and stops following screens.
    void leave();
    const QString& wanted() const { return wanted_; }

  private:
    void putOn(QScreen* screen);
    void removed(QScreen* screen);
    void added(QScreen* screen);

    QWidget& display_;
    QWidget& console_;
    QString chosen_;
    QString wanted_;
    bool follows_ = false;
};
