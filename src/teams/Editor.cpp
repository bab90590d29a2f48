#include "teams/Editor.h"

#include "shared/Numeri.h"
#include "shared/TestoFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace {

// Enough for any hand-made roster; the editor shows 27 and keeps the rest aside.
constexpr int CapacitaLettura = 10000;

double Chiave(const QString& numero, double vuoto, double zero) {
    if (numero.isEmpty()) {
        return vuoto;
    }
    const double valore = ValoreNumerico(numero);
    return valore == 0 ? zero : valore;
}

} // namespace

int IndiceRuolo(const QString& campo) {
    const int valore = ValoreIntero(campo);
    if (valore == 0) {
        return VoceRuoloVuota;
    }
    return valore >= 1 && valore <= 5 ? valore - 1 : -1;
}

RosaEditor LeggiRosaEditor(const QString& percorso) {
    RosaEditor rosa;
    const std::vector<Atleta> tutte = LeggiRosa(percorso, CapacitaLettura, false);
    for (size_t r = 0; r < tutte.size(); ++r) {
        const Atleta& a = tutte[r];
        if (r >= rosa.Righe.size()) {
            rosa.Oltre.push_back(a);
            continue;
        }
        RigaEditor& riga = rosa.Righe[r];
        riga.Numero = a.Numero;
        riga.Cognome = a.Cognome;
        riga.Nome = a.Nome;
        riga.Ruolo = IndiceRuolo(a.Ruolo);
        riga.Convocato = a.Convocato.trimmed().compare(QStringLiteral("C"), Qt::CaseInsensitive) == 0;
    }
    return rosa;
}

void OrdinaRighe(RigheEditor& righe) {
    const int n = static_cast<int>(righe.size());
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            // Different keys on each side, so an empty row never swaps with an empty row.
            if (Chiave(righe[i].Numero, 9997, 997) >= Chiave(righe[j].Numero, 9999, 999)) {
                std::swap(righe[i], righe[j]);
            }
        }
    }
}

std::optional<int> RigaConPuntoEVirgola(const RigheEditor& righe) {
    for (int r = 0; r < static_cast<int>(righe.size()); ++r) {
        for (const QString* campo : {&righe[r].Numero, &righe[r].Cognome, &righe[r].Nome}) {
            if (campo->contains(u';')) {
                return r;
            }
        }
    }
    return std::nullopt;
}

std::vector<Atleta> RigheDaSalvare(const RosaEditor& rosa, const TabellaLingue& lingue) {
    std::vector<Atleta> righe;
    for (const RigaEditor& r : rosa.Righe) {
        if (r.Numero.isEmpty()) {
            continue;
        }
        const QString ruolo = r.Ruolo >= 0 && r.Ruolo < VoceRuoloVuota
                                  ? EtichettaRuolo(r.Ruolo + 1, lingue)
                                  : QString();
        righe.push_back({r.Numero, r.Cognome, r.Nome, ruolo,
                         r.Convocato ? QStringLiteral("C") : QStringLiteral("N")});
    }
    righe.insert(righe.end(), rosa.Oltre.begin(), rosa.Oltre.end());
    return righe;
}

QString DestinazioneAudio(const QString& cartellaSquadra, const QString& numero,
                          const QString& scelto) {
    const QString foto = FotoAtleta(cartellaSquadra, numero);
    if (foto.isEmpty()) {
        return {};
    }
    QString nome = QFileInfo(scelto).fileName();
    while (nome.endsWith(QChar(u'\0'))) {
        nome.chop(1);
    }
    const QString coda = nome.right(4).toLower();
    if (coda.contains(u'/') || coda.contains(u'\\')) {
        return {};
    }
    return QDir(cartellaSquadra).filePath(numero.trimmed() + coda);
}

bool ImportaAudio(const QString& cartellaSquadra, const QString& numero, const QString& scelto) {
    const QString destinazione = DestinazioneAudio(cartellaSquadra, numero, scelto);
    if (destinazione.isEmpty() || !QFileInfo(scelto).isFile()) {
        return false;
    }
    // Copied aside first: the old announcement goes only once the new one is safely there,
    // even when the user chose the very file it replaces.
    const QString provvisorio = destinazione + QStringLiteral(".nuovo");
    QFile::remove(provvisorio);
    if (!CopiaFileIntero(scelto, provvisorio)) {
        return false;
    }
    QDir cartella(cartellaSquadra);
    for (const char* estensione : {".wav", ".mp3"}) {
        cartella.remove(numero.trimmed() + QString::fromLatin1(estensione));
    }
    QFile::remove(destinazione);
    return QFile::rename(provvisorio, destinazione);
}
