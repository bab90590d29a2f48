#pragma once

#include <QString>

// The history line formats. Points sit right-aligned in two characters so the
// set number, home and guest points stand at fixed positions.

QString OraStorico(const QString& oraCompleta);
QString CodiceEvento(int lato, const QString& codiceAtleta, int tipoPunto);
QString RigaPunto(int set, int casa, int ospiti, const QString& ora, const QString& codiceEvento);
QString RigaInizioSet(int set, const QString& ora);
