// The word explorer's database: a warm lookup (senses and synonyms, blocks cached), a cold one
// (a fresh database object: open, directory, first lookup), and the memory an open database
// holds.
#include "LexDatabase.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

const std::string LexFile = TOLVANE_APP_DIR "/cz.lex";
const char *const Words[] = {"love", "ran", "bright", "dog's", "running", "happier"};

std::size_t SynonymsShown(TLexDatabase &db, const std::string &word)
{
    db.Lookup(word);
    return db.Query().Synonyms().size() + db.Query().Senses().size();
}

void BM_WarmLookup(benchmark::State &state)
{
    TLexDatabase db;
    db.SetFileName(LexFile);
    const std::string word = Words[state.range(0)];
    SynonymsShown(db, word);
    for (auto _ : state)
        benchmark::DoNotOptimize(SynonymsShown(db, word));
    state.SetLabel(word);
}
BENCHMARK(BM_WarmLookup)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

void BM_ColdOpenAndLookup(benchmark::State &state)
{
    for (auto _ : state) {
        TLexDatabase db;
        db.SetFileName(LexFile);
        benchmark::DoNotOptimize(SynonymsShown(db, "love"));
    }
}
BENCHMARK(BM_ColdOpenAndLookup)->Unit(benchmark::kMillisecond);

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

// Resident memory added by opening the database and looking up a few words.
void BM_OpenDatabaseMemory(benchmark::State &state)
{
    for (auto _ : state) {
        const long before = ResidentKilobytes();
        TLexDatabase db;
        db.SetFileName(LexFile);
        for (const char *word : Words)
            SynonymsShown(db, word);
        state.counters["added_kB"] = double(ResidentKilobytes() - before);
    }
}
BENCHMARK(BM_OpenDatabaseMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
