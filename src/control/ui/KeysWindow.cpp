#include "control/ui/KeysWindow.h"

#include "control/Messages.h"
#include "platform/Dialogs.h"
#include "shared/CommonSettings.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QVBoxLayout>

KeysWindow::KeysWindow(const CommonSettings& common, Dialogs& dialogs, const KeysMap& map)
    : common_(common), dialogs_(dialogs), map_(map) {
    setObjectName(QStringLiteral("KeysWindow"));
    setModal(true);
    auto t = [this](const char* text) { return common_.Translate(QString::fromUtf8(text)); };
    setWindowTitle(t("Tasti"));
    Table = new QTableWidget(ActionCount, 2, this);
    Table->setHorizontalHeaderLabels({t("Azione"), t("Tasto")});
    Table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->installEventFilter(this);
    hintLabel = new QLabel(this);
    hintLabel->setWordWrap(true);
    changeButton = new QPushButton(t("Cambia tasto"), this);
    noKeyButton = new QPushButton(t("Nessun tasto"), this);
    defaultsButton = new QPushButton(t("Predefiniti"), this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(t("Annulla"), this);
    for (QPushButton* b : {changeButton, noKeyButton, defaultsButton, okButton, cancelButton}) {
        // Return and Esc belong to the key being recorded, never to a default button.
        b->setAutoDefault(false);
        b->installEventFilter(this);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(changeButton);
    buttons->addWidget(noKeyButton);
    buttons->addWidget(defaultsButton);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Table);
    column->addWidget(hintLabel);
    column->addLayout(buttons);
    resize(560, 640);
    connect(changeButton, &QPushButton::clicked, this, [this] { changeKey(); });
    connect(noKeyButton, &QPushButton::clicked, this, [this] { clearKey(); });
    connect(defaultsButton, &QPushButton::clicked, this, [this] { restoreDefaults(); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(Table, &QTableWidget::cellDoubleClicked, this, [this] { changeKey(); });
    refresh();
    Table->selectRow(0);
}

QString KeysWindow::actionName(Action a) const {
    return common_.Translate(QString::fromUtf8(Definition(a).caption));
}

void KeysWindow::refresh() {
    for (int line = 0; line < ActionCount; ++line) {
        const Action a = Actions()[line].action;
        Table->setItem(line, 0, new QTableWidgetItem(actionName(a)));
        Table->setItem(line, 1,
                       new QTableWidgetItem(QKeySequence(map_.Key(a), QKeySequence::PortableText)
                                                .toString(QKeySequence::NativeText)));
    }
}

void KeysWindow::changeKey() {
    const int line = Table->currentRow();
    if (line < 0) {
        return;
    }
    pending_ = Actions()[line].action;
    hintLabel->setText(common_.Translate(QStringLiteral("Premi il nuovo tasto per:")) + u' ' +
                       actionName(*pending_));
    Table->setFocus();
}

void KeysWindow::clearKey() {
    const int line = Table->currentRow();
    if (line >= 0) {
        map_.Assign(Actions()[line].action, QString());
        refresh();
    }
}

void KeysWindow::restoreDefaults() {
    map_ = KeysMap::Default();
    pending_.reset();
    hintLabel->clear();
    refresh();
}

void KeysWindow::newKey(const QString& key) {
    if (!pending_) {
        return;
    }
    const Action a = *pending_;
    pending_.reset();
    hintLabel->clear();
    if (const auto other = map_.Assign(a, key)) {
        dialogs_.Message(common_.Translate(ControlMessages::KeyInUse) + QStringLiteral(" ") +
                             actionName(*other),
                         Buttons::Ok);
        return;
    }
    refresh();
}

bool KeysWindow::eventFilter(QObject* object, QEvent* event) {
    if (pending_ && event->type() == QEvent::KeyPress) {
        const auto* e = static_cast<QKeyEvent*>(event);
        switch (e->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_unknown:
            return true;
        default:
            newKey(QKeySequence(e->keyCombination()).toString(QKeySequence::PortableText));
            return true;
        }
    }
    if (object == Table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            changeKey();
            return true;
        }
    }
    return QDialog::eventFilter(object, event);
}
