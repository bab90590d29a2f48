#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

struct CommonSettings;

// The options' "Live output" frame: the server's port, the LAN switch and the addresses to
// paste into OBS, vMix or a browser.
class LiveBox : public QGroupBox {
    Q_OBJECT
  public:
    LiveBox(const CommonSettings& common, QWidget* parent);
    void Load(quint16 port, bool lan);
    quint16 Port() const { return static_cast<quint16>(Port1->value()); }
    bool Lan() const { return Lan1->isChecked(); }

    QSpinBox* Port1;
    QCheckBox* Lan1;
    QLabel* Addresses;

  private:
    void ShowAddresses();
};
