#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

struct CommonSettings;
class Dialogs;
class Settings;
class Remote;

// "Remote": the phone page's pairing link (a one-time code, renewed before it expires) as text
// and as a QR code, the paired phones with "Revoca", the decks' secret, and a new secret on
// demand, which revokes every phone and deck once the operator confirms it. Return closes the
// window: it never renews the secret.
class RemoteWindow : public QDialog {
    Q_OBJECT
  public:
    // `port` is the one the live server listens on, 0 when it is not running.
    RemoteWindow(const CommonSettings& common, Dialogs& dialogs, Settings& settings, Remote& remote,
                 quint16 port, bool lan);

    // The address the QR code carries; empty while the live output is off.
    QString address() const { return address_; }
    // Asks first (default: keep the secret); a new secret cuts off every phone and deck.
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
    void refresh();

    const CommonSettings& common_;
    Dialogs& dialogs_;
    Settings& settings_;
    Remote& remote_;
    quint16 port_;
    bool lan_;
    QString address_;
    QString base_; // the address the phone reaches this machine at
    QTimer pairingTimer_;
    QTimer devicesTimer_;
};
