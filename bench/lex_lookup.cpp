// The word explorer's database: a warm lookup (senses and synonyms, blocks cached), a cold one
// (a fresh database object: open, directory, first lookup), the levels of a large hierarchy
// ("entity", Types, depth 1 to 8), and the memory an open database holds.
#include "LexDatabase.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

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

// One press of "+" after another: every level up to the depth is read again.
void BM_TypesOfEntityByLevel(benchmark::State &state)
{
    TLexDatabase db;
    db.SetFileName(LexFile);
    db.Lookup("entity");
    const int depth = int(state.range(0));
    std::size_t words = 0;
    for (auto _ : state) {
        bool more = false;
        words = db.Query().RelatedByLevels(rtTypes, depth, more).size();
        benchmark::DoNotOptimize(words);
    }
    state.counters["words"] = double(words);
}
BENCHMARK(BM_TypesOfEntityByLevel)->DenseRange(1, 8)->Unit(benchmark::kMillisecond);

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

long HeapKilobytes()
{
    return long(mallinfo2().uordblks / 1024);
}

// What an open database holds after a few lookups: heap in use (directory, word-form strings,
// cached blocks, the last result), which an allocator that reuses freed memory cannot hide,
// and the resident memory added.
void BM_OpenDatabaseMemory(benchmark::State &state)
{
    for (auto _ : state) {
        const long heap = HeapKilobytes(), resident = ResidentKilobytes();
        TLexDatabase db;
        db.SetFileName(LexFile);
        for (const char *word : Words)
            SynonymsShown(db, word);
        state.counters["held_heap_kB"] = double(HeapKilobytes() - heap);
        state.counters["added_rss_kB"] = double(ResidentKilobytes() - resident);
    }
}
BENCHMARK(BM_OpenDatabaseMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
