#pragma once

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

class LanguageTable;

// The first start's question: which language the program speaks. Its texts are in the
// language it offers, which is chosen when it opens.
class LanguageQuestion : public QDialog {
    Q_OBJECT
  public:
    LanguageQuestion(const LanguageTable& languages, const QString& offered);

    // The code of the language chosen ("DEU"); the offered one until the operator picks another.
    QString chosenLanguage() const;

    QLabel* prompt;
    QListWidget* choices;
    QPushButton* okButton;

  private:
    QStringList codes_;
};
