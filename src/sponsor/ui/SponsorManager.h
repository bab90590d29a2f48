#pragma once

#include "shared/ui/ImmagineCliccabile.h"
#include "sponsor/Galleria.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <array>
#include <functional>

struct Modulo1;
struct Piattaforma;
class DisplayWindow;

// The sponsor pictures manager: header logo, the gallery five at a time, the band switch.
class SponsorManager : public QDialog {
    Q_OBJECT
public:
    struct Collegamenti {
        Modulo1& modulo;
        Piattaforma& piattaforma;
        DisplayWindow& tabellone;
        std::function<void()> tabelloneNormale; // home on the left, proportional layout
    };
    explicit SponsorManager(Collegamenti c);

    // Also run again after every addition and deletion.
    void Form_Load();
    void HScroll1_Change();
    void Image5_Click();
    void Image7_Click();
    void Image4_Click(int Index);
    void Command3_Click();
    void Image2_Click();
    void Image6_Click();
    void Check1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command1_Click();

    const Galleria& Elenco() const { return galleria_; }

    QLabel* Label2;
    QLabel* Label1;
    ImmagineCliccabile* Image2;
    ImmagineCliccabile* Image6;
    QLabel* Label4;
    QLabel* Image1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command4;
    QLabel* Label3;
    QPushButton* Command3;
    QCheckBox* Check1;
    QGroupBox* Frame1;
    QScrollBar* HScroll1;
    ImmagineCliccabile* Image5;
    ImmagineCliccabile* Image7;
    std::array<QLabel*, SlotGalleria> Image3;
    std::array<ImmagineCliccabile*, SlotGalleria> Image4;
    QLabel* Picture1;

private:
    void CreaControlli();
    void MostraFinestra();
    QString ScegliImmagine(const char* titolo);
    // False, with the reason told, when the chosen file is not a picture or cannot be written.
    bool Converti(const QString& sorgente, const QString& destinazione);

    Collegamenti c_;
    Galleria galleria_;
};
