#pragma once

#include "teams/RosterImport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <vector>

struct CommonSettings;

// Why a row stays out, in the operator's language: "Riga 4: numero usato due volte (7)".
QString RefusedLine(const RosterImport::Refused& refused, const CommonSettings& common);

// A spreadsheet before its rows reach the roster: what each column holds (guessed, changeable),
// whether the first row is titles, and every row that will not be taken with its reason.
class SpreadsheetPreview : public QDialog {
    Q_OBJECT
  public:
    SpreadsheetPreview(const RosterImport::Table& table, const CommonSettings& common);

    const RosterImport::Columns& columns() const { return columns_; }
    // The rows that will be taken, at most a roster's worth.
    const QList<RosterImport::Row>& rows() const { return result_.rows; }

    // One box a column, above the cells: what the column holds.
    std::vector<QComboBox*> fieldBoxes;
    QCheckBox* headerCheck;
    QTableWidget* cells;
    QLabel* summary;
    QListWidget* refusedList;
    QDialogButtonBox* buttons;

  private:
    void chooseField(int column, int field);
    void refresh();
    QString t(const char* text) const;

    const RosterImport::Table& table_;
    const CommonSettings& common_;
    RosterImport::Columns columns_;
    RosterImport::Result result_;
};
