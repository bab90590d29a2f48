#pragma once

#include <QString>

class Cartelle {
public:
    virtual ~Cartelle() = default;
    // "" when the platform has none.
    virtual QString Documenti() const = 0;
    virtual QString Programma() const = 0;
    virtual QString Temporanea() const = 0;
    // The user's own data folder (backups, and the data of an installed program); "" when
    // the platform has none.
    virtual QString Utente() const = 0;
    // Whether files can be created in the program folder.
    virtual bool ProgrammaScrivibile() const = 0;
};
