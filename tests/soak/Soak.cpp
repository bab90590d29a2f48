// Hours of a match in a minute: random operator actions on the whole program, with the
// record checked after every one. Usage: soak_brivanta [actions=20000] [seed=1]
#include "display/ui/CountdownOverlay.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Doubles.h"
#include "match/History.h"
#include "match/MatchFile.h"
#include "shared/FileText.h"

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
class SoakDialogs : public AlwaysYesDialogs {
  public:
    QString OpenFile(const QString&, const QString&, const QString&) override { return file; }
    QString SaveFile(const QString&, const QString&, const QString&, const QString&) override {
        return file;
    }
    QString file;
};

// Modal windows close as soon as they open.
class ModalsClosed : public ModalWindows {
  public:
    void Show(QDialog& window) override { window.reject(); }
    bool Open() const override { return false; }
};

// AddressSanitizer keeps freed memory in quarantine and has its own allocator.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool MeasurableMemory = false;
#else
constexpr bool MeasurableMemory = true;
#endif

// The heap in use, every arena: what a leak makes grow. RSS also grows when the allocator
// keeps freed pages of the decoder thread's arena, which is not a leak.
long HeapKb(ConsoleProbe& console) {
    // The picture caches fill up to their budget by design; what a leak keeps is elsewhere.
    for (ImageCache* cache : {&console.display().preparedPhotos(),
                              &console.display().preparedSponsors(), &console.logos()}) {
        cache->Wait();
        cache->Empty();
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
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : -1;
}

struct Checks {
    int violations = 0;
    const char* lastAction = "";
    const Match* match = nullptr;
    void Check(bool condition, int action, const char* what) {
        if (condition) {
            return;
        }
        ++violations;
        if (violations <= 20) {
            const Match& shown = *match;
            std::fprintf(
                stderr, "action %d (%s): %s; set %d, points %d-%d, sets %d-%d, over %d, %d lines\n",
                action, lastAction, what, shown.CurrentSet, shown.Points[0], shown.Points[1],
                shown.SetsWon[0], shown.SetsWon[1], static_cast<int>(shown.MatchOver),
                static_cast<int>(shown.History.size()));
        }
    }
};

void CheckMatch(ConsoleProbe& console, Checks& c, int action) {
    const Match& match = console.match();
    for (int side = 0; side < 2; ++side) {
        c.Check(match.Points[side] >= 0 && match.Points[side] <= 200, action,
                "points out of 0..200");
        c.Check(match.TimeoutsCalled[side] >= 0 && match.TimeoutsCalled[side] <= 2, action,
                "timeouts out of 0..2");
    }
    const int setsPlayed = match.SetsWon[0] + match.SetsWon[1];
    c.Check(setsPlayed == match.CurrentSet - (match.MatchOver ? 0 : 1), action,
            "sets won do not add up to the sets played");
    for (const HistoryEvent& e : match.History) {
        c.Check(e.Kind != HistoryKind::Unknown && e.Set >= 1 && e.Set <= match.CurrentSet + 1,
                action, "history line not readable");
    }
    // The start-up sequence (a language switch runs it) empties the history and leaves the
    // last copy as it was, ready for a recovery.
    if (match.History.isEmpty()) {
        return;
    }
    console.waitForCopy();
    // A refused first click leaves the opening line alone, with nothing worth a copy yet.
    if (!QFile::exists(console.emergencyPath())) {
        c.Check(match.History.size() <= 1, action, "changes made but no emergency copy");
        return;
    }
    const auto lines = ReadTextFile(console.emergencyPath(), 1 << 24);
    const auto file = lines ? ReadMatchFile(*lines) : std::nullopt;
    c.Check(file.has_value(), action, "emergency copy not loadable");
    if (!file) {
        return;
    }
    Match copy;
    DefaultRules(copy);
    ApplyMatchFile(copy, *file, console.common().Languages);
    c.Check(copy.History == match.History && copy.Points == match.Points &&
                copy.SetsWon == match.SetsWon && copy.TimeoutsCalled == match.TimeoutsCalled &&
                copy.CurrentSet == match.CurrentSet,
            action, "emergency copy differs from the match shown");
}

const char* RandomAction(ConsoleProbe& console, SoakDialogs& dialogs, std::mt19937& testCase,
                         const QString& folder) {
    auto between = [&testCase](int a, int b) {
        return std::uniform_int_distribution<int>(a, b)(testCase);
    };
    const int side = between(0, 1);
    const int choice = between(0, 999);
    const char* name = "";
    if (console.match().MatchOver && choice < 500) {
        console.newMatch();
        name = "new match";
    } else if (choice < 600) {
        const QStringList codes{"", "1", "7", "12", "A1", "99", "E", "x;y", "0"};
        console.codeBox(side)->setText(codes[between(0, static_cast<int>(codes.size()) - 1)]);
        console.choosePointType(between(0, 4));
        console.changeScore(side == 0 ? 0 : 3);
        name = "point";
    } else if (choice < 660) {
        console.changeScore(side == 0 ? 1 : 2);
        name = "removal";
    } else if (choice < 710) {
        console.undoLastLine();
        name = "undo";
    } else if (choice < 750) {
        const int lines = console.historyCount();
        if (lines > 0) {
            console.selectHistoryLine(between(0, lines - 1));
            console.rollBackToSelectedLine();
            name = "rollback";
        }
    } else if (choice < 790) {
        console.callTimeout(side);
        name = "timeout";
        for (int i = 0; console.countdown() != nullptr && i < 31; ++i) {
            console.countdownTick();
        }
    } else if (choice < 820) {
        QListWidget* teams = console.teamList(side);
        if (teams->count() > 0 && !console.match().Locked) {
            teams->setCurrentRow(between(0, teams->count() - 1));
            console.chooseTeam(side);
            name = "team choice";
        }
    } else if (choice < 840) {
        // The language is changed between matches: mid-match the start-up sequence it runs
        // puts the set label back to the first set.
        if (console.match().History.isEmpty() && console.optionsMenuEnabled()) {
            console.chooseLanguage(
                between(0, static_cast<int>(console.languageActions().size()) - 1));
        }
        name = "language";
    } else if (choice < 870) {
        dialogs.file = QDir(folder).filePath(QStringLiteral("soak.txt"));
        console.saveMatch();
        name = "save";
    } else if (choice < 890) {
        dialogs.file = QDir(folder).filePath(QStringLiteral("soak.txt"));
        console.loadMatch();
        name = "load";
    } else if (choice < 905) {
        console.loadEmergencyCopy();
        name = "recovery";
    } else if (choice < 935) {
        console.togglePresentation();
        name = "presentation";
        for (int i = 0; i < between(0, 400); ++i) {
            console.display().presentationTick();
        }
    } else if (choice < 965) {
        console.selectStatistics(between(0, console.statisticsChoices().size() - 1));
        console.showStatistics();
        name = "statistics";
        console.statisticsTick();
    } else if (choice < 980) {
        console.showLeadingTeam();
        name = "leading team and last points";
        console.showLastPoints();
    } else {
        console.displayTick();
        name = "timers";
        console.framesTick();
        console.display().clockTick();
        console.display().sponsorTick();
        for (int i = 0; i < 50; ++i) {
            console.display().panelSlideTick();
        }
    }
    return name;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int actions = argc > 1 ? std::atoi(argv[1]) : 20000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1U;

    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("programma"));
    QDir().mkpath(program + QStringLiteral("/Teams"));
    QDir().mkpath(program + QStringLiteral("/Sponsors"));
    for (const QString& team : QDir(QStringLiteral(BRIVANTA_DATA "/Teams"))
                                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir from(QStringLiteral(BRIVANTA_DATA "/Teams/") + team);
        QDir().mkpath(program + QStringLiteral("/Teams/") + team);
        for (const QString& f :
             from.entryList({QStringLiteral("team.csv"), QStringLiteral("*.jpg")}, QDir::Files)) {
            QFile::copy(from.filePath(f), program + QStringLiteral("/Teams/") + team + u'/' + f);
        }
    }
    QFile::copy(QStringLiteral(BRIVANTA_DATA "/Languages.csv"),
                program + QStringLiteral("/Languages.csv"));

    SoakDialogs dialogs;
    FakeSettings settings;
    FakeFolders folders;
    folders.program = program;
    folders.documents = root.filePath(QStringLiteral("Documenti"));
    folders.temporary = root.filePath(QStringLiteral("temp"));
    folders.user = root.filePath(QStringLiteral("utente"));
    QDir().mkpath(folders.temporary);
    FakeClock clock;
    FakeShell shell;
    FakeProcess process;
    FakeAudioChannel audio;
    ModalsClosed modal;
    FakeLiveServer live;
    live.streams = 1;
    FakeDisk disk;
    Platform platform{dialogs, settings, folders, clock, shell,  process,
                      audio,   modal,    live,    disk,  nullptr};

    ConsoleProbe console(platform);
    console.load();
    std::mt19937 testCase(seed);
    Checks control;
    control.match = &console.match();
    const long start = RssKb();
    const long heapStart = HeapKb(console);
    long afterWarmUp = start;
    long heapAfterWarmUp = heapStart;
    for (int i = 0; i < actions; ++i) {
        control.lastAction = RandomAction(console, dialogs, testCase, root.path());
        // What the event loop does between two clicks of a real operator.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        shell.open.clear();
        audio.calls.clear();
        CheckMatch(console, control, i);
        // Caches, fonts and the first windows settle in the first quarter of the run.
        if (i == actions / 4) {
            afterWarmUp = RssKb();
            heapAfterWarmUp = HeapKb(console);
        }
    }
    const long end = RssKb();
    const long heapEnd = HeapKb(console);
    std::printf("actions %d, seed %u, violations %d, history lines at the end %d\n", actions, seed,
                control.violations, static_cast<int>(console.match().History.size()));
    std::printf("RSS start %ld KB, after warm-up %ld KB, end %ld KB\n", start, afterWarmUp, end);
    std::printf("heap in use (picture caches emptied) start %ld KB, after warm-up %ld KB, end "
                "%ld KB, growth after warm-up %ld KB\n",
                heapStart, heapAfterWarmUp, heapEnd, heapEnd - heapAfterWarmUp);
    // A run of hours must not keep what it no longer needs.
    constexpr long MaxGrowthKb = 5 * 1024;
    const bool stableMemory =
        !MeasurableMemory || heapStart < 0 || heapEnd - heapAfterWarmUp < MaxGrowthKb;
    if (!stableMemory) {
        std::printf("memory grew by more than %ld KB\n", MaxGrowthKb);
    }
    return control.violations == 0 && stableMemory ? 0 : 1;
}
