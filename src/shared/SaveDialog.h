#pragma once

#include <QString>

class Dialogs;

// What the save dialog left: the chosen path split into folder and name.
struct SaveChoice {
    QString ChosenFile = QStringLiteral("none");
    QString ChosenFolder;
    QString ChosenName;
    bool ChoiceMade = false;
};

SaveChoice SaveDialog(Dialogs& dialogs, const QString& filter, const QString& folder,
                      const QString& title, const QString& defaultName);

// The name after the last separator, trimmed.
QString FileName(const QString& path);
