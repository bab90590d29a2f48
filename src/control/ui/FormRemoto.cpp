#include "control/ui/FormRemoto.h"

#include "control/Telecomando.h"
#include "control/ui/CodiceQr.h"
#include "live/Indirizzi.h"
#include "platform/Impostazioni.h"
#include "shared/Modulo1.h"

#include <QHBoxLayout>
#include <QNetworkInterface>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
constexpr int LatoModulo = 8;
} // namespace

FormRemoto::FormRemoto(const Modulo1& modulo, Impostazioni& impostazioni,
                       Telecomando& telecomando, quint16 porta, bool lan)
    : modulo_(modulo), impostazioni_(impostazioni), telecomando_(telecomando), porta_(porta),
      lan_(lan) {
    setObjectName(QStringLiteral("FormRemoto"));
    setModal(true);
    auto t = [this](const char* testo) { return modulo_.Traduci(QString::fromUtf8(testo)); };
    setWindowTitle(t("Remote"));
    Image1 = new QLabel(this);
    Image1->setAlignment(Qt::AlignCenter);
    Label1 = new QLabel(this);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = new QLabel(this);
    Label2->setWordWrap(true);
    CommandNuovo = new QPushButton(t("Nuovo codice segreto"), this);
    CommandChiudi = new QPushButton(t("Chiudi"), this);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(CommandNuovo);
    pulsanti->addStretch();
    pulsanti->addWidget(CommandChiudi);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(Image1, 1);
    colonna->addWidget(Label1);
    colonna->addWidget(Label2);
    colonna->addLayout(pulsanti);
    connect(CommandNuovo, &QPushButton::clicked, this, [this] { CommandNuovo_Click(); });
    connect(CommandChiudi, &QPushButton::clicked, this, &QDialog::accept);
    impostazioni_.Scrivi(QStringLiteral("HubToken"), telecomando_.Sicurezza().Segreto());
    Mostra();
}

void FormRemoto::Mostra() {
    auto t = [this](const char* testo) { return modulo_.Traduci(QString::fromUtf8(testo)); };
    indirizzo_.clear();
    if (porta_ == 0) {
        Image1->clear();
        Label1->clear();
        Label2->setText(t("L'uscita live è spenta: scegli una porta nei Settaggi."));
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
    indirizzo_ = base + QStringLiteral("remote?token=") + telecomando_.Sicurezza().Segreto();
    Image1->setPixmap(QPixmap::fromImage(CodiceQr(indirizzo_, LatoModulo)));
    Label1->setText(indirizzo_);
    Label2->setText(
        lan_ ? t("Inquadra il codice con il telefono, sulla stessa rete del computer. Chi ha "
                 "questo indirizzo può segnare i punti: un nuovo codice segreto esclude i "
                 "telefoni collegati prima.")
             : t("Per usare un telefono rendi l'uscita live raggiungibile dalla rete locale "
                 "nei Settaggi."));
}

void FormRemoto::CommandNuovo_Click() {
    telecomando_.Sicurezza().ImpostaSegreto(RinnovaSegreto(impostazioni_));
    Mostra();
}
