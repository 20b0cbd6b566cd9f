// Start-up cost of the word data: loading the word-list files as the program does (the three
// dictionary slots and the syllable table), and a whole `tolvane-cli rhymes love` process.
#include "DIAnsiStringHash.h"

#include <QFileInfo>
#include <QString>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>

#include <array>
#include <memory>

extern char **environ;

namespace {

const QString kAppDir = QStringLiteral(TOLVANE_APP_DIR "/");
constexpr std::array<const char *, 4> kFiles = {"rdict.dat", "sdxdict.dat", "rpoetry.dat",
                                                "syllables.dat"};

double FilesSize()
{
    double bytes = 0;
    for (const char *name : kFiles)
        bytes += QFileInfo(kAppDir + name).size();
    return bytes;
}

std::array<std::unique_ptr<TDIAnsiStringHash>, kFiles.size()> LoadAll()
{
    std::array<std::unique_ptr<TDIAnsiStringHash>, kFiles.size()> lists;
    for (std::size_t i = 0; i < kFiles.size(); ++i) {
        lists[i] = std::make_unique<TDIAnsiStringHash>();
        lists[i]->LoadFromFile(kAppDir + kFiles[i], TDIAnsiStringHash::AllChecks, 0);
    }
    return lists;
}

void BM_LoadWordData(benchmark::State &state)
{
    if (FilesSize() == 0) {
        state.SkipWithError("word data not built");
        return;
    }
    for (auto _ : state) {
        auto lists = LoadAll();
        benchmark::DoNotOptimize(lists);
    }
    // Heap held by the loaded lists, against the size of the files.
    const std::size_t before = mallinfo2().uordblks;
    const auto lists = LoadAll();
    const double held = static_cast<double>(mallinfo2().uordblks - before);
    state.counters["file_MB"] = FilesSize() / 1e6;
    state.counters["heap_MB"] = held / 1e6;
    state.counters["heap_per_file_byte"] = held / FilesSize();
}
BENCHMARK(BM_LoadWordData)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_CliRhymesLove(benchmark::State &state)
{
    const std::string cli = (kAppDir + "tolvane-cli").toStdString();
    char *argv[] = {const_cast<char *>(cli.c_str()), const_cast<char *>("rhymes"),
                    const_cast<char *>("love"), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, cli.c_str(), &actions, nullptr, argv, environ) != 0 ||
            waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("tolvane-cli rhymes love failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(BM_CliRhymesLove)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
