#include "shared/SetLabel.h"

#include <gtest/gtest.h>

TEST(SetLabelTest, EachLanguageWritesItsOwnOrdinal) {
    struct Case {
        const char* language;
        int set;
        const char* label;
    };
    const Case cases[] = {
        {"ITA", 1, "1° SET"},
        {"ITA", 5, "5° SET"},
        {"ENG", 1, "1st SET"},
        {"ENG", 2, "2nd SET"},
        {"ENG", 3, "3rd SET"},
        {"ENG", 4, "4th SET"},
        {"ENG", 11, "11th SET"},
        {"ENG", 12, "12th SET"},
        {"ENG", 21, "21st SET"},
        {"FRA", 1, "1er SET"},
        {"FRA", 2, "2e SET"},
        {"FRA", 5, "5e SET"},
        {"DEU", 1, "1. SATZ"},
        {"DEU", 4, "4. SATZ"},
        {"ESP", 1, "1.er SET"},
        {"ESP", 2, "2.º SET"},
        {"ESP", 3, "3.er SET"},
        {"ESP", 5, "5.º SET"},
        // A column a club added to Languages.csv: no ordinal known, never the Italian one.
        {"POR", 2, "SET 2"},
        {"", 1, "SET 1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QString::fromUtf8(c.label), OrdinalSetLabel(QLatin1String(c.language), c.set))
            << c.language << ' ' << c.set;
    }
}
