#include "platform/qt/DialoghiQt.h"

#include <QDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct CasoPredefinito {
    Pulsanti pulsanti;
    Predefinito predefinito;
    QMessageBox::StandardButton atteso;
};

class DialoghiQtTest : public ::testing::TestWithParam<CasoPredefinito> {};

TEST_P(DialoghiQtTest, TheCallerChoosesWhatReturnPresses) {
    DialoghiQt dialoghi;
    const auto box = dialoghi.CreaMessaggio(QStringLiteral("?"), GetParam().pulsanti,
                                            GetParam().predefinito);
    EXPECT_EQ(box->button(GetParam().atteso), box->defaultButton());
    EXPECT_EQ(QStringLiteral("Brivanta"), box->windowTitle());
}

INSTANTIATE_TEST_SUITE_P(
    Pulsanti, DialoghiQtTest,
    ::testing::Values(
        CasoPredefinito{Pulsanti::Ok, Predefinito::Conferma, QMessageBox::Ok},
        CasoPredefinito{Pulsanti::SiNo, Predefinito::Conferma, QMessageBox::Yes},
        CasoPredefinito{Pulsanti::SiNo, Predefinito::Rinuncia, QMessageBox::No},
        CasoPredefinito{Pulsanti::OkAnnulla, Predefinito::Conferma, QMessageBox::Ok},
        CasoPredefinito{Pulsanti::OkAnnulla, Predefinito::Rinuncia, QMessageBox::Cancel}));

// An operator reads the buttons of a question that can throw a match away in their language.
TEST(DialoghiQtLinguaTest, StandardButtonsSpeakTheProgramsLanguage) {
    struct Caso {
        const char* lingua;
        const char* si;
        const char* no;
        const char* annulla;
    };
    DialoghiQt dialoghi;
    for (const Caso& c : {Caso{"ITA", "&Sì", "&No", "Annulla"}, Caso{"FRA", "&Oui", "&Non", "Annuler"},
                          Caso{"DEU", "&Ja", "&Nein", "Abbrechen"}, Caso{"ESP", "&Sí", "&No", "Cancelar"},
                          Caso{"ENG", "&Yes", "&No", "Cancel"}}) {
        dialoghi.ImpostaLingua(QString::fromLatin1(c.lingua));
        const auto box = dialoghi.CreaMessaggio(QStringLiteral("?"), Pulsanti::SiNoAnnulla, Predefinito::Rinuncia);
        EXPECT_EQ(QString::fromUtf8(c.si), box->button(QMessageBox::Yes)->text()) << c.lingua;
        EXPECT_EQ(QString::fromUtf8(c.no), box->button(QMessageBox::No)->text()) << c.lingua;
        EXPECT_EQ(QString::fromUtf8(c.annulla), box->button(QMessageBox::Cancel)->text()) << c.lingua;
    }
}

TEST(DialoghiQtGenitoreTest, MessagesBelongOverTheConsoleOrTheOpenModalWindow) {
    DialoghiQt dialoghi;
    QMainWindow console;
    QWidget display;
    display.show();
    display.activateWindow();
    dialoghi.ImpostaFinestraPrincipale(&console);
    EXPECT_EQ(&console, dialoghi.Genitore()) << "not the display, not the whole screen";
    EXPECT_EQ(&console, dialoghi.CreaMessaggio(QStringLiteral("?"), Pulsanti::Ok,
                                               Predefinito::Conferma)
                            ->parentWidget());
    QDialog editor(&console);
    editor.setModal(true);
    editor.show();
    EXPECT_EQ(&editor, dialoghi.Genitore());
}

} // namespace
