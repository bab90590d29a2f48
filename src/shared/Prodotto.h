#pragma once

#include <QString>

// The program's own identity: version numbers and where its maker can be reached.

struct Versione {
    int Major;
    int Minor;
    int Revision;
};

Versione VersioneProgramma();
// "major.minor.revision"
QString TestoVersione(const Versione& v);

// The one place these addresses live.
QString PaginaProdotto();
QString IndirizzoContatto();

// The update notice, composed whole so it is looked up in the language table as one text.
QString TestoAggiornamento(const Versione& v);
