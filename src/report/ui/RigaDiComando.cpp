#include "report/ui/RigaDiComando.h"

#include "display/Colori.h"
#include "match/FilePartita.h"
#include "match/Partita.h"
#include "report/Rapporto.h"
#include "report/ui/Pacchetto.h"
#include "shared/Lingua.h"
#include "shared/TestoFile.h"
#include "teams/Squadre.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr qint64 DimensioneMassima = 64LL * 1024 * 1024;

const char* const Uso = "brivanta [--report MATCH.txt --out FOLDER [--lang CODE]] | --help";

const char* const Aiuto =
    "Brivanta, a scoreboard for volleyball matches.\n"
    "\n"
    "Usage:\n"
    "  brivanta                                      start the console and the display\n"
    "  brivanta --report MATCH.txt --out FOLDER [--lang CODE]\n"
    "                                                write report.pdf, play-by-play.csv and\n"
    "                                                result.png for a saved match, with no window;\n"
    "                                                FOLDER is made when it does not exist\n"
    "  brivanta --help                               this text\n"
    "\n"
    "CODE is a language of Languages.csv (ITA, ENG, FRA, DEU, ESP); Italian when not given.\n"
    "Exit code 0 on success; otherwise one line on standard error says why.\n";

} // namespace

bool ChiedeRigaDiComando(const QStringList& argomenti) {
    // The windows take no argument: anything given is for the command line, which refuses
    // what it does not know rather than starting the windows over a typo.
    return !argomenti.isEmpty();
}

ArgomentiRigaDiComando LeggiArgomenti(const QStringList& argomenti) {
    ArgomentiRigaDiComando letti;
    for (qsizetype i = 0; i < argomenti.size() && letti.sconosciuto.isEmpty(); ++i) {
        const QString& a = argomenti[i];
        QString* destinazione = a == QLatin1String("--report") ? &letti.partita
                                : a == QLatin1String("--out")  ? &letti.cartella
                                : a == QLatin1String("--lang") ? &letti.lingua
                                                               : nullptr;
        if (destinazione != nullptr) {
            if (i + 1 < argomenti.size()) {
                *destinazione = argomenti[++i];
            }
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            letti.aiuto = true;
        } else {
            letti.sconosciuto = a;
        }
    }
    return letti;
}

QString RifiutoArgomento(const QString& argomento) {
    return QStringLiteral("brivanta: unknown option: %1 (usage: %2)\n").arg(argomento, QLatin1String(Uso));
}

int EseguiRigaDiComando(const QStringList& argomenti, const QString& cartellaDati, QTextStream& uscita,
                        QTextStream& errori) {
    const auto [partita, cartella, lingua, aiuto, sconosciuto] = LeggiArgomenti(argomenti);
    if (!sconosciuto.isEmpty()) {
        errori << RifiutoArgomento(sconosciuto);
        return 2;
    }
    if (aiuto) {
        uscita << Aiuto;
        return 0;
    }
    if (partita.isEmpty() || cartella.isEmpty()) {
        errori << "brivanta: --report needs a match file and --out a folder (see --help)\n";
        return 2;
    }
    const auto righe = LeggiFileTesto(partita, DimensioneMassima);
    if (!righe) {
        errori << "brivanta: cannot read the match file: " << partita << '\n';
        return 3;
    }
    const auto file = LeggiFilePartita(*righe);
    if (!file) {
        errori << "brivanta: not a Brivanta match file: " << partita << '\n';
        return 4;
    }
    // As `mkdir -p` would: a report is often sent to a folder named on the spot.
    if (!QDir().mkpath(cartella) || !QFileInfo(cartella).isWritable()) {
        errori << "brivanta: the output folder cannot be made or written: " << cartella << '\n';
        return 5;
    }
    TabellaLingue lingue;
    if (const auto tabella = LeggiFileTesto(QDir(cartellaDati).filePath(QStringLiteral("Languages.csv")),
                                            DimensioneMassima)) {
        lingue.Carica(*tabella);
    }
    if (const QString codice = lingua.toUpper(); !codice.isEmpty()) {
        const auto& codici = lingue.CodiciLingua();
        const auto trovato = std::find(codici.begin() + 1, codici.end(), codice);
        if (trovato == codici.end()) {
            errori << "brivanta: unknown language: " << codice << '\n';
            return 6;
        }
        lingue.ColonnaLingua = static_cast<int>(trovato - codici.begin()) - 1;
        lingue.LinguaCorrente = codice;
    }
    Partita p;
    RegolePredefinite(p);
    const auto squadre = ApplicaFilePartita(p, *file, lingue);
    for (int k = 0; k < 2; ++k) {
        p.NomeSquadra[k] = squadre[k];
        p.Tabellone.Nome[k] = squadre[k].isEmpty()
                                  ? lingue.Traduci(k == 0 ? QStringLiteral("Locali") : QStringLiteral("Ospiti"))
                                  : squadre[k];
        const QString cartellaSquadra = CartellaSquadra(cartellaDati, squadre[k]);
        if (!cartellaSquadra.isEmpty()) {
            p.Rose[k] = LeggiRosa(QDir(cartellaSquadra).filePath(QStringLiteral("team.csv")), CapacitaConsole, true);
        }
    }
    const Rapporto rapporto = CostruisciRapporto(p, DataDelFile(*righe), lingue);
    const QString errore = ScriviPacchetto(
        cartella, PreparaPacchetto(p, rapporto, lingue, ColoriPredefiniti(), cartellaDati));
    if (!errore.isEmpty()) {
        errori << "brivanta: cannot write " << errore << '\n';
        return 5;
    }
    for (const QString& nome : NomiPacchetto) {
        uscita << QDir(cartella).filePath(nome) << '\n';
    }
    return 0;
}
