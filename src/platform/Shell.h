#pragma once

#include <QString>

// Opens a document, folder or web address with its default program.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual bool Open(const QString& pathOrAddress) = 0;
};
