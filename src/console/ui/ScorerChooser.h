#pragma once

#include "teams/Teams.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <vector>

struct CommonSettings;

// Picks the athlete a rally is credited to, from the side's athletes; the current one chosen.
class ScorerChooser : public QDialog {
    Q_OBJECT
  public:
    ScorerChooser(std::vector<Athlete> athletes, const QString& current,
                  const CommonSettings& common, QWidget* parent);

    // The chosen athlete's shirt number; empty when none is chosen.
    QString chosenNumber() const;

    QListWidget* athleteList;
    QDialogButtonBox* buttons;

  private:
    std::vector<Athlete> athletes_;
};
