#include "display/ui/ScreenFollower.h"

#include "display/Screens.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

ScreenFollower::ScreenFollower(QWidget& display, QWidget& console)
    : display_(display), console_(console) {
    connect(qApp, &QGuiApplication::screenAdded, this, &ScreenFollower::added);
    connect(qApp, &QGuiApplication::screenRemoved, this, &ScreenFollower::removed);
}

namespace {
QList<Screen> List(const QScreen* without = nullptr) {
    QList<Screen> list;
    for (const QScreen* s : QGuiApplication::screens()) {
        if (s != without) {
            list.append({s->name(), s->geometry()});
        }
    }
    return list;
}

QScreen* ScreenByName(const QString& name, const QScreen* without = nullptr) {
    for (QScreen* s : QGuiApplication::screens()) {
        if (s != without && s->name() == name) {
            return s;
        }
    }
    return nullptr;
}
} // namespace

void ScreenFollower::place() {
    const QList<Screen> screens = List();
    const int i = DisplayScreen(screens, console_.frameGeometry().center(), chosen_);
    if (i < 0) {
        return;
    }
    wanted_ = screens[i].Name;
    follows_ = true;
    putOn(QGuiApplication::screens()[i]);
}

void ScreenFollower::remember() {
    if (const QScreen* s = display_.screen()) {
        wanted_ = s->name();
        follows_ = true;
    }
}

void ScreenFollower::leave() {
    follows_ = false;
}

void ScreenFollower::putOn(QScreen* screen) {
    const QRect area = screen->geometry();
    display_.showNormal();
    if (QWindow* window = display_.windowHandle()) {
        window->setScreen(screen);
    }
    display_.move(area.topLeft());
    display_.resize(area.size());
    display_.showFullScreen();
}

// Qt moves the windows of a screen that goes after this signal, and learns a new screen's
// place after that one: the display moves on the next turn, once Qt is done.
void ScreenFollower::removed(QScreen* screen) {
    if (!follows_ || screen->name() != wanted_) {
        return;
    }
    QTimer::singleShot(0, this, [this] {
        const QList<Screen> left = List();
        const int i = DisplayScreen(left, console_.frameGeometry().center(), chosen_);
        if (QScreen* other = i < 0 ? nullptr : ScreenByName(left[i].Name)) {
            putOn(other);
        }
    });
}

void ScreenFollower::added(QScreen* screen) {
    if (!follows_ || screen->name() != wanted_) {
        return;
    }
    QTimer::singleShot(0, this, [this] {
        if (QScreen* returned = ScreenByName(wanted_)) {
            putOn(returned);
        }
    });
}
