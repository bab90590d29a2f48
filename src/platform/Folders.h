#pragma once

#include <QString>

class Folders {
  public:
    virtual ~Folders() = default;
    // "" when the platform has none.
    virtual QString Documents() const = 0;
    virtual QString Program() const = 0;
    virtual QString Temporary() const = 0;
    // The user's own data folder (backups, and the data of an installed program); "" when
    // the platform has none.
    virtual QString User() const = 0;
    // Whether files can be created in the program folder.
    virtual bool WritableProgramFolder() const = 0;
};
