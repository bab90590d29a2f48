#include "teams/Squadre.h"

#include "shared/Lingua.h"
#include "shared/Numeri.h"
#include "shared/TestoFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int LunghezzaMinimaRiga = 9;
constexpr int NomeMinimo = 3;
constexpr int NomeMassimo = 35;
// A roster is a few kilobytes; a file past this is not one worth reading whole.
constexpr qint64 DimensioneMassimaRosa = 16LL * 1024 * 1024;

const char* const Ruoli[] = {"1-Alzatore", "2-Centrale", "3-Libero", "4-Opposto", "5-Banda"};

// The text before the first ";" (all of it when there is none), and what follows it.
QString Campo(QString& resto) {
    const qsizetype fine = resto.indexOf(u';');
    const QString campo = (fine < 0 ? resto : resto.left(fine)).trimmed();
    resto = fine < 0 ? QString() : resto.mid(fine + 1).trimmed();
    return campo;
}

bool NomePerCartella(const QString& nome) {
    const QString pulito = nome.trimmed();
    return !pulito.isEmpty() && !pulito.contains(u'/') && !pulito.contains(u'\\') &&
           pulito.count(u'.') != pulito.size();
}

} // namespace

QString EtichettaRuolo(int numero, const TabellaLingue& lingue) {
    if (numero < 1 || numero > 5) {
        return {};
    }
    return lingue.Traduci(QString::fromUtf8(Ruoli[numero - 1]));
}

int NumeroRuolo(const QString& ruolo) {
    qsizetype i = 0;
    while (i < ruolo.size() && ruolo[i].isDigit() && ruolo[i].unicode() < 128) {
        ++i;
    }
    const int numero = ValoreIntero(QStringView(ruolo).left(i));
    return numero >= 1 && numero <= 5 ? numero : 0;
}

QString CartellaSquadre(const QString& cartellaDati) {
    return QDir(cartellaDati).filePath(QStringLiteral("Teams"));
}

QString CartellaSquadra(const QString& cartellaDati, const QString& nome) {
    if (!NomePerCartella(nome)) {
        return {};
    }
    return QDir(CartellaSquadre(cartellaDati)).filePath(nome);
}

QString FotoAtleta(const QString& cartellaSquadra, const QString& numero) {
    const QString n = numero.trimmed();
    if (cartellaSquadra.isEmpty() || !NomePerCartella(n)) {
        return {};
    }
    return QDir(cartellaSquadra).filePath(n + QStringLiteral(".jpg"));
}

QString AudioAtleta(const QString& cartellaSquadra, const QString& numero) {
    const QString n = numero.trimmed();
    if (cartellaSquadra.isEmpty() || !NomePerCartella(n)) {
        return {};
    }
    const QString mp3 = QDir(cartellaSquadra).filePath(n + QStringLiteral(".mp3"));
    return QFileInfo::exists(mp3) ? mp3 : QDir(cartellaSquadra).filePath(n + QStringLiteral(".wav"));
}

std::optional<QStringList> ElencaSquadre(const QString& cartellaDati) {
    const QDir teams(CartellaSquadre(cartellaDati));
    if (!teams.exists()) {
        return std::nullopt;
    }
    return teams.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                           QDir::Name | QDir::IgnoreCase);
}

std::vector<Atleta> RosaDaRighe(const QStringList& testo, int capacita, bool console) {
    std::vector<Atleta> righe;
    for (const QString& riga : testo) {
        if (static_cast<int>(righe.size()) >= capacita) {
            break;
        }
        if (riga.size() < LunghezzaMinimaRiga || riga.startsWith(u'\'')) {
            continue;
        }
        QString resto = riga.trimmed();
        Atleta a;
        a.Numero = Campo(resto);
        a.Cognome = Campo(resto);
        a.Nome = Campo(resto);
        a.Ruolo = Campo(resto);
        a.Convocato = resto;
        righe.push_back(a);
        if (console && a.Numero.isEmpty()) {
            break;
        }
    }
    return righe;
}

std::vector<Atleta> LeggiRosa(const QString& percorso, int capacita, bool console) {
    const auto testo = LeggiFileTesto(percorso, DimensioneMassimaRosa);
    return testo ? RosaDaRighe(*testo, capacita, console) : std::vector<Atleta>{};
}

bool ScriviRosa(const QString& percorso, const std::vector<Atleta>& righe,
                const TabellaLingue& lingue) {
    QStringList linee;
    for (const Atleta& a : righe) {
        for (const QString* campo : {&a.Numero, &a.Cognome, &a.Nome}) {
            if (campo->contains(u';')) {
                return false;
            }
        }
        const bool convocato = a.Convocato.trimmed().compare(QStringLiteral("C"),
                                                              Qt::CaseInsensitive) == 0;
        linee << a.Numero + u';' + a.Cognome + u';' + a.Nome + u';' +
                     EtichettaRuolo(NumeroRuolo(a.Ruolo), lingue) + u';' +
                     (convocato ? QStringLiteral("C") : QStringLiteral("N"));
    }
    return ScriviFileTesto(percorso, linee);
}

EsitoNome ValidaNomeSquadra(const QString& nome, const QStringList& esistenti) {
    const QString pulito = nome.trimmed();
    if (pulito.isEmpty()) {
        return EsitoNome::Annullato;
    }
    // Dots at either end do not survive every file system and ".." would leave Teams.
    if (pulito.size() < NomeMinimo || pulito.size() > NomeMassimo ||
        pulito.startsWith(u'.') || pulito.endsWith(u'.')) {
        return EsitoNome::NonValido;
    }
    for (const QChar c : pulito) {
        if (CaratteriVietati.contains(c) || c.unicode() < 32) {
            return EsitoNome::NonValido;
        }
    }
    for (const QString& esistente : esistenti) {
        if (esistente.trimmed().compare(pulito, Qt::CaseInsensitive) == 0) {
            return EsitoNome::Duplicato;
        }
    }
    return EsitoNome::Accettato;
}

bool SquadraProtetta(const QString& nome) {
    const QString pulito = nome.trimmed().toUpper();
    return pulito == QStringLiteral("HOME") || pulito == QStringLiteral("GUESTS");
}

bool CreaSquadra(const QString& cartellaDati, const QString& nome) {
    const QString cartella = CartellaSquadra(cartellaDati, nome.trimmed());
    return !cartella.isEmpty() && QDir().mkpath(cartella);
}

bool EliminaSquadra(const QString& cartellaDati, const QString& nome) {
    const QString cartella = CartellaSquadra(cartellaDati, nome);
    if (cartella.isEmpty() || SquadraProtetta(nome)) {
        return false;
    }
    QDir dir(cartella);
    for (const QString& file : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        dir.remove(file);
    }
    return QDir(CartellaSquadre(cartellaDati)).rmdir(nome);
}

bool RinominaSquadra(const QString& cartellaDati, const QString& vecchio, const QString& nuovo) {
    const QString da = CartellaSquadra(cartellaDati, vecchio);
    const QString a = CartellaSquadra(cartellaDati, nuovo.trimmed());
    if (da.isEmpty() || a.isEmpty() || SquadraProtetta(vecchio)) {
        return false;
    }
    return QDir().rename(da, a);
}
