#include "PorterStem.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <random>

namespace {

// Lower-case ASCII words from the system word list, or generated inflected forms without it.
std::vector<std::string> SampleWords()
{
    std::vector<std::string> words;
    std::ifstream in("/usr/share/dict/words");
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() &&
            std::all_of(line.begin(), line.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            words.push_back(line);
    }
    if (words.empty()) {
        const char *stems[] = {"rhym", "hop", "relat", "condit", "motor", "sing", "fall"};
        const char *endings[] = {"ing", "ed", "es", "ational", "ness", "ly", "ization", ""};
        for (const char *stem : stems)
            for (const char *ending : endings)
                words.push_back(std::string(stem) + ending);
    }
    std::shuffle(words.begin(), words.end(), std::mt19937(7));
    return words;
}

void BM_StemWord(benchmark::State &state)
{
    const std::vector<std::string> words = SampleWords();
    std::size_t i = 0;
    for (auto _ : state) {
        std::string stem = StemWord(words[i]);
        benchmark::DoNotOptimize(stem);
        if (++i == words.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["words"] = double(words.size());
}
BENCHMARK(BM_StemWord);

} // namespace

BENCHMARK_MAIN();
