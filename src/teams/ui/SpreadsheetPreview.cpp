#include "teams/ui/SpreadsheetPreview.h"

#include "shared/CommonSettings.h"
#include "teams/Teams.h"

#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// More lines than a roster holds are not worth drawing; every line still counts in the summary.
constexpr int ShownLines = 60;
constexpr int ShownColumns = 12;

// In the order of RosterImport::Field, after "none".
const char* const FieldNames[] = {"N.", "Cognome", "Nome", "Ruolo", "Cognome e nome"};

} // namespace

QString RefusedLine(const RosterImport::Refused& refused, const CommonSettings& common) {
    const auto t = [&common](const char* text) {
        return common.Translate(QString::fromUtf8(text));
    };
    const QString number = QStringLiteral(" (") + refused.number + u')';
    QString reason;
    switch (refused.why) {
    case RosterImport::Why::NoNumber:
        reason = t("senza numero");
        break;
    case RosterImport::Why::OutOfRange:
        reason = t("numero fuori intervallo") + number;
        break;
    case RosterImport::Why::UsedTwice:
        reason = t("numero usato due volte") + number;
        break;
    case RosterImport::Why::Semicolon:
        reason = t("contiene un punto e virgola");
        break;
    case RosterImport::Why::RosterFull:
        reason = t("la rosa è già piena") + QStringLiteral(" (") + QString::number(EditorCapacity) +
                 u')';
        break;
    }
    return t("Riga") + u' ' + QString::number(refused.line) + QStringLiteral(": ") + reason;
}

SpreadsheetPreview::SpreadsheetPreview(const RosterImport::Table& table,
                                       const CommonSettings& common)
    : table_(table), common_(common), columns_(RosterImport::Guess(table)) {
    setObjectName(QStringLiteral("SpreadsheetPreview"));
    setWindowTitle(QStringLiteral("Brivanta - ") + t("Apri foglio di calcolo"));
    setModal(true);
    resize(760, 560);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        t("Scegli cosa contiene ogni colonna. Le righe in rosso non saranno prese."), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    headerCheck = new QCheckBox(t("La prima riga contiene i titoli delle colonne"), this);
    headerCheck->setChecked(columns_.header);
    layout->addWidget(headerCheck);

    int width = 0;
    for (const QStringList& row : table_) {
        width = qMax(width, static_cast<int>(row.size()));
    }
    width = qMin(width, ShownColumns);
    const int lines = qMin(static_cast<int>(table_.size()), ShownLines);
    cells = new QTableWidget(lines + 1, width, this);
    cells->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cells->setSelectionMode(QAbstractItemView::NoSelection);
    QStringList letters, numbers{QString()};
    for (int c = 0; c < width; ++c) {
        letters << QString(QChar(u'A' + c));
        auto* box = new QComboBox(cells);
        box->addItem(QStringLiteral("—"));
        // Capitals, as the roster's own column headings.
        for (const char* name : FieldNames) {
            box->addItem(t(name).toUpper());
        }
        box->setCurrentIndex(static_cast<int>(RosterImport::FieldOf(columns_, c)));
        connect(box, &QComboBox::activated, this, [this, c](int field) { chooseField(c, field); });
        cells->setCellWidget(0, c, box);
        fieldBoxes.push_back(box);
    }
    for (int r = 0; r < lines; ++r) {
        numbers << QString::number(r + 1);
        // Empty cells too: a refused row is coloured across, its missing number included.
        for (int c = 0; c < width; ++c) {
            cells->setItem(r + 1, c, new QTableWidgetItem(table_[r].value(c)));
        }
    }
    cells->setHorizontalHeaderLabels(letters);
    cells->setVerticalHeaderLabels(numbers);
    cells->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(cells, 3);

    summary = new QLabel(this);
    layout->addWidget(summary);
    refusedList = new QListWidget(this);
    layout->addWidget(refusedList, 1);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(headerCheck, &QCheckBox::toggled, this, [this](bool on) {
        columns_.header = on;
        refresh();
    });
    refresh();
}

void SpreadsheetPreview::chooseField(int column, int field) {
    RosterImport::Assign(columns_, column, static_cast<RosterImport::Field>(field));
    refresh();
}

void SpreadsheetPreview::refresh() {
    for (size_t c = 0; c < fieldBoxes.size(); ++c) {
        fieldBoxes[c]->setCurrentIndex(
            static_cast<int>(RosterImport::FieldOf(columns_, static_cast<int>(c))));
    }
    result_ = RosterImport::Apply(table_, columns_, EditorCapacity);
    refusedList->clear();
    QList<int> refusedLines;
    for (const RosterImport::Refused& refused : result_.refused) {
        refusedLines << refused.line;
        refusedList->addItem(RefusedLine(refused, common_));
    }
    const int taken = static_cast<int>(result_.rows.size());
    summary->setText(t("Righe prese :") + u' ' + QString::number(taken) + QStringLiteral("    ") +
                     t("Righe non prese :") + u' ' + QString::number(result_.refused.size()));
    for (int r = 1; r < cells->rowCount(); ++r) {
        const bool titles = r == 1 && columns_.header;
        const QBrush brush = titles                     ? palette().alternateBase()
                             : refusedLines.contains(r) ? QBrush(QColor(255, 205, 205))
                                                        : palette().base();
        for (int c = 0; c < cells->columnCount(); ++c) {
            if (QTableWidgetItem* item = cells->item(r, c)) {
                item->setBackground(brush);
                QFont font = item->font();
                font.setBold(titles);
                item->setFont(font);
            }
        }
    }
    buttons->button(QDialogButtonBox::Ok)->setEnabled(taken > 0);
}

QString SpreadsheetPreview::t(const char* text) const {
    return common_.Translate(QString::fromUtf8(text));
}
