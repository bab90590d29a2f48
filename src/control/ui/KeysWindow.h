#pragma once

#include "control/Azioni.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <optional>

struct Modulo1;
class Dialoghi;

// "Tasti": every action with its key; the operator picks an action, presses its new key.
class KeysWindow : public QDialog {
    Q_OBJECT
public:
    KeysWindow(const Modulo1& modulo, Dialoghi& dialoghi, const MappaTasti& mappa);

    const MappaTasti& Mappa() const { return mappa_; }
    // Waits for the next key for the selected action.
    void changeKey();
    void clearKey();
    void restoreDefaults();
    // The key pressed while waiting; refused with a message when another action has it.
    void NuovoTasto(const QString& tasto);

    QTableWidget* Tabella;
    QLabel* hintLabel;
    QPushButton* changeButton;
    QPushButton* noKeyButton;
    QPushButton* defaultsButton;
    QPushButton* okButton;
    QPushButton* cancelButton;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Mostra();
    QString Nome(Azione a) const;

    const Modulo1& modulo_;
    Dialoghi& dialoghi_;
    MappaTasti mappa_;
    std::optional<Azione> inAttesa_;
};
