#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

struct Modulo1;
class Shell;

// The about box: name, version, what the program does, and how to reach its maker.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(const Modulo1& modulo, Shell& shell);

    void Form_Load();
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
    const Modulo1& modulo_;
    Shell& shell_;
};
