#include "shared/ui/ImportImage.h"

#include "platform/Dialogs.h"
#include "shared/CommonSettings.h"
#include "shared/Messages.h"
#include "shared/ui/Images.h"

#include <QDir>
#include <QFileInfo>

bool ImportImage(const QString& source, const QString& destination, Dialogs& dialogs,
                 const CommonSettings& common) {
    QDir().mkpath(QFileInfo(destination).path());
    switch (ConvertImage(source, destination)) {
    case Conversion::Success:
        return true;
    case Conversion::NotAnImage:
        dialogs.Message(common.Translate(SharedMessages::NotAPicture) + QStringLiteral("\r\n") +
                            source,
                        Buttons::Ok);
        return false;
    case Conversion::FailedWriting:
        break;
    }
    dialogs.Message(common.Translate(QStringLiteral("Impossibile salvare l'immagine:")) +
                        QStringLiteral("\r\n") + destination,
                    Buttons::Ok);
    return false;
}
