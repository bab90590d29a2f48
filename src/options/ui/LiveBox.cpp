#include "options/ui/LiveBox.h"

#include "control/Messages.h"
#include "live/Addresses.h"
#include "shared/CommonSettings.h"
#include "shared/ui/Drawing.h"

#include <QNetworkInterface>

LiveBox::LiveBox(const CommonSettings& common, QWidget* parent) : QGroupBox(parent) {
    auto t = [&common](const char* text) { return common.Translate(QString::fromUtf8(text)); };
    setTitle(t(ControlMessages::LiveFrame)); // named where the port message points to it
    auto* label = new QLabel(t("Porta (0 = spenta) :"), this);
    Place(label, 180, 300, 1900, 315);
    Port1 = new QSpinBox(this);
    Place(Port1, 2100, 270, 1100, 375);
    Port1->setRange(0, 65535);
    Lan1 = new QCheckBox(t("Raggiungibile dalla rete locale"), this);
    Place(Lan1, 3400, 270, 4000, 375);
    Addresses = new QLabel(this);
    Place(Addresses, 180, 700, 9200, 600);
    Addresses->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Addresses->setWordWrap(true);
    connect(Port1, &QSpinBox::valueChanged, this, [this] { ShowAddresses(); });
    connect(Lan1, &QCheckBox::toggled, this, [this] { ShowAddresses(); });
}

void LiveBox::Load(quint16 port, bool lan) {
    Port1->setValue(port);
    Lan1->setChecked(lan);
    ShowAddresses();
}

void LiveBox::ShowAddresses() {
    QStringList machine;
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        machine.append(a.toString());
    }
    QStringList lines;
    for (const QString& base : LiveAddresses(Port(), Lan(), machine)) {
        lines.append(base + QStringLiteral("overlay   ") + base + QStringLiteral("scoreboard"));
    }
    Addresses->setText(lines.join(u'\n'));
}
