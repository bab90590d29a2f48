#include "shared/Help.h"

#include "platform/Shell.h"
#include "shared/CommonSettings.h"

#include <QDir>
#include <QFileInfo>

void OpenHelp(const CommonSettings& common, Shell& shell, const char* page) {
    const QString path = QDir(common.ProgramFolder)
                             .filePath(QString::fromLatin1(page) +
                                       common.Languages.CurrentLanguage + QStringLiteral(".htm"));
    if (QFileInfo::exists(path)) {
        shell.Open(path);
    }
}
