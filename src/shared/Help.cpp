#include "shared/Help.h"

#include "platform/Shell.h"
#include "shared/Module.h"

#include <QDir>
#include <QFileInfo>

void OpenHelp(const Modulo1& modulo, Shell& shell, const char* page) {
    const QString path =
        QDir(modulo.ProgramFolder)
            .filePath(QString::fromLatin1(page) + modulo.Languages.CurrentLanguage +
                      QStringLiteral(".htm"));
    if (QFileInfo::exists(path)) {
        shell.Open(path);
    }
}
