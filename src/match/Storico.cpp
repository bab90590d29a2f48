#include "match/Storico.h"

#include "shared/Numeri.h"

QString OraStorico(const QString& oraCompleta) {
    return oraCompleta.left(5);
}

QString CodiceEvento(int lato, const QString& codiceAtleta, int tipoPunto) {
    return (lato == 0 ? QStringLiteral("H_") : QStringLiteral("G_")) + codiceAtleta +
           QStringLiteral("_") + QString::number(tipoPunto);
}

QString RigaPunto(int set, int casa, int ospiti, const QString& ora, const QString& codiceEvento) {
    return QStringLiteral("(") + QString::number(set) + QStringLiteral(")") + Allinea2(casa) +
           QStringLiteral(" - ") + Allinea2(ospiti) + QStringLiteral(" - ") + ora +
           QStringLiteral(" - ") + codiceEvento;
}

QString RigaInizioSet(int set, const QString& ora) {
    return QStringLiteral("(") + QString::number(set) + QStringLiteral(") 0 -  0 - ") + ora +
           QStringLiteral(" - 0_0");
}
