#pragma once

#include "options/ui/RiquadroLive.h"

#include "display/Colori.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <array>
#include <functional>

struct Partita;
struct Modulo1;
struct Piattaforma;
class DisplayWindow;
class Lettore;

// The options: match rules, language, live-preview speed and the display's colours.
class OptionsWindow : public QDialog {
    Q_OBJECT
public:
    struct Collegamenti {
        Partita& partita;
        Modulo1& modulo;
        Piattaforma& piattaforma;
        DisplayWindow& tabellone;
        QTimer& timerTabellone;
        Lettore& lettore;
        QTimer& timerEsultanza;
        std::function<void()> dopoFinito; // the team lists again, then the start-up sequence
        std::function<void()> apriSponsor;
        std::function<void()> apriSquadre;
    };
    explicit OptionsWindow(Collegamenti c);

    void Form_Load();
    void Combo1_Click();
    void Combo3_Click();
    void CaricaSchermi();
    void HScroll1_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command7_Click();
    void Command6_Click();
    // A click on a colour sample: 0 home name, 1 guests name, 2/3 home/guest score
    // backgrounds, 4/5 home/guest text (Label8(0), Label8(1)), 6 the board (Label8(2)).
    void Campione_Click(int campione);

    QLabel* Label11;
    QComboBox* Combo1;
    QLabel* Label12;
    QComboBox* Combo2;
    QLabel* Label3;
    QComboBox* Combo3;
    QCheckBox* Check1;
    QLabel* Label4;
    QComboBox* Combo4;
    QLabel* Label13;
    QComboBox* Combo5; // the display's screen
    QLabel* Label6;
    QScrollBar* HScroll1;
    QLabel* Label5;
    QLabel* Label7;
    QGroupBox* Frame1;
    QLabel* Label9;
    QPushButton* Command4;
    std::array<QLabel*, 3> Label8;
    QLabel* Label1;
    std::array<QLabel*, 2> LabScore;
    QLabel* Label2;
    QPushButton* Command2;
    QPushButton* Command5;
    QPushButton* Command7;
    QPushButton* Command3;
    QPushButton* Command6;
    QPushButton* Command1;
    RiquadroLive* Live;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void CreaControlli();
    void MostraCampioni();
    void CambioCampo(int puntiTieBreak);

    Collegamenti c_;
    ColoriPannello campioni_{};
};
