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
    void closeSummary();
    void exportSummary();

    QLabel* titleLabel;
    // The column headings: number, surname, total, then the five point types.
    std::array<QLabel*, 8> Intestazioni;
    QScrollArea* Righe;
    // One row a player: number, surname, total, types 0..4.
    std::vector<std::array<QLabel*, 8>> Celle;
    QPushButton* okButton;
    QPushButton* exportButton;

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
