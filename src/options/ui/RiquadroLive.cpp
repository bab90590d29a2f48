#include "options/ui/RiquadroLive.h"

#include "live/Indirizzi.h"
#include "shared/Modulo1.h"
#include "shared/ui/Disegno.h"

#include <QNetworkInterface>

RiquadroLive::RiquadroLive(const Modulo1& modulo, QWidget* genitore) : QGroupBox(genitore) {
    auto t = [&modulo](const char* testo) { return modulo.Traduci(QString::fromUtf8(testo)); };
    setTitle(t("Uscita live (OBS, vMix, altri schermi)"));
    auto* etichetta = new QLabel(t("Porta (0 = spenta) :"), this);
    Posiziona(etichetta, 180, 300, 1900, 315);
    Porta1 = new QSpinBox(this);
    Posiziona(Porta1, 2100, 270, 1100, 375);
    Porta1->setRange(0, 65535);
    Lan1 = new QCheckBox(t("Raggiungibile dalla rete locale"), this);
    Posiziona(Lan1, 3400, 270, 4000, 375);
    Indirizzi = new QLabel(this);
    Posiziona(Indirizzi, 180, 700, 9200, 600);
    Indirizzi->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Indirizzi->setWordWrap(true);
    connect(Porta1, &QSpinBox::valueChanged, this, [this] { MostraIndirizzi(); });
    connect(Lan1, &QCheckBox::toggled, this, [this] { MostraIndirizzi(); });
}

void RiquadroLive::Carica(quint16 porta, bool lan) {
    Porta1->setValue(porta);
    Lan1->setChecked(lan);
    MostraIndirizzi();
}

void RiquadroLive::MostraIndirizzi() {
    QStringList macchina;
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        macchina.append(a.toString());
    }
    QStringList righe;
    for (const QString& base : IndirizziLive(Porta(), Lan(), macchina)) {
        righe.append(base + QStringLiteral("overlay   ") + base + QStringLiteral("scoreboard"));
    }
    Indirizzi->setText(righe.join(u'\n'));
}
