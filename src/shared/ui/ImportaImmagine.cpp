#include "shared/ui/ImportaImmagine.h"

#include "platform/Dialoghi.h"
#include "shared/Modulo1.h"
#include "shared/ui/Immagini.h"

#include <QDir>
#include <QFileInfo>

bool ImportaImmagine(const QString& sorgente, const QString& destinazione, Dialoghi& dialoghi,
                     const Modulo1& modulo) {
    QDir().mkpath(QFileInfo(destinazione).path());
    switch (ConvertiImmagine(sorgente, destinazione)) {
    case Conversione::Riuscita:
        return true;
    case Conversione::NonEImmagine:
        dialoghi.Messaggio(modulo.Traduci(QStringLiteral(
                               "Il file scelto non è un'immagine utilizzabile:")) +
                               QStringLiteral("\r\n") + sorgente,
                           Pulsanti::Ok);
        return false;
    case Conversione::ScritturaFallita:
        break;
    }
    dialoghi.Messaggio(modulo.Traduci(QStringLiteral("Impossibile salvare l'immagine:")) +
                           QStringLiteral("\r\n") + destinazione,
                       Pulsanti::Ok);
    return false;
}
