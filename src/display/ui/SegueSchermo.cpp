#include "display/ui/SegueSchermo.h"

#include "display/Schermi.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QWidget>

SegueSchermo::SegueSchermo(QWidget& display, QWidget& console)
    : display_(display), console_(console) {
    connect(qApp, &QGuiApplication::screenAdded, this, &SegueSchermo::Aggiunto);
    connect(qApp, &QGuiApplication::screenRemoved, this, &SegueSchermo::Tolto);
}

namespace {
QList<Schermo> Elenco(const QScreen* senza = nullptr) {
    QList<Schermo> elenco;
    for (const QScreen* s : QGuiApplication::screens()) {
        if (s != senza) {
            elenco.append({s->name(), s->geometry()});
        }
    }
    return elenco;
}

QScreen* SchermoDiNome(const QString& nome, const QScreen* senza = nullptr) {
    for (QScreen* s : QGuiApplication::screens()) {
        if (s != senza && s->name() == nome) {
            return s;
        }
    }
    return nullptr;
}
} // namespace

void SegueSchermo::Colloca() {
    const QList<Schermo> schermi = Elenco();
    const int i = SchermoDelDisplay(schermi, console_.frameGeometry().center(), scelto_);
    if (i < 0) {
        return;
    }
    voluto_ = schermi[i].Nome;
    segue_ = true;
    MettiSu(QGuiApplication::screens()[i]);
}

void SegueSchermo::Ricorda() {
    if (const QScreen* s = display_.screen()) {
        voluto_ = s->name();
        segue_ = true;
    }
}

void SegueSchermo::Lascia() {
    segue_ = false;
}

void SegueSchermo::MettiSu(QScreen* schermo) {
    const QRect area = schermo->geometry();
    display_.showNormal();
    if (QWindow* finestra = display_.windowHandle()) {
        finestra->setScreen(schermo);
    }
    display_.move(area.topLeft());
    display_.resize(area.size());
    display_.showFullScreen();
}

// Qt moves the windows of a screen that goes after this signal, and learns a new screen's
// place after that one: the display moves on the next turn, once Qt is done.
void SegueSchermo::Tolto(QScreen* schermo) {
    if (!segue_ || schermo->name() != voluto_) {
        return;
    }
    QTimer::singleShot(0, this, [this] {
        const QList<Schermo> rimasti = Elenco();
        const int i = SchermoDelDisplay(rimasti, console_.frameGeometry().center(), scelto_);
        if (QScreen* altro = i < 0 ? nullptr : SchermoDiNome(rimasti[i].Nome)) {
            MettiSu(altro);
        }
    });
}

void SegueSchermo::Aggiunto(QScreen* schermo) {
    if (!segue_ || schermo->name() != voluto_) {
        return;
    }
    QTimer::singleShot(0, this, [this] {
        if (QScreen* tornato = SchermoDiNome(voluto_)) {
            MettiSu(tornato);
        }
    });
}
