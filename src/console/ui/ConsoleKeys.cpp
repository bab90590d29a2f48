// The console without the mouse: the key map, the pending code, Return and Tab.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "platform/Piattaforma.h"
#include "teams/SceltaSquadra.h"

#include <QAbstractButton>
#include <QKeySequence>

namespace {
// Athlete codes are at most this long; more typing starts a new code.
constexpr int LunghezzaCodice = 3;

bool Invio(int tasto) {
    return tasto == Qt::Key_Return || tasto == Qt::Key_Enter;
}
} // namespace

bool ConsoleWindow::EseguiAzione(Azione a) {
    const auto se = [](QWidget* w, auto&& fai) {
        if (!w->isEnabled()) {
            return false;
        }
        fai();
        return true;
    };
    switch (a) {
    case Azione::CasaPiu: return se(scoreButtons[0], [this] { changeScore(0); });
    case Azione::CasaMeno: return se(scoreButtons[1], [this] { changeScore(1); });
    case Azione::OspitiMeno: return se(scoreButtons[2], [this] { changeScore(2); });
    case Azione::OspitiPiu: return se(scoreButtons[3], [this] { changeScore(3); });
    case Azione::Undo: return se(undoButton, [this] { undoLastLine(); });
    case Azione::TimeoutCasa: return se(timeoutIcons[0], [this] { callTimeout(0); });
    case Azione::TimeoutOspiti: return se(timeoutIcons[1], [this] { callTimeout(1); });
    case Azione::Tipo0:
    case Azione::Tipo1:
    case Azione::Tipo2:
    case Azione::Tipo3:
    case Azione::Tipo4:
        choosePointType(static_cast<int>(a) - static_cast<int>(Azione::Tipo0));
        return true;
    case Azione::CodiceE:
        codiceInAttesa_ = QStringLiteral("E");
        MostraCodiceInAttesa();
        return true;
    case Azione::PulisciCodici:
        codiceInAttesa_.clear();
        for (int lato = 0; lato < 2; ++lato) {
            codeBoxes[lato]->clear();
            codeBoxChanged(lato);
        }
        MostraCodiceInAttesa();
        return true;
    case Azione::Anteprima: refreshPreview(); return true;
    case Azione::Statistiche: return se(statisticsButton, [this] { showStatistics(); });
    case Azione::UltimiPunti: return se(lastPointsButton, [this] { showLastPoints(); });
    case Azione::SquadraInTesta: return se(leadingTeamButton, [this] { showLeadingTeam(); });
    case Azione::Presentazione: return se(presentationButton, [this] { togglePresentation(); });
    }
    return false;
}

void ConsoleWindow::Tasto(Azione a) {
    const int lato = a == Azione::CasaPiu ? 0 : 1;

    if ((a == Azione::CasaPiu || a == Azione::OspitiPiu) && !codiceInAttesa_.isEmpty() &&
        scoreButtons[lato == 0 ? 0 : 3]->isEnabled()) {
        ScegliCodice(lato, codiceInAttesa_);
        codiceInAttesa_.clear();
        MostraCodiceInAttesa();
    }
    EseguiAzione(a);
}

int ConsoleWindow::RigaDelCodice(int lato, const QString& codice) const {
    for (int riga = 0; !codice.isEmpty() && riga < rosterLists[lato]->count(); ++riga) {
        if (CodiceDaRiga(rosterLists[lato]->item(riga)->text()).compare(codice, Qt::CaseInsensitive) ==
            0) {
            return riga;
        }
    }
    return -1;
}

void ConsoleWindow::ScegliCodice(int lato, const QString& codice) {
    if (const int riga = RigaDelCodice(lato, codice); riga >= 0) {
        rosterLists[lato]->setCurrentRow(riga);
        pickAthlete(lato);
        return;
    }
    codeBoxes[lato]->setText(codice);
    codeBoxChanged(lato);
}

// A code typed in the box names its athlete as a click on the roster would, so the scorer's
// panel never shows the athlete clicked before.
void ConsoleWindow::codeBoxChanged(int Index) {
    const QString codice = codeBoxes[Index]->text().trimmed();
    const int riga = RigaDelCodice(Index, codice);
    if (riga < 0) {
        partita_.NumeroMarcatore.clear();
        partita_.NomeMarcatore.clear();
    } else if (codice.compare(QStringLiteral("E"), Qt::CaseInsensitive) != 0) {
        partita_.NumeroMarcatore = CodiceDaRiga(rosterLists[Index]->item(riga)->text());
        partita_.NomeMarcatore = NomeDaRiga(rosterLists[Index]->item(riga)->text());
        PreparaFotoMarcatore(Index);
    }
}

