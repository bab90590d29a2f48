#include "stats/ui/PointsSummary.h"

#include "match/Match.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "shared/CommonSettings.h"
#include "shared/FileText.h"
#include "shared/SaveDialog.h"
#include "stats/Messages.h"

#include <QFileInfo>

namespace {
// Left edge of each column, in twips, as the headings stand.
constexpr int Columns[8] = {300, 900, 4800, 5700, 7080, 8280, 9540, 10680};
const char* const HeaderTexts[8] = {"N.",  "COGNOME", "Punti",       "Non spec.",
                                    "Ace", "Muro",    "Schiacciata", "Pallonetto"};
constexpr int HeadersLeft[8] = {300, 840, 4140, 5220, 7020, 8100, 9180, 10500};
} // namespace

PointsSummary::PointsSummary(const Match& match, int team, const CommonSettings& common,
                             Platform& platform)
    : match_(match), team_(team), common_(common), platform_(platform) {
    setObjectName(QStringLiteral("PointsSummary"));
    setWindowTitle(QStringLiteral("Brivanta"));
    setModal(true);
    resize(TwipsInPixel(12255), TwipsInPixel(8205));
    const QFont character = Character(QStringLiteral("Tahoma"), 9.75, true);
    titleLabel = new QLabel(this);
    Place(titleLabel, 300, 60, 11700, 375);
    titleLabel->setFont(Character(QStringLiteral("Tahoma"), 12, true));
    titleLabel->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 8; ++i) {
        Headers[i] = new QLabel(this);
        Place(Headers[i], HeadersLeft[i], i < 2 ? 540 : 600, 1400, 300);
        Headers[i]->setFont(character);
    }
    // Rows that do not fit scroll, above the buttons.
    Lines = new QScrollArea(this);
    Place(Lines, 120, 900, 12015, 6720);
    Lines->setFrameShape(QFrame::NoFrame);
    Lines->setWidgetResizable(true);
    Lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    Place(okButton, 11160, 7740, 975, 375);
    exportButton = new QPushButton(this);
    Place(exportButton, 9540, 7740, 1500, 375);
    connect(okButton, &QPushButton::clicked, this, [this] { closeSummary(); });
    connect(exportButton, &QPushButton::clicked, this, [this] { exportSummary(); });
}

void PointsSummary::load() {
    auto t = [this](const char* text) { return common_.Translate(QString::fromUtf8(text)); };
    // The table holds this text once, as the tooltip's; the heading is its capitals.
    titleLabel->setText(t("RIEPILOGO ED ASSEGNAZIONE PUNTI").toUpper());
    for (int i = 0; i < 8; ++i) {
        Headers[i]->setText(t(HeaderTexts[i]));
    }
    exportButton->setText(t("Salva in Excel"));
    lines_ = Summary(match_.Rosters[team_ == 0 ? 0 : 1], team_ == 0 ? 0 : 1,
                     CreditedPoints(match_.History));
    auto* table = new QWidget;
    auto* grid = new QGridLayout(table);
    grid->setContentsMargins(TwipsInPixel(180), 0, 0, 0);
    grid->setVerticalSpacing(TwipsInPixel(45));
    const QFont character = Character(QStringLiteral("Tahoma"), 9.75);
    for (int c = 0; c < 8; ++c) {
        grid->setColumnMinimumWidth(c, TwipsInPixel((c < 7 ? Columns[c + 1] : 11800) - Columns[c]));
    }
    Cells.clear();
    for (size_t q = 0; q < lines_.size(); ++q) {
        const SummaryLine& r = lines_[q];
        const QString texts[8] = {r.Number,
                                  r.Surname,
                                  QString::number(r.Total),
                                  QString::number(r.ByType[0]),
                                  QString::number(r.ByType[1]),
                                  QString::number(r.ByType[2]),
                                  QString::number(r.ByType[3]),
                                  QString::number(r.ByType[4])};
        std::array<QLabel*, 8> line{};
        for (int c = 0; c < 8; ++c) {
            line[c] = new QLabel(texts[c]);
            line[c]->setFont(character);
            grid->addWidget(line[c], static_cast<int>(q), c);
        }
        Cells.push_back(line);
    }
    grid->setRowStretch(static_cast<int>(lines_.size()), 1);
    Lines->setWidget(table);
    controls_.clear();
    controls_.push_back({titleLabel, true});
    for (int i = 0; i < 8; ++i) {
        controls_.push_back({Headers[i], true});
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Lines, okButton, exportButton}) {
        controls_.push_back({w, w != Lines});
    }
    geometry_ = RecordGeometry(InTwips(size()), controls_);
}

void PointsSummary::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    layOutControls();
}

void PointsSummary::layOutControls() {
    if (isMinimized() || geometry_.empty()) {
        return;
    }
    GeometryScale(geometry_, InTwips(size()), controls_, true);
}

void PointsSummary::closeSummary() {
    accept();
}

void PointsSummary::exportSummary() {
    auto& dialogs = platform_.dialogs;
    auto t = [this](const char* text) { return common_.Translate(QString::fromUtf8(text)); };
    const SaveChoice choice =
        SaveDialog(dialogs, QStringLiteral("Brivanta (*.csv)"), common_.DataFolder,
                   QStringLiteral("Save File"), QString());
    if (!choice.ChoiceMade) {
        dialogs.Message(t("Non hai selezionato nessun file, operazione annullata"), Buttons::Ok);
        return;
    }
    QString path = choice.ChosenFile;
    if (path.right(4).toUpper() != QStringLiteral(".CSV")) {
        path += QStringLiteral(".csv");
    }
    if (QFileInfo::exists(path) &&
        dialogs.Message(t("Il file") + QStringLiteral(" :") + path + u' ' +
                            t("esiste già. Vuoi sovrascrivere questa partita?"),
                        Buttons::YesNo, Default::GiveUp) == Answer::No) {
        return;
    }
    if (!WriteTextFile(path, ExportLines(lines_))) {
        dialogs.Message(t(StatsMessages::SummaryNotSaved) + QStringLiteral(" : ") + path,
                        Buttons::Ok);
        return;
    }
    platform_.shell.Open(path);
}
