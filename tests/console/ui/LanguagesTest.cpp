#include "console/ui/LanguageQuestion.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class LanguagesTest : public ::testing::Test {
  protected:
    LanguagesTest() {
        QFile::copy(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv",
                    a.program + QStringLiteral("/Languages.csv"));
    }
    std::unique_ptr<ConsoleProbe> Start() {
        auto c = std::make_unique<ConsoleProbe>(a.f.platform);
        c->load();
        return c;
    }
    QStringList Menu(const ConsoleProbe& c) const {
        QStringList items;
        for (const QAction* v : c.languageActions()) {
            items << (v != nullptr ? v->text() + (v->isChecked() ? "*" : "") : QStringLiteral("-"));
        }
        return items;
    }
    static QStringList Items(const QListWidget& list) {
        QStringList items;
        for (int i = 0; i < list.count(); ++i) {
            items << list.item(i)->text();
        }
        return items;
    }
    Environment a;
};

TEST_F(LanguagesTest, TheMenuOffersTheHeaderLanguages) {
    auto c = Start();
    EXPECT_EQ((QStringList{"Italiano*", "English", "Français", "Deutsch", "Español"}), Menu(*c));
    c->load();
    EXPECT_EQ(5u, c->languageActions().size()) << "a second start-up does not add items again";
}

TEST_F(LanguagesTest, StoredLanguageTranslatesEverythingAtStartUp) {
    a.f.settings.values[QStringLiteral("Language")] = QStringLiteral("DEU");
    auto c = Start();
    EXPECT_EQ(3, c->common().Languages.LanguageColumn);
    EXPECT_EQ(QStringLiteral("Beenden"), c->exitCaption());
    EXPECT_EQ(QStringLiteral("Heim"), c->display().homeNameLabel()->text());
    EXPECT_EQ(QStringLiteral("1. SATZ"), c->statisticsChoices().at(1));
    EXPECT_EQ((QStringList{"Italiano", "English", "Français", "Deutsch*", "Español"}), Menu(*c));
    EXPECT_EQ(QStringLiteral("DEU"), a.f.dialogs.Language) << "the standard buttons too";
}

TEST_F(LanguagesTest, SwitchingMidMatchKeepsTheScoreAndTheHistory) {
    auto c = Start();
    c->changeScore(0);
    c->changeScore(0);
    c->chooseLanguage(1);
    EXPECT_EQ(QStringLiteral("ENG"), a.f.settings.values.value(QStringLiteral("Language")));
    EXPECT_EQ(QStringLiteral("Exit"), c->exitCaption());
    EXPECT_EQ(QStringLiteral("1st SET"), c->match().SetLabel);
    EXPECT_EQ(3, c->historyCount());
    EXPECT_EQ(QStringLiteral("2"), c->shownScore(0));
    EXPECT_EQ(0, c->rosterList(0)->count());
    EXPECT_EQ((QStringList{"Italiano", "English*", "Français", "Deutsch", "Español"}), Menu(*c));
    EXPECT_EQ(QStringLiteral("ENG"), a.f.dialogs.Language);
    c->chooseLanguage(0);
    EXPECT_EQ(QStringLiteral("Esci"), c->exitCaption());
    EXPECT_EQ(QStringLiteral("ITA"), a.f.settings.values.value(QStringLiteral("Language")));
}

TEST_F(LanguagesTest, TheSetIsCalledByTheLanguagesOwnOrdinal) {
    struct Case {
        const char* language;
        const char* label;
    };
    for (const Case& c : {Case{"ITA", "1° SET"}, Case{"ENG", "1st SET"}, Case{"FRA", "1er SET"},
                          Case{"DEU", "1. SATZ"}, Case{"ESP", "1.er SET"}}) {
        a.f.settings.values[QStringLiteral("Language")] = QLatin1String(c.language);
        auto console = Start();
        const QString label = QString::fromUtf8(c.label);
        console->changeScore(3);
        console->changeScore(3);
        console->showLeadingTeam();
        EXPECT_EQ(label, console->display().setLabel()->text()) << c.language;
        EXPECT_EQ(label + QStringLiteral(" :  0 - 2 "), console->display().scorerName()->text())
            << c.language << ": the leading team's line";
        EXPECT_EQ(label, console->statisticsChoices().at(1)) << c.language;
    }
}

