#pragma once

#include "shared/Geometria.h"
#include "shared/ui/Disegno.h"
#include "stats/Statistiche.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <array>
#include <vector>

struct Partita;
struct Modulo1;
struct Piattaforma;

// The points summary of one side: every athlete with total and points per type, and its export.
class PointsSummary : public QDialog {
    Q_OBJECT
public:
    PointsSummary(const Partita& partita, int squadra, const Modulo1& modulo, Piattaforma& piattaforma);

    void Form_Load();
    void Form_Resize();
    void Command1_Click();
    void Command2_Click();

    QLabel* Label17;
    // The headings Label9, Label10, Label11, Label16, Label12, Label14, Label13, Label15.
    std::array<QLabel*, 8> Intestazioni;
    QScrollArea* Righe;
    // Row q: number, surname, total, types 0..4 (Label1(q) .. Label8(q)).
    std::vector<std::array<QLabel*, 8>> Celle;
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    const Partita& partita_;
    int squadra_;
    const Modulo1& modulo_;
    Piattaforma& piattaforma_;
    std::vector<RigaRiepilogo> righe_;
    Controlli controlli_;
    GeometriaControlli geometria_;
};
