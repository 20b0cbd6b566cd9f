#include "DIAnsiStringHash.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <unordered_set>

namespace {

constexpr int kEntries = 300000;

std::string RandomWord(std::mt19937 &rng, int minLength, int maxLength)
{
    std::uniform_int_distribution<int> length(minLength, maxLength);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::string word(std::size_t(length(rng)), 'a');
    for (char &c : word)
        c = static_cast<char>(letter(rng));
    return word;
}

// Words of 5 to 12 letters with "#"-lists of about 30 bytes, like the rhyme groups.
struct TSampleList
{
    QTemporaryDir dir;
    QString path;
    std::vector<std::string> keys;
    std::size_t fileSize = 0;

    TSampleList()
    {
        std::mt19937 rng(42);
        TDIWordListWriter writer;
        keys.reserve(kEntries);
        std::unordered_set<std::string> seen;
        while (keys.size() < kEntries) {
            std::string key = RandomWord(rng, 5, 12);
            if (!seen.insert(key).second)
                continue;
            std::string value;
            while (value.size() < 26)
                value += RandomWord(rng, 4, 9) + '#';
            writer.Add(key, value);
            keys.push_back(std::move(key));
        }
        path = dir.filePath("rdict.dat");
        writer.SaveToFile(path);
        fileSize = writer.Bytes().size();
        std::shuffle(keys.begin(), keys.end(), rng);
    }
};

const TSampleList &Sample()
{
    static const TSampleList sample;
    return sample;
}

std::size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

long ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4096;
}

void BM_LoadFromFile(benchmark::State &state)
{
    const TSampleList &sample = Sample();
    std::size_t heap = 0;
    long rss = 0;
    std::size_t count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        malloc_trim(0);
        const std::size_t heapBefore = HeapInUse();
        const long rssBefore = ResidentBytes();
        state.ResumeTiming();
        TDIAnsiStringHash list;
        list.LoadFromFile(sample.path);
        state.PauseTiming();
        heap = HeapInUse() - heapBefore;
        rss = ResidentBytes() - rssBefore;
        count = list.Count();
        state.ResumeTiming();
    }
    if (count != kEntries)
        state.SkipWithError("wrong entry count");
    state.counters["file_MB"] = double(sample.fileSize) / 1e6;
    state.counters["heap_per_file"] = double(heap) / double(sample.fileSize);
    state.counters["rss_growth_per_file"] = double(rss) / double(sample.fileSize);
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond)->Iterations(10);

void RunLookups(benchmark::State &state, bool present, std::size_t spread = 100000)
{
    const TSampleList &sample = Sample();
    TDIAnsiStringHash list;
    list.LoadFromFile(sample.path);
    std::vector<std::string> keys(sample.keys.begin(),
                                  sample.keys.begin() + std::ptrdiff_t(spread));
    if (!present) {
        for (std::string &key : keys)
            key += '!';
    }
    std::size_t i = 0;
    std::size_t found = 0;
    for (auto _ : state) {
        const std::string_view value = list.Lookup(keys[i]);
        benchmark::DoNotOptimize(value);
        found += !value.empty();
        if (++i == keys.size())
            i = 0;
    }
    if ((found != 0) != present)
        state.SkipWithError("unexpected lookup result");
}

void BM_LookupHit(benchmark::State &state)
{
    RunLookups(state, true);
}
BENCHMARK(BM_LookupHit);

void BM_LookupMiss(benchmark::State &state)
{
    RunLookups(state, false);
}
BENCHMARK(BM_LookupMiss);

// The same keys again and again: what a lookup costs once its cache lines are warm.
void BM_LookupHitWarm(benchmark::State &state)
{
    RunLookups(state, true, 1000);
}
BENCHMARK(BM_LookupHitWarm);

} // namespace

BENCHMARK_MAIN();
