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
