#include "console/ui/ScorerChooser.h"

#include "shared/CommonSettings.h"
#include "teams/Searches.h"

#include <QLabel>
#include <QVBoxLayout>

ScorerChooser::ScorerChooser(std::vector<Athlete> athletes, const QString& current,
                             const CommonSettings& common, QWidget* parent)
    : QDialog(parent), athletes_(std::move(athletes)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(common.Translate(QStringLiteral("Chi ha fatto il punto?")), this));
    athleteList = new QListWidget(this);
    for (const Athlete& a : athletes_) {
        athleteList->addItem(a.Number.trimmed() + u' ' + CapitalisedName(a.Surname) + u' ' +
                             CapitalisedName(a.Name));
        if (a.Number.trimmed().compare(current.trimmed(), Qt::CaseInsensitive) == 0) {
            athleteList->setCurrentRow(athleteList->count() - 1);
        }
    }
    layout->addWidget(athleteList);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(athleteList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

QString ScorerChooser::chosenNumber() const {
    const int row = athleteList->currentRow();
    return row >= 0 && row < static_cast<int>(athletes_.size()) ? athletes_[row].Number.trimmed()
                                                                : QString();
}
