// tolvane-cli as a whole process, as a script meets it: start, look up, print, exit. lex runs in
// the front without Qt; rhymes and define load the module with Qt. TOLVANE_CLI_BASELINE may name
// another build of the program (with the word data in its folder) to run beside this one; run
// with --benchmark_enable_random_interleaving so that a busy machine disturbs both alike.
#include "DictServers.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

TDictd *dictd = nullptr;

// Runs the program with its output thrown away; the exit status, -1 when it did not start.
// cpuSeconds adds the child's processor time, which a loaded machine disturbs less than the
// wall time.
int Spawn(const std::string &program, std::vector<std::string> args, double *cpuSeconds = nullptr)
{
    args.insert(args.begin(), program);
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = -1;
    rusage usage{};
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0)
        wait4(pid, &status, 0, &usage);
    if (cpuSeconds)
        *cpuSeconds += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    posix_spawn_file_actions_destroy(&actions);
    return status >= 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void RunProcess(benchmark::State &state, const std::string &program,
                const std::vector<std::string> &args)
{
    double cpu = 0;
    for (auto _ : state) {
        if (Spawn(program, args, &cpu) != 0) {
            state.SkipWithError("the process failed");
            return;
        }
    }
    state.counters["child_cpu_ms"] =
        benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
}

// lex, rhymes and define of one build, named after it.
void RegisterCommands(const std::string &name, const std::string &program)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> commands = {
        {"Lex", {"lex", "love"}},
        {"Rhymes", {"rhymes", "love"}},
        {"Define", {"define", "love", "--server", "127.0.0.1:" + std::to_string(dictd->Port())}}};
    for (const auto &[command, args] : commands)
        benchmark::RegisterBenchmark(
            ("BM_Cli" + command + "Process/" + name).c_str(),
            [program, args = args](benchmark::State &state) { RunProcess(state, program, args); })
            ->Unit(benchmark::kMillisecond);
}

// The WordNet command itself, where installed: the mark to beat.
void BM_WnOverProcess(benchmark::State &state)
{
    if (Spawn("/usr/bin/wn", {"love", "-over"}) < 0) {
        state.SkipWithError("wn is not installed");
        return;
    }
    double cpu = 0;
    for (auto _ : state)
        Spawn("/usr/bin/wn", {"love", "-over"}, &cpu);
    state.counters["child_cpu_ms"] =
        benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
}

// A process that does nothing, for the machine's own cost of starting one.
void BM_TrueProcess(benchmark::State &state)
{
    double cpu = 0;
    for (auto _ : state)
        Spawn("/bin/true", {}, &cpu);
    state.counters["child_cpu_ms"] =
        benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TrueProcess)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WnOverProcess)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    dictd = &SharedDictd();
    if (!dictd->Running())
        return 1;
    RegisterCommands("this", TOLVANE_APP_DIR "/tolvane-cli");
    if (const char *baseline = std::getenv("TOLVANE_CLI_BASELINE"); baseline && *baseline)
        RegisterCommands("baseline", baseline);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    StopSharedDictd();
    return 0;
}
