// The console's team choice and point attribution.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "shared/Numeri.h"
#include "shared/ui/Immagini.h"
#include "teams/SceltaSquadra.h"
#include "teams/Squadre.h"

namespace {
// Logos are shown at most this wide anywhere; decoding more is wasted.
constexpr int LarghezzaLogo = 512;
} // namespace

void ConsoleWindow::dbclicca(int lato) {
    const QListWidgetItem* voce = teamLists[lato]->currentItem();
    const SquadraScelta s =
        ScegliSquadra(modulo_.CartellaDati, voce != nullptr ? voce->text() : QString(),
                      modulo_.Lingue);
    partita_.NomeSquadra[lato] = s.Nome;
    logoAtteso_[lato] = s.Logo;
    const auto pronto = s.Logo.isEmpty() ? std::optional<QImage>(QImage())
                                         : loghi_.Pronta(s.Logo, LarghezzaLogo);
    MostraLogo(lato, pronto.value_or(QImage()));
    if (!pronto) {
        loghi_.Prepara(s.Logo, LarghezzaLogo);
    }
    rosterLists[lato]->clear();
    rosterLists[lato]->addItems(s.Righe);
    partita_.Tabellone.Nome[lato] = s.Nome;
    partita_.Rose[lato] = s.Atleti;
    Aggiorna();
}

void ConsoleWindow::MostraLogo(int lato, const QImage& logo) {
    const QPixmap immagine = logo.isNull() ? smallTeamLogos[lato]->pixmap() : QPixmap::fromImage(logo);
    teamLogos[lato]->setPixmap(immagine);
    display_->MostraLogo(lato, immagine);
}


void ConsoleWindow::chooseTeam(int Index) {
    dbclicca(Index);
    if (modulo_.VersoTabellone == -1) {
        sidesSwappedMark->setChecked(true);
    }
}

void ConsoleWindow::ScegliDaFile(int lato, const QString& nome) {
    const auto trovate = teamLists[lato]->findItems(
        nome, lato == 0 ? Qt::MatchExactly | Qt::MatchCaseSensitive : Qt::MatchFixedString);
    if (nome.isEmpty() || trovate.isEmpty()) {
        return;
    }
    teamLists[lato]->setCurrentItem(trovate.first());
    dbclicca(lato);
}

void ConsoleWindow::pickAthlete(int Index) {
    const QListWidgetItem* voce = rosterLists[Index]->currentItem();
    if (voce == nullptr) {
        return;
    }
    const QString codice = CodiceDaRiga(voce->text());
    codeBoxes[Index]->setText(codice);
    if (codice != QStringLiteral("E") && ValoreNumerico(codice) > 0) {
        partita_.NumeroMarcatore = codice;
        partita_.NomeMarcatore = NomeDaRiga(voce->text());
        PreparaFotoMarcatore(Index);
    }
}

void ConsoleWindow::scoreForAthlete(int Index) {
    pickAthlete(Index);
    changeScore(Index == 0 ? 0 : 3);
    if (modulo_.VersoTabellone == -1) {
        sidesSwappedMark->setChecked(true);
    }
}

void ConsoleWindow::PreparaFotoMarcatore(int lato) {
    display_->PreparaFotoAtleta(
        FotoAtleta(CartellaSquadra(modulo_.CartellaDati, partita_.NomeSquadra[lato]),
                   partita_.NumeroMarcatore));
}
