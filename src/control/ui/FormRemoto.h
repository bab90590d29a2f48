#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

struct Modulo1;
class Impostazioni;
class Telecomando;

// "Remote": the phone page's address with its secret, as text and as a QR code, and a new
// secret on demand.
class FormRemoto : public QDialog {
    Q_OBJECT
public:
    FormRemoto(const Modulo1& modulo, Impostazioni& impostazioni, Telecomando& telecomando,
               quint16 porta, bool lan);

    // The address the QR code carries; empty while the live output is off.
    QString Indirizzo() const { return indirizzo_; }
    void CommandNuovo_Click();

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* CommandNuovo;
    QPushButton* CommandChiudi;

private:
    void Mostra();

    const Modulo1& modulo_;
    Impostazioni& impostazioni_;
    Telecomando& telecomando_;
    quint16 porta_;
    bool lan_;
    QString indirizzo_;
};
