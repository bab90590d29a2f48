// The language table and the "Lingua" menu.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "platform/Impostazioni.h"
#include "platform/Piattaforma.h"
#include "shared/TestoFile.h"

#include <QDir>

namespace {
// A language table is a few hundred rows; a file this big is not one.
constexpr qint64 DimensioneMassimaTabella = 4LL * 1024 * 1024;
} // namespace

void ConsoleWindow::CaricaLingue() {
    const auto righe = LeggiFileTesto(
        QDir(modulo_.CartellaProgramma).filePath(QStringLiteral("Languages.csv")),
        DimensioneMassimaTabella);
    if (!righe) {
        return;
    }
    TabellaLingue& lingue = modulo_.Lingue;
    lingue.Carica(*righe);
    while (languageActions.size() > 1) {
        languageMenu->removeAction(languageActions.back());
        delete languageActions.back();
        languageActions.pop_back();
    }
    const auto& codici = lingue.CodiciLingua();
    const auto& nomi = lingue.NomiLingua();
    for (int i = 1; i <= TabellaLingue::LingueNelMenu; ++i) {
        if (codici[i].isEmpty() || codici[i] == QStringLiteral("ITA")) {
            continue;
        }
        QAction* voce = languageActions[0];
        if (i > 1) {
            voce = languageMenu->addAction(QString());
            voce->setCheckable(true);
            languageActions.resize(std::max<size_t>(languageActions.size(), static_cast<size_t>(i)));
            languageActions[static_cast<size_t>(i - 1)] = voce;
            connect(voce, &QAction::triggered, this, [this, i] { chooseLanguage(i - 1); });
        }
        voce->setText(nomi[i].mid(4));
        voce->setChecked(codici[i] == lingue.LinguaCorrente);
        if (codici[i] == lingue.LinguaCorrente) {
            lingue.ColonnaLingua = i - 1;
        }
    }
}

void ConsoleWindow::chooseLanguage(int Index) {
    TabellaLingue& lingue = modulo_.Lingue;
    const auto& codici = lingue.CodiciLingua();
    lingue.ColonnaLingua = Index;
    lingue.LinguaCorrente = codici[static_cast<size_t>(Index + 1)];
    for (int i = 1; i <= TabellaLingue::LingueNelMenu; ++i) {
        if (codici[i].isEmpty() || static_cast<size_t>(i - 1) >= languageActions.size() ||
            languageActions[static_cast<size_t>(i - 1)] == nullptr) {
            continue;
        }
        languageActions[static_cast<size_t>(i - 1)]->setText(lingue.NomiLingua()[i].mid(4));
        languageActions[static_cast<size_t>(i - 1)]->setChecked(codici[i] == lingue.LinguaCorrente);
    }
    piattaforma_.impostazioni.Scrivi(QStringLiteral("Language"), lingue.LinguaCorrente);
    for (int lato = 0; lato < 2; ++lato) {
        if (teamLists[lato]->currentItem() != nullptr) {
            chooseTeam(lato);
        }
    }
    Form_Load();
    for (int lato = 0; lato < 2; ++lato) {
        rosterLists[lato]->clear();
        const QPixmap logo = savedTeamLogos[lato]->pixmap();
        teamLogos[lato]->setPixmap(logo);
        display_->MostraLogo(lato, logo);
    }
    activateWindow();
}
