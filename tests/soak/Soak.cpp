// Hours of a match in a minute: random operator actions on the whole program, with the
// record checked after every one. Usage: soak_brivanta [actions=20000] [seed=1]
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "doppi/Doppi.h"
#include "match/FilePartita.h"
#include "match/Storico.h"
#include "display/ui/CountdownWindow.h"
#include "shared/TestoFile.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <random>

namespace {

// Every question answered yes; files are saved and loaded at one place.
class DialoghiSoak : public DialoghiSempreSi {
public:
    QString ApriFile(const QString&, const QString&, const QString&) override { return file; }
    QString SalvaFile(const QString&, const QString&, const QString&, const QString&) override {
        return file;
    }
    QString file;
};

// Modal windows close as soon as they open.
class ModaliChiuse : public FinestreModali {
public:
    void Mostra(QDialog& finestra) override { finestra.reject(); }
    bool Aperta() const override { return false; }
};

// AddressSanitizer keeps freed memory in quarantine and has its own allocator.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool MemoriaMisurabile = false;
#else
constexpr bool MemoriaMisurabile = true;
#endif

// The heap in use, every arena: what a leak makes grow. RSS also grows when the allocator
// keeps freed pages of the decoder thread's arena, which is not a leak.
long HeapKb(ConsoleWindow& console) {
    // The picture caches fill up to their budget by design; what a leak keeps is elsewhere.
    for (CacheImmagini* cache : {&console.Tabellone().FotoPreparate(),
                                 &console.Tabellone().SponsorPreparati(), &console.Loghi()}) {
        cache->Attendi();
        cache->Svuota();
    }
#if defined(__GLIBC__)
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>((info.uordblks + info.hblkhd) / 1024);
#else
    return -1;
#endif
}

long RssKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> campi = statm.readAll().split(' ');
    return campi.size() > 1 ? campi[1].toLong() * 4 : -1;
}

struct Verifiche {
    int violazioni = 0;
    const char* ultimaAzione = "";
    const Partita* partita = nullptr;
    void Verifica(bool condizione, int azione, const char* cosa) {
        if (condizione) {
            return;
        }
        ++violazioni;
        if (violazioni <= 20) {
            const Partita& p = *partita;
            std::fprintf(stderr,
                         "action %d (%s): %s; set %d, points %d-%d, sets %d-%d, over %d, %d lines\n",
                         azione, ultimaAzione, cosa, p.SetCorrente, p.Punti[0], p.Punti[1],
                         p.SetVinti[0], p.SetVinti[1], p.PartitaFinita,
                         static_cast<int>(p.Storico.size()));
        }
    }
};

void VerificaPartita(ConsoleWindow& console, Verifiche& c, int azione) {
    const Partita& p = console.Match();
    for (int lato = 0; lato < 2; ++lato) {
        c.Verifica(p.Punti[lato] >= 0 && p.Punti[lato] <= 200, azione, "points out of 0..200");
        c.Verifica(p.TimeChiesti[lato] >= 0 && p.TimeChiesti[lato] <= 2, azione,
                   "timeouts out of 0..2");
    }
    const int setGiocati = p.SetVinti[0] + p.SetVinti[1];
    c.Verifica(setGiocati == p.SetCorrente - (p.PartitaFinita != 0 ? 0 : 1), azione,
               "sets won do not add up to the sets played");
    for (const QString& riga : p.Storico) {
        const RigaStorico r = LeggiRiga(riga);
        c.Verifica(r.Timeout || (r.Set >= 1 && r.Set <= p.SetCorrente + 1), azione,
                   "history line not readable");
    }
    // The start-up sequence (a language switch runs it) empties the history and leaves the
    // last copy as it was, ready for a recovery.
    if (p.Storico.isEmpty()) {
        return;
    }
    console.AttendiCopia();
    // A refused first click leaves the opening line alone, with nothing worth a copy yet.
    if (!QFile::exists(console.PercorsoEmergenza())) {
        c.Verifica(p.Storico.size() <= 1, azione, "changes made but no emergency copy");
        return;
    }
    const auto righe = LeggiFileTesto(console.PercorsoEmergenza(), 1 << 24);
    const auto file = righe ? LeggiFilePartita(*righe) : std::nullopt;
    c.Verifica(file.has_value(), azione, "emergency copy not loadable");
    if (!file) {
        return;
    }
    Partita copia;
    RegolePredefinite(copia);
    ApplicaFilePartita(copia, *file, console.Modulo().Lingue);
    c.Verifica(copia.Storico == p.Storico && copia.Punti == p.Punti &&
                   copia.SetVinti == p.SetVinti && copia.TimeChiesti == p.TimeChiesti &&
                   copia.SetCorrente == p.SetCorrente,
               azione, "emergency copy differs from the match shown");
}

