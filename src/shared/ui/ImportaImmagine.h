#pragma once

#include <QString>

class Dialoghi;
struct Modulo1;

// A picture chosen by the user copied into the program's folders as JPEG; a refusal is told
// to the user, so callers announce only what really happened.
bool ImportaImmagine(const QString& sorgente, const QString& destinazione, Dialoghi& dialoghi,
                     const Modulo1& modulo);
