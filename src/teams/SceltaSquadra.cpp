#include "teams/SceltaSquadra.h"

#include "shared/Lingua.h"

#include <QDir>
#include <QFileInfo>

SquadraScelta ScegliSquadra(const QString& cartellaDati, const QString& nome,
                            const TabellaLingue& lingue) {
    SquadraScelta s;
    s.Nome = nome;
    s.Cartella = CartellaSquadra(cartellaDati, nome);
    s.Righe << lingue.Traduci(QStringLiteral("E - Errore dell'avversario"));
    if (s.Cartella.isEmpty()) {
        return s;
    }
    const QString logo = QDir(s.Cartella).filePath(QStringLiteral("logo.jpg"));
    if (QFileInfo::exists(logo)) {
        s.Logo = logo;
    }
    s.Atleti = LeggiRosa(QDir(s.Cartella).filePath(QStringLiteral("team.csv")), CapacitaConsole,
                         true);
    for (Atleta& a : s.Atleti) {
        a.Ruolo = EtichettaRuolo(NumeroRuolo(a.Ruolo), lingue);
        if (a.Convocato.compare(QStringLiteral("C"), Qt::CaseInsensitive) == 0) {
            s.Righe << RigaRosa(a);
        }
    }
    return s;
}

QString RigaRosa(const Atleta& a) {
    return a.Numero.right(2).rightJustified(2, u' ') + u' ' + a.Cognome + u' ' + a.Nome + u' ' +
           a.Ruolo.mid(2);
}

QString CodiceDaRiga(const QString& riga) {
    return riga.left(2).trimmed();
}

QString NomeDaRiga(const QString& riga) {
    return riga.mid(3).section(u' ', 0, 0, QString::SectionSkipEmpty);
}
