#include "control/ui/RemoteWindow.h"

#include "control/Telecomando.h"
#include "control/ui/CodiceQr.h"
#include "live/Indirizzi.h"
#include "platform/Impostazioni.h"
#include "shared/Modulo1.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QNetworkInterface>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
constexpr int LatoModulo = 8;
} // namespace

RemoteWindow::RemoteWindow(const Modulo1& modulo, Impostazioni& impostazioni,
                       Telecomando& telecomando, quint16 porta, bool lan)
    : modulo_(modulo), impostazioni_(impostazioni), telecomando_(telecomando), porta_(porta),
      lan_(lan) {
    setObjectName(QStringLiteral("RemoteWindow"));
    setModal(true);
    auto t = [this](const char* testo) { return modulo_.Traduci(QString::fromUtf8(testo)); };
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
    deckSecretLabel = new QLabel(this);
    deckSecretLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    devicesList = new QTreeWidget(this);
    devicesList->setHeaderLabels({t("Browser"), t("Indirizzo"), t("Ultimo accesso")});
    devicesList->setRootIsDecorated(false);
    devicesList->setMinimumHeight(90);
    revokeButton = new QPushButton(t("Revoca"), this);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(newSecretButton);
    pulsanti->addStretch();
    pulsanti->addWidget(closeButton);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(qrImage, 1);
    colonna->addWidget(linkLabel);
    colonna->addWidget(hintLabel);
    colonna->addWidget(new QLabel(t("Dispositivi associati"), this));
    colonna->addWidget(devicesList);
    colonna->addWidget(revokeButton, 0, Qt::AlignRight);
    colonna->addWidget(deckSecretLabel);
    colonna->addLayout(pulsanti);
    connect(newSecretButton, &QPushButton::clicked, this, [this] { newSecret(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(revokeButton, &QPushButton::clicked, this, &RemoteWindow::revokeSelectedDevice);
    // A code lives two minutes: the one shown is always fresh enough to scan.
    pairingTimer_.setInterval(static_cast<int>(Accesso::DurataCodice * 3 / 4));
    connect(&pairingTimer_, &QTimer::timeout, this, &RemoteWindow::renewPairingCode);
    devicesTimer_.setInterval(2000);
    connect(&devicesTimer_, &QTimer::timeout, this, &RemoteWindow::listDevices);
    impostazioni_.Scrivi(QStringLiteral("HubToken"), telecomando_.Sicurezza().Segreto());
    Mostra();
}

void RemoteWindow::Mostra() {
    auto t = [this](const char* testo) { return modulo_.Traduci(QString::fromUtf8(testo)); };
    indirizzo_.clear();
    base_.clear();
    if (porta_ == 0) {
        qrImage->clear();
        linkLabel->clear();
        deckSecretLabel->clear();
        listDevices();
        hintLabel->setText(t("L'uscita live è spenta: scegli una porta nei Settaggi."));
        return;
    }
    QStringList macchina;
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        macchina.append(a.toString());
    }
    const QStringList basi = IndirizziLive(porta_, lan_, macchina);
    // A phone needs the machine's network address; this machine's own is the last resort.
    QString base = basi.value(0);
    for (qsizetype i = basi.size() - 1; i > 0; --i) {
        if (!basi[i].contains(u'[') || base == basi.value(0)) {
            base = basi[i];
        }
    }
    base_ = base;
    hintLabel->setText(
        lan_ ? t("Inquadra il codice con il telefono, sulla stessa rete del computer: il codice "
                 "vale due minuti e una volta sola, poi il telefono resta associato finché non lo "
                 "revochi. Un nuovo codice segreto esclude tutti i telefoni e le pulsantiere.")
             : t("Per usare un telefono rendi l'uscita live raggiungibile dalla rete locale "
                 "nei Settaggi."));
    deckSecretLabel->setText(t("Segreto per pulsantiere e script:") + u' ' + telecomando_.Sicurezza().Segreto());
    renewPairingCode();
    listDevices();
    pairingTimer_.start();
    devicesTimer_.start();
}

void RemoteWindow::renewPairingCode() {
    if (base_.isEmpty()) {
        return;
    }
    indirizzo_ = base_ + QStringLiteral("remote?pair=") + telecomando_.Sicurezza().NuovoCodice(telecomando_.Adesso());
    qrImage->setPixmap(QPixmap::fromImage(CodiceQr(indirizzo_, LatoModulo)));
    linkLabel->setText(indirizzo_);
}

void RemoteWindow::listDevices() {
    const qint64 adesso = telecomando_.Adesso();
    const QDateTime ora = QDateTime::currentDateTime();
    const QVariant scelto = devicesList->currentItem() != nullptr ? devicesList->currentItem()->data(0, Qt::UserRole) : QVariant();
    devicesList->clear();
    for (const Accesso::Dispositivo& d : telecomando_.Sicurezza().Dispositivi(adesso)) {
        auto* riga = new QTreeWidgetItem(
            devicesList, {d.browser, d.indirizzo, ora.addMSecs(d.ultimo - adesso).toString(QStringLiteral("dd/MM HH:mm"))});
        riga->setData(0, Qt::UserRole, d.numero);
        if (scelto == riga->data(0, Qt::UserRole)) {
            devicesList->setCurrentItem(riga);
        }
    }
    revokeButton->setEnabled(devicesList->topLevelItemCount() > 0);
}

void RemoteWindow::revokeSelectedDevice() {
    if (const QTreeWidgetItem* riga = devicesList->currentItem()) {
        telecomando_.Sicurezza().Revoca(riga->data(0, Qt::UserRole).toULongLong());
        listDevices();
    }
}

void RemoteWindow::newSecret() {
    telecomando_.Sicurezza().ImpostaSegreto(RinnovaSegreto(impostazioni_));
    telecomando_.Sicurezza().RevocaTutto();
    Mostra();
}
