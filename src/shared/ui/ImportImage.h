#pragma once

#include <QString>

class Dialogs;
struct CommonSettings;

// A picture chosen by the user copied into the program's folders as JPEG; a refusal is told
// to the user, so callers announce only what really happened.
bool ImportImage(const QString& source, const QString& destination, Dialogs& dialogs,
                 const CommonSettings& common);
