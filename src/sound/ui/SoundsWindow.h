#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <array>

struct Modulo1;
struct Piattaforma;
class Lettore;

// The exultation sounds: one file per point type, on or off, and the longest duration.
class SoundsWindow : public QDialog {
    Q_OBJECT
public:
    SoundsWindow(Modulo1& modulo, Lettore& lettore, Piattaforma& piattaforma, QTimer& timerEsultanza);

    void Form_Load();
    void Check1_Click();
    void HScroll1_Change();
    void Image7_Click(int Index);
    void Image11_Click(int Index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    // Annulla, Esc and the title bar alike: a test sound never plays on.
    void reject() override;

    QGroupBox* Frame1;
    std::array<QLabel*, 5> Label1;
    std::array<QLabel*, 5> Label2;
    std::array<QToolButton*, 5> Image7;
    std::array<QToolButton*, 5> Image11;
    QCheckBox* Check1;
    QLabel* Label3;
    QScrollBar* HScroll1;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;

private:
    void CreaControlli();
    QString CartellaSuoni() const;

    Modulo1& modulo_;
    Lettore& lettore_;
    Piattaforma& piattaforma_;
    QTimer& timerEsultanza_;
};
