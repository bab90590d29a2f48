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
    void Label1_Click();
    void cmdOK_Click();

    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* Label2;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label4;
    QPushButton* cmdOK;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    const Modulo1& modulo_;
    Shell& shell_;
};
