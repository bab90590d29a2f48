#pragma once

#include "teams/Squadre.h"

// Roster lookups by shirt number (or staff code), on the first 50 rows of a side's roster.

// First letter upper case, the rest lower, and the letter after the first blank upper case.
QString MaiuscolaNome(const QString& testo);

// Whether the number (or code) is on the roster as the lookups below see it.
bool InRosa(const Rosa& rosa, const QString& numero);
QString CognomeAtleta(const Rosa& rosa, const QString& numero, const TabellaLingue& lingue);
QString NomeAtleta(const Rosa& rosa, const QString& numero);
QString RuoloAtleta(const Rosa& rosa, const QString& numero, const TabellaLingue& lingue);