void ConsoleWindow::ImpostaTasti(const MappaTasti& tasti) {
    tasti_ = tasti;
    tasti_.Scrivi(piattaforma_.impostazioni);
}

void ConsoleWindow::MostraCodiceInAttesa() {
    for (QLineEdit* t : codeBoxes) {
        t->setPlaceholderText(codiceInAttesa_);
    }
}

void ConsoleWindow::OrdineTab() {
    setTabOrder(codeBoxes[0], scoreButtons[0]);
    setTabOrder(scoreButtons[0], codeBoxes[1]);
    setTabOrder(codeBoxes[1], scoreButtons[3]);
    for (int i = 0; i < 2; ++i) {
        connect(codeBoxes[i], &QLineEdit::textEdited, this, [this, i] { codeBoxChanged(i); });
    }
}

bool ConsoleWindow::TastoPremuto(QWidget* destinatario, const QKeyEvent& e) {
    const int tasto = e.key();
    if (tasto == Qt::Key_unknown || tasto == Qt::Key_Shift || tasto == Qt::Key_Control ||
        tasto == Qt::Key_Alt || tasto == Qt::Key_Meta || tasto == Qt::Key_AltGr) {
        return false;
    }
    const Qt::KeyboardModifiers comandi =
        e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool scrive = !e.text().isEmpty() && e.text()[0].isPrint() && comandi == 0;
    // The display never traps the operator: Esc there is always the way back.
    if (tasto == Qt::Key_Escape && destinatario->window() == display_.get()) {
        TabelloneEsc();
        return true;
    }
    auto* casella = qobject_cast<QLineEdit*>(destinatario);
    if (!(casella != nullptr && scrive)) {
        const QString nome = QKeySequence(e.keyCombination()).toString(QKeySequence::PortableText);
        if (const auto a = tasti_.AzioneDi(nome)) {
            // A number typed in one side's box, then the other side's +1 key: meant for the
            // side of the key.
            const int altro = *a == Azione::CasaPiu ? 1 : *a == Azione::OspitiPiu ? 0 : -1;
            if (altro >= 0 && casella == codeBoxes[altro] && codiceInAttesa_.isEmpty() &&
                !casella->text().trimmed().isEmpty()) {
                codiceInAttesa_ = casella->text().trimmed();
                casella->clear();
                codeBoxChanged(altro);
            }
            Tasto(*a);
            return true;
        }
    }
    if (Invio(tasto) && comandi == 0) {
        for (int i = 0; i < 2; ++i) {
            if (destinatario == codeBoxes[i]) {
                EseguiAzione(i == 0 ? Azione::CasaPiu : Azione::OspitiPiu);
                return true;
            }
            if (destinatario == teamLists[i] && teamLists[i]->currentItem() != nullptr) {
                if (teamLists[i]->isEnabled()) {
                    chooseTeam(i);
                }
                return true;
            }
            if (destinatario == rosterLists[i] && rosterLists[i]->currentItem() != nullptr) {
                if (rosterLists[i]->isEnabled()) {
                    scoreForAthlete(i);
                }
                return true;
            }
        }
        if (auto* pulsante = qobject_cast<QAbstractButton*>(destinatario)) {
            if (pulsante->isEnabled()) {
                pulsante->click();
            }
            return true;
        }
        return false;
    }
    // Typing a code with no box to type in: it waits for a side's +1 key.
    if (casella != nullptr || destinatario == teamLists[0] || destinatario == teamLists[1]) {
        return false;
    }
    if (tasto == Qt::Key_Backspace && !codiceInAttesa_.isEmpty()) {
        codiceInAttesa_.chop(1);
        MostraCodiceInAttesa();
        return true;
    }
    if (scrive && (e.text()[0].isDigit() || e.text().compare(QStringLiteral("e"),
                                                             Qt::CaseInsensitive) == 0)) {
        if (codiceInAttesa_.size() >= LunghezzaCodice || codiceInAttesa_ == QStringLiteral("E")) {
            codiceInAttesa_.clear();
        }
        codiceInAttesa_ += e.text().toUpper();
        if (codiceInAttesa_.size() > 1 && codiceInAttesa_.contains(u'E')) {
            codiceInAttesa_ = e.text().toUpper();
        }
        MostraCodiceInAttesa();
        return true;
    }
    return false;
}