const char* AzioneACaso(ConsoleWindow& console, DialoghiSoak& dialoghi, std::mt19937& caso,
                   const QString& cartella) {
    auto tra = [&caso](int a, int b) { return std::uniform_int_distribution<int>(a, b)(caso); };
    const int lato = tra(0, 1);
    const int scelta = tra(0, 999);
    const char* nome = "";
    if (console.Match().PartitaFinita != 0 && scelta < 500) {
        console.newMatch(); nome = "new match";
    } else if (scelta < 600) {
        const QStringList codici{"", "1", "7", "12", "A1", "99", "E", "x;y", "0"};
        console.codeBoxes[lato]->setText(codici[tra(0, static_cast<int>(codici.size()) - 1)]);
        console.choosePointType(tra(0, 4));
        console.changeScore(lato == 0 ? 0 : 3); nome = "point";
    } else if (scelta < 660) {
        console.changeScore(lato == 0 ? 1 : 2); nome = "removal";
    } else if (scelta < 710) {
        console.undoLastLine(); nome = "undo";
    } else if (scelta < 750) {
        const int righe = console.historyList->count();
        if (righe > 0) {
            console.historyList->setCurrentRow(tra(0, righe - 1));
            console.rollBackToSelectedLine(); nome = "rollback";
        }
    } else if (scelta < 790) {
        console.callTimeout(lato); nome = "timeout";
        for (int i = 0; console.Conteggio() != nullptr && i < 31; ++i) {
            console.Conteggio()->tick();
        }
    } else if (scelta < 820) {
        QListWidget* squadre = console.teamLists[lato];
        if (squadre->count() > 0 && !console.Match().Bloccata) {
            squadre->setCurrentRow(tra(0, squadre->count() - 1));
            console.chooseTeam(lato); nome = "team choice";
        }
    } else if (scelta < 840) {
        // The language is changed between matches: mid-match the start-up sequence it runs
        // puts the set label back to the first set.
        if (console.Match().Storico.isEmpty() && console.optionsMenu->menuAction()->isEnabled()) {
            console.chooseLanguage(tra(0, static_cast<int>(console.languageActions.size()) - 1));
        }
        nome = "language";
    } else if (scelta < 870) {
        dialoghi.file = QDir(cartella).filePath(QStringLiteral("soak.txt"));
        console.saveMatch(); nome = "save";
    } else if (scelta < 890) {
        dialoghi.file = QDir(cartella).filePath(QStringLiteral("soak.txt"));
        console.loadMatch(); nome = "load";
    } else if (scelta < 905) {
        console.loadEmergencyCopy(); nome = "recovery";
    } else if (scelta < 935) {
        console.togglePresentation(); nome = "presentation";
        for (int i = 0; i < tra(0, 400); ++i) {
            console.Tabellone().presentationTick();
        }
    } else if (scelta < 965) {
        console.statisticsChoiceList->setCurrentRow(tra(0, console.statisticsChoiceList->count() - 1));
        console.showStatistics(); nome = "statistics";
        console.TimerStat_Timer();
    } else if (scelta < 980) {
        console.showLeadingTeam(); nome = "leading team and last points";
        console.showLastPoints();
    } else {
        console.TimerTabellone_Timer(); nome = "timers";
        console.TimerFrames_Timer();
        console.Tabellone().clockTick();
        console.Tabellone().sponsorTick();
        for (int i = 0; i < 50; ++i) {
            console.Tabellone().panelSlideTick();
        }
    }
    return nome;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int azioni = argc > 1 ? std::atoi(argv[1]) : 20000;
    const unsigned seme = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1U;

    QTemporaryDir radice;
    const QString programma = radice.filePath(QStringLiteral("programma"));
    QDir().mkpath(programma + QStringLiteral("/Teams"));
    QDir().mkpath(programma + QStringLiteral("/Sponsors"));
    for (const QString& squadra : QDir(QStringLiteral(BRIVANTA_DATI "/Teams")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir da(QStringLiteral(BRIVANTA_DATI "/Teams/") + squadra);
        QDir().mkpath(programma + QStringLiteral("/Teams/") + squadra);
        for (const QString& f : da.entryList({QStringLiteral("team.csv"), QStringLiteral("*.jpg")}, QDir::Files)) {
            QFile::copy(da.filePath(f), programma + QStringLiteral("/Teams/") + squadra + u'/' + f);
        }
    }
    QFile::copy(QStringLiteral(BRIVANTA_DATI "/Languages.csv"), programma + QStringLiteral("/Languages.csv"));

    DialoghiSoak dialoghi;
    ImpostazioniFinte impostazioni;
    CartelleFinte cartelle;
    cartelle.programma = programma;
    cartelle.documenti = radice.filePath(QStringLiteral("Documenti"));
    cartelle.temporanea = radice.filePath(QStringLiteral("temp"));
    cartelle.utente = radice.filePath(QStringLiteral("utente"));
    QDir().mkpath(cartelle.temporanea);
    OrologioFinto orologio;
    ShellFinta shell;
    ProcessoFinto processo;
    CanaleAudioFinto audio;
    ModaliChiuse modali;
    ServerLiveFinto live;
    live.flussi = 1;
    DiscoFinto disco;
    Piattaforma piattaforma{dialoghi,  impostazioni, cartelle, orologio, shell,
                            processo, audio,        modali,   live,     disco};

    ConsoleWindow console(piattaforma);
    console.Form_Load();
    std::mt19937 caso(seme);
    Verifiche controllo;
    controllo.partita = &console.Match();
    const long inizio = RssKb();
    const long heapInizio = HeapKb(console);
    long dopoRiscaldamento = inizio;
    long heapDopoRiscaldamento = heapInizio;
    for (int i = 0; i < azioni; ++i) {
        controllo.ultimaAzione = AzioneACaso(console, dialoghi, caso, radice.path());
        // What the event loop does between two clicks of a real operator.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        shell.aperti.clear();
        audio.chiamate.clear();
        VerificaPartita(console, controllo, i);
        // Caches, fonts and the first windows settle in the first quarter of the run.
        if (i == azioni / 4) {
            dopoRiscaldamento = RssKb();
            heapDopoRiscaldamento = HeapKb(console);
        }
    }
    const long fine = RssKb();
    const long heapFine = HeapKb(console);
    std::printf("actions %d, seed %u, violations %d, history lines at the end %d\n", azioni, seme,
                controllo.violazioni, static_cast<int>(console.Match().Storico.size()));
    std::printf("RSS start %ld KB, after warm-up %ld KB, end %ld KB\n", inizio, dopoRiscaldamento,
                fine);
    std::printf("heap in use (picture caches emptied) start %ld KB, after warm-up %ld KB, end "
                "%ld KB, growth after warm-up %ld KB\n",
                heapInizio, heapDopoRiscaldamento, heapFine, heapFine - heapDopoRiscaldamento);
    // A run of hours must not keep what it no longer needs.
    constexpr long CrescitaMassimaKb = 5 * 1024;
    const bool memoriaStabile = !MemoriaMisurabile || heapInizio < 0 ||
                                heapFine - heapDopoRiscaldamento < CrescitaMassimaKb;
    if (!memoriaStabile) {
        std::printf("memory grew by more than %ld KB\n", CrescitaMassimaKb);
    }
    return controllo.violazioni == 0 && memoriaStabile ? 0 : 1;
}
