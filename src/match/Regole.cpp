#include "match/Regole.h"

#include <QStringList>
#include <cmath>
#include <cstdlib>

int PuntiPerVincere(int setTotali, int setCorrente, int puntiSet, int puntiTieBreak) {
    return setTotali > 1 && setCorrente == setTotali ? puntiTieBreak : puntiSet;
}

int CalcolaPuntiCambioCampo(int puntiTieBreak) {
    return static_cast<int>(std::nearbyint(puntiTieBreak / 2.0));
}

bool VicinoAlSet(int casa, int ospiti, int puntiPerVincere) {
    return casa > puntiPerVincere - 2 || ospiti > puntiPerVincere - 2;
}

bool SetConcluso(int casa, int ospiti, int puntiPerVincere) {
    return (casa > puntiPerVincere - 1 || ospiti > puntiPerVincere - 1) &&
           std::abs(casa - ospiti) > 1;
}

QString CodiceSet(int setCasa, int setOspiti) {
    return QString::number(setCasa) + QString::number(setOspiti);
}

bool MatchPoint(int setTotali, int latoInTesta, const QString& codice) {
    static const QStringList casa5{"20", "21", "22"};
    static const QStringList ospiti5{"02", "12", "22"};
    static const QStringList casa3{"10", "11"};
    static const QStringList ospiti3{"01", "11"};
    switch (setTotali) {
    case 5:
        return (latoInTesta == 0 ? casa5 : ospiti5).contains(codice);
    case 3:
        return (latoInTesta == 0 ? casa3 : ospiti3).contains(codice);
    case 1:
        return true;
    default:
        return false;
    }
}

bool PartitaConclusa(int setTotali, const QString& codice) {
    static const QStringList fine5{"30", "31", "32", "03", "13", "23"};
    static const QStringList fine3{"20", "21", "02", "12"};
    switch (setTotali) {
    case 5:
        return fine5.contains(codice);
    case 3:
        return fine3.contains(codice);
    case 1:
        return true;
    default:
        return false;
    }
}

bool SetTotaliValido(int setTotali) {
    return setTotali == 5 || setTotali == 3 || setTotali == 1;
}

bool CambioCampo(int setTotali, int setCorrente, int cambioCampoAttivo, int puntiLato,
                 int puntiAltroLato) {
    return setTotali > 1 && setCorrente == setTotali && cambioCampoAttivo == 1 &&
           puntiLato == PuntiCambio && puntiAltroLato < PuntiCambio;
}
