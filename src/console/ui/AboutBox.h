#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

struct CommonSettings;
class Shell;

// The about box: name, version, what the program does, and how to reach its maker.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    AboutBox(const CommonSettings& common, Shell& shell);

    void load();
    void openContact();
    void closeBox();

    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* titleLabel;
    QLabel* picture;
    QLabel* contactLink;
    QLabel* creditsLabel;
    QPushButton* okButton;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    const CommonSettings& common_;
    Shell& shell_;
};
