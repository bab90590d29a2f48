#pragma once

#include <QString>
#include <optional>

class Dialogs;
class QMimeData;
struct CommonSettings;

// One import of a team package, wherever it starts (the team editor, the console's File menu,
// a file dropped): a team of the same name asks Replace / Keep both / Cancel (Cancel the
// default), failures and files left out are told. The team as imported, or nothing.
std::optional<QString> ImportTeamPackage(Dialogs& dialogs, const CommonSettings& common,
                                         const QString& file);
// The package a drag carries: one local file with the package's extension, else "".
QString DroppedTeamPackage(const QMimeData* data);
