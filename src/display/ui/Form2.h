#pragma once

#include "shared/Geometria.h"
#include "shared/ui/Disegno.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

struct Partita;
class Impostazioni;

// The scoreboard the audience sees. It computes no rules: it shows the record.
class Form2 : public QWidget {
    Q_OBJECT
public:
    Form2(Impostazioni& impostazioni, std::function<void()> richiediLayoutSponsor);

    // The design is recorded once, at creation.
    void Form_Load();
    void Form_Resize();
    void Aggiorna(const Partita& p);
    // The scorer panel slides in over the statistics panel.
    void AvviaScorrimento();
    // End of match: animations off, both lower panels parked below.
    void FermaAnimazioni();
    void NascondiBanner();

    const GeometriaControlli& Geometria() const { return geometria_; }

    QLabel* Image4;
    std::array<QLabel*, 2> Image1;
    QLabel* Label5;
    QLabel* Label4;
    std::array<QLabel*, 5> Label15;
    QLabel* Label1;
    std::array<QLabel*, 2> LabScore;
    QLabel* Label2;
    std::array<QFrame*, 2> Shape1;
    std::array<QLabel*, 2> Label3;
    std::array<QLabel*, 2> Label6;
    std::array<QLabel*, 4> Image8;
    std::array<QLabel*, 5> Image3;
    QLabel* Label7;
    std::array<QFrame*, 2> Frame1;
    QLabel* Label16;
    QLabel* Image6;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label19;
    QLabel* Picture2;
    QLabel* Label8;
    std::array<QLabel*, 2> Label10;
    std::array<QLabel*, 2> Image5;
    std::array<QLabel*, 2> Label9;
    std::array<QLabel*, 4> Label12;
    std::array<QLabel*, 4> Label11;
    std::array<QLabel*, 4> Label13;
    std::array<QLabel*, 4> Label14;
    QFrame* Frame2;
    QLabel* Label20;
    QLabel* Image2;
    QLabel* Label23;
    QLabel* Label22;
    QLabel* Label21;
    QFrame* Frame3;
    QLabel* Label24;
    QLabel* Image7;
    QLabel* Image9;
    QLabel* Picture1;
    std::array<QLabel*, 5> PictureN; // Picture3 .. Picture7
    QTimer Timer1;
    QTimer Timer2;
    QTimer Timer3;
    QTimer Timer4;
    QTimer Timer5;
    QTimer TimerP;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void CreaControlli();
    void CreaPannelli();
    void PosizionaBanner();

    Impostazioni& impostazioni_;
    std::function<void()> richiediLayoutSponsor_;
    Controlli controlli_;
    GeometriaControlli geometria_;
    QString fotoMostrata_;
    QString stilePannello_;
};