TEST_F(LanguagesTest, TheFirstStartAsksTheLanguageOnceOfferingTheSystemsOwn) {
    a.f.modal.Expect([&](QDialog& window) {
        auto& question = dynamic_cast<LanguageQuestion&>(window);
        EXPECT_EQ(QStringLiteral("English"), question.choices->currentItem()->text())
            << "an English system is offered English";
        EXPECT_TRUE(question.prompt->text().startsWith(QStringLiteral("Choose Brivanta's")));
        EXPECT_EQ((QStringList{"Italiano", "English", "Français", "Deutsch", "Español"}),
                  Items(*question.choices));
        question.choices->setCurrentRow(3);
        question.okButton->click();
    });
    auto c = std::make_unique<ConsoleProbe>(a.f.platform);
    c->window().askLanguageOnce(QStringLiteral("en_US"));
    EXPECT_EQ(QStringLiteral("DEU"), a.f.settings.values.value(QStringLiteral("Language")));
    c->load();
    EXPECT_EQ(QStringLiteral("Beenden"), c->exitCaption());

    auto again = std::make_unique<ConsoleProbe>(a.f.platform);
    again->window().askLanguageOnce(QStringLiteral("fr_FR"));
    EXPECT_EQ(QStringLiteral("DEU"), a.f.settings.values.value(QStringLiteral("Language")))
        << "a stored language asks nothing (an unexpected window fails the test)";
}

TEST_F(LanguagesTest, TheQuestionClosedWithoutAChoiceKeepsTheOfferedLanguage) {
    a.f.modal.Expect([](QDialog& window) { window.reject(); });
    ConsoleProbe c(a.f.platform);
    c.window().askLanguageOnce(QStringLiteral("es_ES"));
    EXPECT_EQ(QStringLiteral("ESP"), a.f.settings.values.value(QStringLiteral("Language")))
        << "asked once: the next start does not ask again";
}

// The settings file kept as it was on a full disk is told in the operator's language, with the
// file and the system's reason; once the console is gone, nobody is told.
TEST_F(LanguagesTest, SettingsNotWrittenAreToldInTheOperatorsLanguage) {
    a.f.settings.values[QStringLiteral("Language")] = QStringLiteral("ENG");
    auto c = Start();
    ASSERT_TRUE(a.f.settings.notStored);
    const QString file = a.root.filePath(QStringLiteral("Brivanta.conf"));
    const QString message = QStringLiteral("The settings cannot be saved: the settings file stays "
                                           "as it was.\n\n") +
                            QDir::toNativeSeparators(file) +
                            QStringLiteral(": No space left on device");
    a.f.dialogs.Expect(message);
    a.f.settings.notStored(file, QStringLiteral("No space left on device"));
    EXPECT_EQ(1, a.f.dialogs.Shown.count(message));
    c.reset();
    EXPECT_FALSE(a.f.settings.notStored);
}

TEST_F(LanguagesTest, NoTableKeepsItalian) {
    QFile::remove(a.program + QStringLiteral("/Languages.csv"));
    ConsoleProbe(a.f.platform).window().askLanguageOnce(QStringLiteral("en_US"));
    EXPECT_FALSE(a.f.settings.values.contains(QStringLiteral("Language")))
        << "nothing to choose from: no question, nothing stored";
    a.f.settings.values[QStringLiteral("Language")] = QStringLiteral("ENG");
    auto c = Start();
    EXPECT_EQ(QStringLiteral("Esci"), c->exitCaption());
    EXPECT_EQ(1u, c->languageActions().size());
}

} // namespace
