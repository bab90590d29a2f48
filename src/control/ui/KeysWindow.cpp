#include "control/ui/KeysWindow.h"

#include "platform/Dialoghi.h"
#include "shared/Modulo1.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QVBoxLayout>

KeysWindow::KeysWindow(const Modulo1& modulo, Dialoghi& dialoghi, const MappaTasti& mappa)
    : modulo_(modulo), dialoghi_(dialoghi), mappa_(mappa) {
    setObjectName(QStringLiteral("KeysWindow"));
    setModal(true);
    auto t = [this](const char* testo) { return modulo_.Traduci(QString::fromUtf8(testo)); };
    setWindowTitle(t("Tasti"));
    Tabella = new QTableWidget(NumeroAzioni, 2, this);
    Tabella->setHorizontalHeaderLabels({t("Azione"), t("Tasto")});
    Tabella->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Tabella->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    Tabella->verticalHeader()->hide();
    Tabella->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    Tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabella->installEventFilter(this);
    hintLabel = new QLabel(this);
    hintLabel->setWordWrap(true);
    changeButton = new QPushButton(t("Cambia tasto"), this);
    noKeyButton = new QPushButton(t("Nessun tasto"), this);
    defaultsButton = new QPushButton(QStringLiteral("Default"), this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(t("Annulla"), this);
    for (QPushButton* b :
         {changeButton, noKeyButton, defaultsButton, okButton, cancelButton}) {
        // Return and Esc belong to the key being recorded, never to a default button.
        b->setAutoDefault(false);
        b->installEventFilter(this);
    }
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(changeButton);
    pulsanti->addWidget(noKeyButton);
    pulsanti->addWidget(defaultsButton);
    pulsanti->addStretch();
    pulsanti->addWidget(okButton);
    pulsanti->addWidget(cancelButton);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(Tabella);
    colonna->addWidget(hintLabel);
    colonna->addLayout(pulsanti);
    resize(560, 640);
    connect(changeButton, &QPushButton::clicked, this, [this] { changeKey(); });
    connect(noKeyButton, &QPushButton::clicked, this, [this] { clearKey(); });
    connect(defaultsButton, &QPushButton::clicked, this, [this] { restoreDefaults(); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(Tabella, &QTableWidget::cellDoubleClicked, this, [this] { changeKey(); });
    Mostra();
    Tabella->selectRow(0);
}

QString KeysWindow::Nome(Azione a) const {
    return modulo_.Traduci(QString::fromUtf8(Definizione(a).didascalia));
}

void KeysWindow::Mostra() {
    for (int riga = 0; riga < NumeroAzioni; ++riga) {
        const Azione a = Azioni()[riga].azione;
        Tabella->setItem(riga, 0, new QTableWidgetItem(Nome(a)));
        Tabella->setItem(riga, 1,
                         new QTableWidgetItem(QKeySequence(mappa_.Tasto(a), QKeySequence::PortableText)
                                                  .toString(QKeySequence::NativeText)));
    }
}

void KeysWindow::changeKey() {
    const int riga = Tabella->currentRow();
    if (riga < 0) {
        return;
    }
    inAttesa_ = Azioni()[riga].azione;
    hintLabel->setText(modulo_.Traduci(QStringLiteral("Premi il nuovo tasto per:")) + u' ' +
                    Nome(*inAttesa_));
    Tabella->setFocus();
}

void KeysWindow::clearKey() {
    const int riga = Tabella->currentRow();
    if (riga >= 0) {
        mappa_.Assegna(Azioni()[riga].azione, QString());
        Mostra();
    }
}

void KeysWindow::restoreDefaults() {
    mappa_ = MappaTasti::Predefinita();
    inAttesa_.reset();
    hintLabel->clear();
    Mostra();
}

void KeysWindow::NuovoTasto(const QString& tasto) {
    if (!inAttesa_) {
        return;
    }
    const Azione a = *inAttesa_;
    inAttesa_.reset();
    hintLabel->clear();
    if (const auto altra = mappa_.Assegna(a, tasto)) {
        dialoghi_.Messaggio(modulo_.Traduci(QStringLiteral("Questo tasto è già usato per:")) +
                                QStringLiteral(" ") + Nome(*altra),
                            Pulsanti::Ok);
        return;
    }
    Mostra();
}

bool KeysWindow::eventFilter(QObject* oggetto, QEvent* evento) {
    if (inAttesa_ && evento->type() == QEvent::KeyPress) {
        const auto* e = static_cast<QKeyEvent*>(evento);
        switch (e->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_unknown:
            return true;
        default:
            NuovoTasto(QKeySequence(e->keyCombination()).toString(QKeySequence::PortableText));
            return true;
        }
    }
    if (oggetto == Tabella && evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            changeKey();
            return true;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}
