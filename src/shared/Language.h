#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The language table of Languages.csv: Italian keys in column 0, one column per language.
class LanguageTable {
  public:
    static constexpr int Lines = 1001;
    static constexpr int Columns = 10;
    static constexpr int HeaderFields = 20;
    static constexpr int LanguagesInMenu = 9;

    // Line 1 is free text, line 2 the header, then one row per line. Cells a new load does
    // not reach keep what they held.
    void Load(const QStringList& lines);

    // The text in the current language; Italian, and anything not in the table, unchanged.
    QString Translate(const QString& text) const;

    // Header fields ("ENG English") and their codes, entries 1..20 (index 0 unused).
    const std::array<QString, HeaderFields + 1>& LanguageNames() const { return names_; }
    const std::array<QString, HeaderFields + 1>& LanguageCodes() const { return codes_; }

    QString CurrentLanguage = QStringLiteral("ITA");
    int LanguageColumn = 0;

  private:
    std::vector<std::array<QString, Columns>> table_ =
        std::vector<std::array<QString, Columns>>(Lines);
    std::array<QString, HeaderFields + 1> names_;
    std::array<QString, HeaderFields + 1> codes_;
};
