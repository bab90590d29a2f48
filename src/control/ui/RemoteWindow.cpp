#include "control/ui/RemoteWindow.h"
#include "shared/SettingsTable.h"

#include "control/Messages.h"
#include "control/Remote.h"
#include "control/RemoteData.h"
#include "control/ui/QrCode.h"
#include "live/Addresses.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "shared/CommonSettings.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QNetworkInterface>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
constexpr int ModuleSide = 8;
} // namespace

RemoteWindow::RemoteWindow(const CommonSettings& common, Dialogs& dialogs, Settings& settings,
                           Remote& remote, quint16 port, bool lan)
    : common_(common), dialogs_(dialogs), settings_(settings), remote_(remote), port_(port),
      lan_(lan) {
    setObjectName(QStringLiteral("RemoteWindow"));
    setModal(true);
    auto t = [this](const char* text) { return common_.Translate(QString::fromUtf8(text)); };
    setWindowTitle(t("Remote"));
    qrImage = new QLabel(this);
    qrImage->setAlignment(Qt::AlignCenter);
    linkLabel = new QLabel(this);
    linkLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    linkLabel->setWordWrap(true);
    linkLabel->setAlignment(Qt::AlignCenter);
    hintLabel = new QLabel(this);
    hintLabel->setWordWrap(true);
    newSecretButton = new QPushButton(t("Nuovo codice segreto"), this);
    closeButton = new QPushButton(t("Chiudi"), this);
    // Return closes; it must never cut off every paired phone and deck.
    newSecretButton->setAutoDefault(false);
    closeButton->setDefault(true);
    deckSecretLabel = new QLabel(this);
    deckSecretLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    devicesList = new QTreeWidget(this);
    devicesList->setHeaderLabels({t("Browser"), t("Indirizzo"), t("Ultimo accesso")});
    devicesList->setRootIsDecorated(false);
    devicesList->setMinimumHeight(90);
    revokeButton = new QPushButton(t("Revoca"), this);
    revokeButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newSecretButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* column = new QVBoxLayout(this);
    column->addWidget(qrImage, 1);
    column->addWidget(linkLabel);
    column->addWidget(hintLabel);
    column->addWidget(new QLabel(t("Dispositivi associati"), this));
    column->addWidget(devicesList);
    column->addWidget(revokeButton, 0, Qt::AlignRight);
    column->addWidget(deckSecretLabel);
    column->addLayout(buttons);
    connect(newSecretButton, &QPushButton::clicked, this, [this] { newSecret(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(this, &QDialog::finished, this, [this] { remote_.Safety().ForgetCodes(); });
    connect(revokeButton, &QPushButton::clicked, this, &RemoteWindow::revokeSelectedDevice);
    // A code lives two minutes: the one shown is always fresh enough to scan.
    pairingTimer_.setInterval(static_cast<int>(Access::CodeDuration * 3 / 4));
    connect(&pairingTimer_, &QTimer::timeout, this, &RemoteWindow::renewPairingCode);
    devicesTimer_.setInterval(2000);
    connect(&devicesTimer_, &QTimer::timeout, this, &RemoteWindow::listDevices);
    WriteText(settings_, Setting::RemoteSecret, remote_.Safety().Secret());
    refresh();
}

void RemoteWindow::refresh() {
    auto t = [this](const char* text) { return common_.Translate(QString::fromUtf8(text)); };
    address_.clear();
    base_.clear();
    if (port_ == 0) {
        qrImage->clear();
        linkLabel->clear();
        deckSecretLabel->clear();
        listDevices();
        // The port chosen in the Settings may be taken by another program: say so, as the
        // console did, rather than call the output switched off.
        const int chosen = ReadNumber(settings_, Setting::LivePort);
        hintLabel->setText(chosen > 0
                               ? PortInUseText(common_.Languages, static_cast<quint16>(chosen))
                               : t("L'uscita live è spenta: scegli una porta nei Settaggi."));
        return;
    }
    QStringList machine;
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        machine.append(a.toString());
    }
    const QStringList bases = LiveAddresses(port_, lan_, machine);
    // A phone needs the machine's network address; this machine's own is the last resort.
    QString base = bases.value(0);
    for (qsizetype i = bases.size() - 1; i > 0; --i) {
        if (!bases[i].contains(u'[') || base == bases.value(0)) {
            base = bases[i];
        }
    }
    base_ = base;
    hintLabel->setText(
        lan_ ? t("Inquadra il codice con il telefono, sulla stessa rete del computer: il codice "
                 "vale due minuti e una volta sola, poi il telefono resta associato finché non lo "
                 "revochi. Un nuovo codice segreto esclude tutti i telefoni e le pulsantiere.")
             : t("Per usare un telefono rendi l'uscita live raggiungibile dalla rete locale "
                 "nei Settaggi."));
    deckSecretLabel->setText(t("Segreto per pulsantiere e script:") + u' ' +
                             remote_.Safety().Secret());
    renewPairingCode();
    listDevices();
    pairingTimer_.start();
    devicesTimer_.start();
}

void RemoteWindow::renewPairingCode() {
    if (base_.isEmpty()) {
        return;
    }
    address_ = base_ + QStringLiteral("remote?pair=") + remote_.Safety().NewCode(remote_.Now());
    qrImage->setPixmap(QPixmap::fromImage(QrCode(address_, ModuleSide)));
    linkLabel->setText(address_);
}

void RemoteWindow::listDevices() {
    const qint64 now = remote_.Now();
    const QDateTime wallNow = QDateTime::currentDateTime();
    const QVariant chosen = devicesList->currentItem() != nullptr
                                ? devicesList->currentItem()->data(0, Qt::UserRole)
                                : QVariant();
    devicesList->clear();
    for (const Access::Device& d : remote_.Safety().Devices(now)) {
        auto* line = new QTreeWidgetItem(
            devicesList, {d.browser, d.address,
                          wallNow.addMSecs(d.last - now).toString(QStringLiteral("dd/MM HH:mm"))});
        line->setData(0, Qt::UserRole, d.number);
        if (chosen == line->data(0, Qt::UserRole)) {
            devicesList->setCurrentItem(line);
        }
    }
    revokeButton->setEnabled(devicesList->topLevelItemCount() > 0);
}

void RemoteWindow::revokeSelectedDevice() {
    if (const QTreeWidgetItem* line = devicesList->currentItem()) {
        remote_.Safety().Revoke(line->data(0, Qt::UserRole).toULongLong());
        listDevices();
    }
}

void RemoteWindow::newSecret() {
    if (dialogs_.Message(common_.Translate(QString::fromUtf8(ControlMessages::NewSecretQuestion)),
                         Buttons::YesNo, Default::GiveUp) != Answer::Yes) {
        return;
    }
    remote_.Safety().SetSecret(RenewSecret(settings_));
    remote_.Safety().RevokeAll();
    refresh();
}
