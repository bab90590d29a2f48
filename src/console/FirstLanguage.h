#pragma once

#include <QString>

class LanguageTable;
class Settings;

// The language is asked once, at the first start: while no language is stored.
bool AsksForLanguage(const Settings& settings);

// The language the question offers first: the system's ("de_DE", "fr", …) when it is one of
// the table's, else English.
QString OfferedLanguage(const QString& localeName, const LanguageTable& languages);

// Makes `code` the table's current language; false, and nothing changed, when the table has
// no such column.
bool SelectLanguage(LanguageTable& languages, const QString& code);
