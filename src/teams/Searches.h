#pragma once

#include "teams/Teams.h"

// Roster lookups by shirt number (or staff code), on the first 50 rows of a side's roster.

// First letter upper case, the rest lower, and the letter after the first blank upper case.
QString CapitalisedName(const QString& text);

// Whether the number (or code) is on the roster as the lookups below see it.
bool InRoster(const Roster& roster, const QString& number);
QString AthleteSurname(const Roster& roster, const QString& number, const LanguageTable& languages);
QString AthleteName(const Roster& roster, const QString& number);
QString AthleteRole(const Roster& roster, const QString& number, const LanguageTable& languages);
