// A whole-file write as a change makes it (an emergency copy of a long match): with the folder
// synced after the rename, and without, to show what the durable name costs.
#include "Measures.h"
#include "platform/FileSync.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// The calls of before the folder was synced: the rename is left in the cache.
class NoFolderSync : public FileCalls {
  public:
    int OpenFolder(const QByteArray&) override { return Folder; }
    int Sync(int handle) override { return handle == Folder ? 0 : FileCalls::Sync(handle); }
    int Close(int handle) override { return handle == Folder ? 0 : FileCalls::Close(handle); }

  private:
    static constexpr int Folder = -2;
};

void Measure(benchmark::State& state, FileCalls& calls) {
    // Beside the program, on the disk a build lives on: /tmp is often memory, where a sync
    // costs nothing.
    QTemporaryDir folder(QDir::current().filePath(QStringLiteral("bench-files-XXXXXX")));
    const QString path = folder.filePath(QStringLiteral("match.txt"));
    const QByteArray text(24 * 1024, 'x');
    Durations durations;
    for (auto _ : state) {
        durations.Begin();
        const QString error = ReplaceWholeFile(path, text, calls);
        durations.Stop();
        if (!error.isEmpty()) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
    }
    durations.BringBack(state);
}

void BM_WholeFileWrite(benchmark::State& state) {
    Measure(state, FileCalls::System());
}
BENCHMARK(BM_WholeFileWrite)->Iterations(200)->Unit(benchmark::kMillisecond);

void BM_WholeFileWriteNoFolderSync(benchmark::State& state) {
    NoFolderSync calls;
    Measure(state, calls);
}
BENCHMARK(BM_WholeFileWriteNoFolderSync)->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace
