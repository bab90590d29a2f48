#pragma once

#include "control/Actions.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <optional>

struct CommonSettings;
class Dialogs;

// "Tasti": every action with its key; the operator picks an action, presses its new key.
class KeysWindow : public QDialog {
    Q_OBJECT
  public:
    KeysWindow(const CommonSettings& common, Dialogs& dialogs, const KeysMap& map);

    const KeysMap& map() const { return map_; }
    // Waits for the next key for the selected action.
    void changeKey();
    void clearKey();
    void restoreDefaults();
    // The key pressed while waiting; refused with a message when another action has it.
    void newKey(const QString& key);

    QTableWidget* Table;
    QLabel* hintLabel;
    QPushButton* changeButton;
    QPushButton* noKeyButton;
    QPushButton* defaultsButton;
    QPushButton* okButton;
    QPushButton* cancelButton;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void refresh();
    QString actionName(Action a) const;

    const CommonSettings& common_;
    Dialogs& dialogs_;
    KeysMap map_;
    std::optional<Action> pending_;
};
