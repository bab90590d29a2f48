#include "shared/Aiuto.h"

#include "platform/Shell.h"
#include "shared/Modulo1.h"

#include <QDir>
#include <QFileInfo>

void ApriAiuto(const Modulo1& modulo, Shell& shell, const char* pagina) {
    const QString percorso =
        QDir(modulo.CartellaProgramma)
            .filePath(QString::fromLatin1(pagina) + modulo.Lingue.LinguaCorrente +
                      QStringLiteral(".htm"));
    if (QFileInfo::exists(percorso)) {
        shell.Apri(percorso);
    }
}
