#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

struct Modulo1;

// The options' "Live output" frame: the server's port, the LAN switch and the addresses to
// paste into OBS, vMix or a browser.
class RiquadroLive : public QGroupBox {
    Q_OBJECT
public:
    RiquadroLive(const Modulo1& modulo, QWidget* genitore);
    void Carica(quint16 porta, bool lan);
    quint16 Porta() const { return static_cast<quint16>(Porta1->value()); }
    bool Lan() const { return Lan1->isChecked(); }

    QSpinBox* Porta1;
    QCheckBox* Lan1;
    QLabel* Indirizzi;

private:
    void MostraIndirizzi();
};
