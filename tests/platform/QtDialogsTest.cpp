#include "platform/qt/QtDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct DefaultCase {
    Buttons buttons;
    Default byDefault;
    QMessageBox::StandardButton expected;
};

class QtDialogsTest : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(QtDialogsTest, TheCallerChoosesWhatReturnPresses) {
    QtDialogs dialogs;
    const auto box =
        dialogs.CreateMessage(QStringLiteral("?"), GetParam().buttons, GetParam().byDefault);
    EXPECT_EQ(box->button(GetParam().expected), box->defaultButton());
    EXPECT_EQ(QStringLiteral("Brivanta"), box->windowTitle());
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, QtDialogsTest,
    ::testing::Values(DefaultCase{Buttons::Ok, Default::Confirm, QMessageBox::Ok},
                      DefaultCase{Buttons::YesNo, Default::Confirm, QMessageBox::Yes},
                      DefaultCase{Buttons::YesNo, Default::GiveUp, QMessageBox::No},
                      DefaultCase{Buttons::OkCancel, Default::Confirm, QMessageBox::Ok},
                      DefaultCase{Buttons::OkCancel, Default::GiveUp, QMessageBox::Cancel}));

// An operator reads the buttons of a question that can throw a match away in their language.
TEST(QtDialogsLanguageTest, StandardButtonsSpeakTheProgramsLanguage) {
    struct Case {
        const char* language;
        const char* si;
        const char* no;
        const char* cancel;
    };
    QtDialogs dialogs;
    for (const Case& c :
         {Case{"ITA", "&Sì", "&No", "Annulla"}, Case{"FRA", "&Oui", "&Non", "Annuler"},
          Case{"DEU", "&Ja", "&Nein", "Abbrechen"}, Case{"ESP", "&Sí", "&No", "Cancelar"},
          Case{"ENG", "&Yes", "&No", "Cancel"}}) {
        dialogs.SetLanguage(QString::fromLatin1(c.language));
        const auto box =
            dialogs.CreateMessage(QStringLiteral("?"), Buttons::YesNoCancel, Default::GiveUp);
        EXPECT_EQ(QString::fromUtf8(c.si), box->button(QMessageBox::Yes)->text()) << c.language;
        EXPECT_EQ(QString::fromUtf8(c.no), box->button(QMessageBox::No)->text()) << c.language;
        EXPECT_EQ(QString::fromUtf8(c.cancel), box->button(QMessageBox::Cancel)->text())
            << c.language;
    }
}

TEST(QtDialogsParentTest, MessagesBelongOverTheConsoleOrTheOpenModalWindow) {
    QtDialogs dialogs;
    QMainWindow console;
    QWidget display;
    display.show();
    display.activateWindow();
    dialogs.SetMainWindow(&console);
    EXPECT_EQ(&console, dialogs.Parent()) << "not the display, not the whole screen";
    EXPECT_EQ(
        &console,
        dialogs.CreateMessage(QStringLiteral("?"), Buttons::Ok, Default::Confirm)->parentWidget());
    QDialog editor(&console);
    editor.setModal(true);
    editor.show();
    EXPECT_EQ(&editor, dialogs.Parent());
}

// The full disk's notice must not hold the remote's requests, which wait while a modal
// window is open: it is shown and returns at once.
TEST(QtDialogsNoticeTest, ANoticeShowsOverTheConsoleAndHoldsNothing) {
    QtDialogs dialogs;
    QMainWindow console;
    console.show();
    dialogs.SetMainWindow(&console);
    dialogs.Notice(QStringLiteral("Disco pieno"));
    EXPECT_EQ(nullptr, QApplication::activeModalWidget());
    auto* box = console.findChild<QMessageBox*>();
    ASSERT_NE(nullptr, box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(QStringLiteral("Disco pieno"), box->text());
    box->close();
}

} // namespace
