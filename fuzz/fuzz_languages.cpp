// A Languages.csv edited by a translator: load it, switch to every language, translate.
#include "shared/FileText.h"
#include "shared/Language.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    const QStringList lines =
        DecodeLines(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(n)));
    LanguageTable languages;
    languages.Load(lines);
    const auto codes = languages.LanguageCodes();
    const QString key = lines.size() > 2 ? lines[2].section(u';', 0, 0) : QString();
    for (int i = 1; i < static_cast<int>(codes.size()); ++i) {
        if (codes[static_cast<size_t>(i)].isEmpty()) {
            continue;
        }
        languages.CurrentLanguage = codes[static_cast<size_t>(i)];
        languages.LanguageColumn = i - 1;
        languages.Translate(key);
    }
    return 0;
}
