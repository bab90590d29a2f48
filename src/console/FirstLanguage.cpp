#include "console/FirstLanguage.h"

#include "platform/Settings.h"
#include "shared/Language.h"
#include "shared/SettingsTable.h"

#include <algorithm>

namespace {

struct LocaleLanguage {
    const char* prefix; // the locale name's language part
    const char* code;   // the column of Languages.csv
};

constexpr LocaleLanguage LocaleLanguages[] = {
    {"it", "ITA"}, {"en", "ENG"}, {"fr", "FRA"}, {"de", "DEU"}, {"es", "ESP"},
};

int ColumnOf(const LanguageTable& languages, const QString& code) {
    const auto& codes = languages.LanguageCodes();
    const auto found = std::find(codes.begin() + 1, codes.end(), code);
    return found == codes.end() ? -1 : static_cast<int>(found - codes.begin()) - 1;
}

} // namespace

bool AsksForLanguage(const Settings& settings) {
    return settings.Read(KeyOf(Setting::Language)).isEmpty();
}

QString OfferedLanguage(const QString& localeName, const LanguageTable& languages) {
    const QString prefix = localeName.left(2).toLower();
    for (const LocaleLanguage& l : LocaleLanguages) {
        const QString code = QLatin1String(l.code);
        if (prefix == QLatin1String(l.prefix) && ColumnOf(languages, code) >= 0) {
            return code;
        }
    }
    return QStringLiteral("ENG");
}

bool SelectLanguage(LanguageTable& languages, const QString& code) {
    const int column = ColumnOf(languages, code);
    if (column < 0) {
        return false;
    }
    languages.LanguageColumn = column;
    languages.CurrentLanguage = code;
    return true;
}
