#include "shared/Product.h"

#include "shared/FileText.h"
#include "shared/Language.h"

#include <gtest/gtest.h>

namespace {

LanguageTable ShippedTable(const QString& code, int column) {
    LanguageTable languages;
    const auto lines = ReadTextFile(QStringLiteral(BRIVANTA_DATA "/Languages.csv"), 1 << 20);
    EXPECT_TRUE(lines.has_value());
    languages.Load(lines.value_or(QStringList{}));
    languages.CurrentLanguage = code;
    languages.LanguageColumn = column;
    return languages;
}

TEST(UpdateNoticeTest, SaysInTheOperatorsLanguageWhetherThereIsAPageToOpen) {
    const Version v{2, 3, 4};
    struct Case {
        const char* language;
        int column;
        const char* address;
        const char* text;
    };
    const Case cases[] = {
        {"ITA", 0, "",
         "Questa copia di Brivanta non ha un indirizzo da cui cercare gli aggiornamenti.\r\n"
         "Al momento stai usando la versione: 2.3.4"},
        {"ENG", 1, "",
         "This copy of Brivanta has no address to look for updates.\r\n"
         "You are using version: 2.3.4"},
        {"DEU", 3, "",
         "Diese Brivanta-Kopie hat keine Adresse, unter der sie nach Updates suchen kann.\r\n"
         "Sie verwenden die Version: 2.3.4"},
        {"ENG", 1, "https://updates.example.net/brivanta",
         "You are using version: 2.3.4\r\n"
         "Click OK to see the latest version on the Internet."},
    };
    for (const Case& c : cases) {
        const UpdateNotice notice = DecideUpdateNotice(QString::fromLatin1(c.address), v,
                                                       ShippedTable(c.language, c.column));
        EXPECT_EQ(QString::fromUtf8(c.text), notice.Text) << c.language << ' ' << c.address;
        EXPECT_EQ(QString::fromLatin1(c.address), notice.Address) << "nothing opens without one";
    }
}

} // namespace
