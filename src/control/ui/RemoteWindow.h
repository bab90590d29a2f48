#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

struct Modulo1;
class Impostazioni;
class Telecomando;

// "Remote": the phone page's pairing link (a one-time code, renewed before it expires) as text
// and as a QR code, the paired phones with "Revoca", the decks' secret, and a new secret on
// demand, which revokes every phone and deck.
class RemoteWindow : public QDialog {
    Q_OBJECT
public:
    RemoteWindow(const Modulo1& modulo, Impostazioni& impostazioni, Telecomando& telecomando,
               quint16 porta, bool lan);

    // The address the QR code carries; empty while the live output is off.
    QString Indirizzo() const { return indirizzo_; }
    void newSecret();
    // A fresh pairing code in the QR code; its timer calls it before the last one expires.
    void renewPairingCode();
    // The paired phones as they are now.
    void listDevices();
    void revokeSelectedDevice();

    QLabel* qrImage;
    QLabel* linkLabel;
    QLabel* hintLabel;
    QPushButton* newSecretButton;
    QPushButton* closeButton;
    QLabel* deckSecretLabel;
    QTreeWidget* devicesList;
    QPushButton* revokeButton;

private:
    void Mostra();

    const Modulo1& modulo_;
    Impostazioni& impostazioni_;
    Telecomando& telecomando_;
    quint16 porta_;
    bool lan_;
    QString indirizzo_;
    QString base_; // the address the phone reaches this machine at
    QTimer pairingTimer_;
    QTimer devicesTimer_;
};
