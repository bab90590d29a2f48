// The language table and the "Lingua" menu.
#include "console/FirstLanguage.h"
#include "console/ui/ConsoleWindow.h"
#include "console/ui/LanguageQuestion.h"
#include "platform/Dialogs.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"
#include "platform/Settings.h"
#include "shared/FileText.h"
#include "shared/SettingsTable.h"
#include "shared/UserData.h"

#include <QDir>

namespace {
// A language table is a few hundred rows; a file this big is not one.
constexpr qint64 MaxTableSize = 4LL * 1024 * 1024;
} // namespace

void ConsoleWindow::loadLanguages() {
    const auto lines = ReadTextFile(
        QDir(common_.ProgramFolder).filePath(QStringLiteral("Languages.csv")), MaxTableSize);
    if (!lines) {
        return;
    }
    LanguageTable& languages = common_.Languages;
    languages.Load(*lines);
    while (languageActions.size() > 1) {
        languageMenu->removeAction(languageActions.back());
        delete languageActions.back();
        languageActions.pop_back();
    }
    const auto& codes = languages.LanguageCodes();
    const auto& names = languages.LanguageNames();
    for (int i = 1; i <= LanguageTable::LanguagesInMenu; ++i) {
        if (codes[i].isEmpty() || codes[i] == QStringLiteral("ITA")) {
            continue;
        }
        QAction* item = languageActions[0];
        if (i > 1) {
            item = languageMenu->addAction(QString());
            item->setCheckable(true);
            languageActions.resize(
                std::max<size_t>(languageActions.size(), static_cast<size_t>(i)));
            languageActions[static_cast<size_t>(i - 1)] = item;
            connect(item, &QAction::triggered, this, [this, i] { chooseLanguage(i - 1); });
        }
        item->setText(names[i].mid(4));
        item->setChecked(codes[i] == languages.CurrentLanguage);
        if (codes[i] == languages.CurrentLanguage) {
            languages.LanguageColumn = i - 1;
        }
    }
}

void ConsoleWindow::askLanguageOnce(const QString& systemLocale) {
    if (!AsksForLanguage(platform_.settings)) {
        return;
    }
    const auto lines = ReadTextFile(
        QDir(ProgramFolder(platform_.folders)).filePath(QStringLiteral("Languages.csv")),
        MaxTableSize);
    if (!lines) {
        return; // no table, nothing to choose from: the program speaks Italian
    }
    LanguageTable languages;
    languages.Load(*lines);
    const QString offered = OfferedLanguage(systemLocale, languages);
    SelectLanguage(languages, offered);
    platform_.dialogs.SetLanguage(offered);
    LanguageQuestion question(languages, offered);
    platform_.modal.Show(question);
    const QString chosen = question.chosenLanguage();
    WriteText(platform_.settings, Setting::Language, chosen.isEmpty() ? offered : chosen);
}

void ConsoleWindow::chooseLanguage(int index) {
    LanguageTable& languages = common_.Languages;
    const auto& codes = languages.LanguageCodes();
    languages.LanguageColumn = index;
    languages.CurrentLanguage = codes[static_cast<size_t>(index + 1)];
    for (int i = 1; i <= LanguageTable::LanguagesInMenu; ++i) {
        if (codes[i].isEmpty() || static_cast<size_t>(i - 1) >= languageActions.size() ||
            languageActions[static_cast<size_t>(i - 1)] == nullptr) {
            continue;
        }
        languageActions[static_cast<size_t>(i - 1)]->setText(languages.LanguageNames()[i].mid(4));
        languageActions[static_cast<size_t>(i - 1)]->setChecked(codes[i] ==
                                                                languages.CurrentLanguage);
    }
    WriteText(platform_.settings, Setting::Language, languages.CurrentLanguage);
    // The start-up sequence chooses the teams again, their rosters in the new language.
    load();
    activateWindow();
}
