#pragma once

#include "shared/Geometry.h"
#include "shared/ui/Drawing.h"
#include "stats/Statistics.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <array>
#include <vector>

struct Match;
struct CommonSettings;
struct Platform;

// The points summary of one side: every athlete with total and points per type, and its export.
class PointsSummary : public QDialog {
    Q_OBJECT
  public:
    PointsSummary(const Match& match, int team, const CommonSettings& common, Platform& platform);

    void load();
    void layOutControls();
    void closeSummary();
    void exportSummary();

    QLabel* titleLabel;
    // The column headings: number, surname, total, then the five point types.
    std::array<QLabel*, 8> Headers;
    QScrollArea* Lines;
    // One row a player: number, surname, total, types 0..4.
    std::vector<std::array<QLabel*, 8>> Cells;
    QPushButton* okButton;
    QPushButton* exportButton;

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    const Match& match_;
    int team_;
    const CommonSettings& common_;
    Platform& platform_;
    std::vector<SummaryLine> lines_;
    Controls controls_;
    ControlsGeometry geometry_;
};
