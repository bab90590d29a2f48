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
    while (MenuLN.size() > 1) {
        ManuLn->removeAction(MenuLN.back());
        delete MenuLN.back();
        MenuLN.pop_back();
    }
    const auto& codici = lingue.CodiciLingua();
    const auto& nomi = lingue.NomiLingua();
    for (int i = 1; i <= TabellaLingue::LingueNelMenu; ++i) {
        if (codici[i].isEmpty() || codici[i] == QStringLiteral("ITA")) {
            continue;
        }
        QAction* voce = MenuLN[0];
        if (i > 1) {
            voce = ManuLn->addAction(QString());
            voce->setCheckable(true);
            MenuLN.resize(std::max<size_t>(MenuLN.size(), static_cast<size_t>(i)));
            MenuLN[static_cast<size_t>(i - 1)] = voce;
            connect(voce, &QAction::triggered, this, [this, i] { MenuLN_Click(i - 1); });
        }
        voce->setText(nomi[i].mid(4));
        voce->setChecked(codici[i] == lingue.LinguaCorrente);
        if (codici[i] == lingue.LinguaCorrente) {
            lingue.ColonnaLingua = i - 1;
        }
    }
}

void ConsoleWindow::MenuLN_Click(int Index) {
    TabellaLingue& lingue = modulo_.Lingue;
    const auto& codici = lingue.CodiciLingua();
    lingue.ColonnaLingua = Index;
    lingue.LinguaCorrente = codici[static_cast<size_t>(Index + 1)];
    for (int i = 1; i <= TabellaLingue::LingueNelMenu; ++i) {
        if (codici[i].isEmpty() || static_cast<size_t>(i - 1) >= MenuLN.size() ||
            MenuLN[static_cast<size_t>(i - 1)] == nullptr) {
            continue;
        }
        MenuLN[static_cast<size_t>(i - 1)]->setText(lingue.NomiLingua()[i].mid(4));
        MenuLN[static_cast<size_t>(i - 1)]->setChecked(codici[i] == lingue.LinguaCorrente);
    }
    piattaforma_.impostazioni.Scrivi(QStringLiteral("Language"), lingue.LinguaCorrente);
    for (int lato = 0; lato < 2; ++lato) {
        if (List1[lato]->currentItem() != nullptr) {
            List1_DblClick(lato);
        }
    }
    Form_Load();
    for (int lato = 0; lato < 2; ++lato) {
        List2[lato]->clear();
        const QPixmap logo = PictureSalva[lato]->pixmap();
        Image2[lato]->setPixmap(logo);
        display_->MostraLogo(lato, logo);
    }
    activateWindow();
}
