#include "stats/ui/PointsSummary.h"

#include "match/Partita.h"
#include "platform/Dialoghi.h"
#include "platform/Piattaforma.h"
#include "platform/Shell.h"
#include "shared/DialogoSalva.h"
#include "shared/Modulo1.h"
#include "shared/TestoFile.h"

#include <QFileInfo>

namespace {
// Left edge of each column, in twips, as the headings stand.
constexpr int Colonne[8] = {300, 900, 4800, 5700, 7080, 8280, 9540, 10680};
const char* const TestiIntestazioni[8] = {"N.",   "COGNOME", "Punti", "Non spec.",
                                          "Ace",  "Muro",    "Schiacciata", "Pallonetto"};
constexpr int SinistraIntestazioni[8] = {300, 840, 4140, 5220, 7020, 8100, 9180, 10500};
} // namespace

PointsSummary::PointsSummary(const Partita& partita, int squadra, const Modulo1& modulo, Piattaforma& piattaforma)
    : partita_(partita), squadra_(squadra), modulo_(modulo), piattaforma_(piattaforma) {
    setObjectName(QStringLiteral("PointsSummary"));
    setWindowTitle(QStringLiteral("Brivanta"));
    setModal(true);
    resize(TwipsInPixel(12255), TwipsInPixel(8205));
    const QFont carattere = Carattere(QStringLiteral("Tahoma"), 9.75, true);
    titleLabel = new QLabel(this);
    Posiziona(titleLabel, 300, 60, 11700, 375);
    titleLabel->setFont(Carattere(QStringLiteral("Tahoma"), 12, true));
    titleLabel->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 8; ++i) {
        Intestazioni[i] = new QLabel(this);
        Posiziona(Intestazioni[i], SinistraIntestazioni[i], i < 2 ? 540 : 600, 1400, 300);
        Intestazioni[i]->setFont(carattere);
    }
    // Rows that do not fit scroll, above the buttons.
    Righe = new QScrollArea(this);
    Posiziona(Righe, 120, 900, 12015, 6720);
    Righe->setFrameShape(QFrame::NoFrame);
    Righe->setWidgetResizable(true);
    Righe->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    Posiziona(okButton, 11160, 7740, 975, 375);
    exportButton = new QPushButton(this);
    Posiziona(exportButton, 9540, 7740, 1500, 375);
    connect(okButton, &QPushButton::clicked, this, [this] { closeSummary(); });
    connect(exportButton, &QPushButton::clicked, this, [this] { exportSummary(); });
}

void PointsSummary::Form_Load() {
    auto t = [this](const char* testo) { return modulo_.Traduci(QString::fromUtf8(testo)); };
    // The table holds this text once, as the tooltip's; the heading is its capitals.
    titleLabel->setText(t("RIEPILOGO ED ASSEGNAZIONE PUNTI").toUpper());
    for (int i = 0; i < 8; ++i) {
        Intestazioni[i]->setText(t(TestiIntestazioni[i]));
    }
    exportButton->setText(t("Salva in Excel"));
    righe_ = Riepilogo(partita_.Rose[squadra_ == 0 ? 0 : 1], squadra_ == 0 ? 0 : 1,
                       PuntiAccreditati(partita_.Storico));
    auto* tabella = new QWidget;
    auto* griglia = new QGridLayout(tabella);
    griglia->setContentsMargins(TwipsInPixel(180), 0, 0, 0);
    griglia->setVerticalSpacing(TwipsInPixel(45));
    const QFont carattere = Carattere(QStringLiteral("Tahoma"), 9.75);
    for (int c = 0; c < 8; ++c) {
        griglia->setColumnMinimumWidth(c, TwipsInPixel((c < 7 ? Colonne[c + 1] : 11800) - Colonne[c]));
    }
    Celle.clear();
    for (size_t q = 0; q < righe_.size(); ++q) {
        const RigaRiepilogo& r = righe_[q];
        const QString testi[8] = {r.Numero, r.Cognome, QString::number(r.Totale),
                                  QString::number(r.PerTipo[0]), QString::number(r.PerTipo[1]),
                                  QString::number(r.PerTipo[2]), QString::number(r.PerTipo[3]),
                                  QString::number(r.PerTipo[4])};
        std::array<QLabel*, 8> riga{};
        for (int c = 0; c < 8; ++c) {
            riga[c] = new QLabel(testi[c]);
            riga[c]->setFont(carattere);
            griglia->addWidget(riga[c], static_cast<int>(q), c);
        }
        Celle.push_back(riga);
    }
    griglia->setRowStretch(static_cast<int>(righe_.size()), 1);
    Righe->setWidget(tabella);
    controlli_.clear();
    controlli_.push_back({titleLabel, true});
    for (int i = 0; i < 8; ++i) {
        controlli_.push_back({Intestazioni[i], true});
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Righe, okButton, exportButton}) {
        controlli_.push_back({w, w != Righe});
    }
    geometria_ = RegistraGeometria(InTwips(size()), controlli_);
}

void PointsSummary::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    Form_Resize();
}

void PointsSummary::Form_Resize() {
    if (isMinimized() || geometria_.empty()) {
        return;
    }
    ScalaGeometria(geometria_, InTwips(size()), controlli_, true);
}

void PointsSummary::closeSummary() {
    accept();
}

void PointsSummary::exportSummary() {
    auto& dialoghi = piattaforma_.dialoghi;
    auto t = [this](const char* testo) { return modulo_.Traduci(QString::fromUtf8(testo)); };
    const SceltaSalva scelta = DialogoSalva(dialoghi, QStringLiteral("Brivanta (*.csv)"),
                                            modulo_.CartellaDati, QStringLiteral("Save File"),
                                            QString());
    if (!scelta.SceltaFatta) {
        dialoghi.Messaggio(t("Non hai selezionato nessun file, operazione annullata"), Pulsanti::Ok);
        return;
    }
    QString percorso = scelta.FileScelto;
    if (percorso.right(4).toUpper() != QStringLiteral(".CSV")) {
        percorso += QStringLiteral(".csv");
    }
    if (QFileInfo::exists(percorso) &&
        dialoghi.Messaggio(t("Il file") + QStringLiteral(" :") + percorso + u' ' +
                               t("esiste già. Vuoi sovrascrivere questa partita?"),
                           Pulsanti::SiNo, Predefinito::Rinuncia) == Risposta::No) {
        return;
    }
    if (!ScriviFileTesto(percorso, RigheEsportazione(righe_))) {
        dialoghi.Messaggio(t("Non è stato possibile salvare il riepilogo nel file") +
                               QStringLiteral(" : ") + percorso,
                           Pulsanti::Ok);
        return;
    }
    piattaforma_.shell.Apri(percorso);
}
