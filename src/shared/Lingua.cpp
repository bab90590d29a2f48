#include "shared/Lingua.h"

void TabellaLingue::Carica(const QStringList& righe) {
    if (righe.size() < 2) {
        return;
    }
    QString resto = righe[1];
    for (int i = 1; !resto.isEmpty() && i <= CampiIntestazione;) {
        const qsizetype separatore = resto.indexOf(u';');
        if (separatore < 0) {
            nomi_[i] = resto;
            codici_[i] = resto.left(3);
            break;
        }
        nomi_[i] = resto.left(separatore);
        codici_[i] = nomi_[i].left(3);
        ++i;
        resto = resto.mid(separatore + 1);
        if (resto.trimmed().isEmpty()) {
            break;
        }
    }
    for (qsizetype r = 0; r + 2 < righe.size() && r < Righe; ++r) {
        QString riga = righe[r + 2];
        for (int c = 0; c < Colonne; ++c) {
            const qsizetype separatore = riga.indexOf(u';');
            if (separatore < 0) {
                tabella_[r][c] = riga;
                break;
            }
            tabella_[r][c] = riga.left(separatore);
            riga = riga.mid(separatore + 1);
            if (riga.trimmed().isEmpty()) {
                break;
            }
        }
    }
}

QString TabellaLingue::Traduci(const QString& testo) const {
    if (LinguaCorrente == QStringLiteral("ITA")) {
        return testo;
    }
    const QString cercato = testo.trimmed().toUpper();
    for (const auto& riga : tabella_) {
        if (riga[0].isEmpty()) {
            break;
        }
        if (riga[0].trimmed().toUpper() == cercato) {
            const int colonna = ColonnaLingua >= 0 && ColonnaLingua < Colonne ? ColonnaLingua : 0;
            return riga[colonna].isEmpty() ? riga[1] : riga[colonna];
        }
    }
    return testo;
}
