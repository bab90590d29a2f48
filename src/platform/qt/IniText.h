#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// The settings file as QSettings reads it (INI, UTF-8): `values` keyed "Group/Key", each a
// string. Written by us so the file goes through the checked whole-file writer.
QByteArray IniText(const QMap<QString, QString>& values);
