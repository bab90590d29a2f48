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

QString RigaTimeout(int conteggio, int lato, const QString& parolaLato, const QString& ora) {
    return QString::number(conteggio) + QStringLiteral("#") +
           (lato == 0 ? QStringLiteral("H") : QStringLiteral("G")) + QStringLiteral(" Timeout ") +
           parolaLato + QStringLiteral(" - ") + ora;
}

RigaStorico LeggiRiga(const QString& riga) {
    RigaStorico r;
    const QStringView testo(riga);
    const int conteggio = ValoreIntero(testo);
    if (conteggio > 0) {
        r.Timeout = true;
        r.Conteggio = conteggio;
        r.Lato = testo.mid(2, 1) == u"G" ? 1 : 0;
        return r;
    }
    r.Set = ValoreIntero(testo.mid(1, 1));
    r.Casa = ValoreIntero(testo.mid(3, 2));
    r.Ospiti = ValoreIntero(testo.mid(8, 2));
    return r;
}

bool RigaDiPunto(const QString& riga) {
    return !LeggiRiga(riga).Timeout &&
           (riga.contains(QStringLiteral("H_")) || riga.contains(QStringLiteral("G_")));
}
