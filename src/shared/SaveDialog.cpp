#include "shared/SaveDialog.h"

#include "platform/Dialogs.h"

namespace {
qsizetype LastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
}
} // namespace

SaveChoice SaveDialog(Dialogs& dialogs, const QString& filter, const QString& folder,
                      const QString& title, const QString& defaultName) {
    SaveChoice s;
    const QString path = dialogs.SaveFile(title, folder, defaultName, filter);
    if (path.isEmpty()) {
        return s;
    }
    const qsizetype cut = LastSeparator(path);
    s.ChosenFile = path;
    s.ChosenFolder = path.left(cut + 1);
    s.ChosenName = path.mid(cut + 1);
    s.ChoiceMade = true;
    return s;
}

QString FileName(const QString& path) {
    return path.mid(LastSeparator(path) + 1).trimmed();
}
