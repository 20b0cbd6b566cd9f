#include "Syllables.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <random>

namespace {

// About 16 MB of verse-like lines: words, punctuation, apostrophes and the odd accented letter.
std::vector<std::string> SampleLines()
{
    const char *words[] = {
        "shall",       "I",         "compare",  "thee",   "to",     "a",     "summer's",
        "day",         "the",       "fire",     "burned", "bright", "o'er",  "well-known",
        "caf\xc3\xa9", "beautiful", "syllable", "rhythm", "yellow", "loved", "created"};
    const char *marks[] = {" ", " ", " ", ", ", "; ", "! ", " -- "};
    std::mt19937 rng(3);
    std::uniform_int_distribution<std::size_t> word(0, std::size(words) - 1);
    std::uniform_int_distribution<std::size_t> mark(0, std::size(marks) - 1);
    std::vector<std::string> lines;
    std::size_t total = 0;
    while (total < 16000000) {
        std::string line;
        while (line.size() < 45)
            line += std::string(words[word(rng)]) + marks[mark(rng)];
        total += line.size();
        lines.push_back(std::move(line));
    }
    return lines;
}

std::size_t TotalBytes(const std::vector<std::string> &lines)
{
    std::size_t total = 0;
    for (const std::string &line : lines)
        total += line.size();
    return total;
}

void BM_CountLineSyllables(benchmark::State &state)
{
    const std::vector<std::string> lines = SampleLines();
    for (auto _ : state) {
        long sum = 0;
        for (const std::string &line : lines)
            sum += CountLineSyllables(std::string_view(line));
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * TotalBytes(lines)));
}
BENCHMARK(BM_CountLineSyllables)->Unit(benchmark::kMillisecond);

void BM_CountLineSyllablesQString(benchmark::State &state)
{
    std::vector<QString> lines;
    std::size_t bytes = 0;
    for (const std::string &line : SampleLines()) {
        lines.push_back(QString::fromUtf8(line));
        bytes += line.size();
    }
    for (auto _ : state) {
        long sum = 0;
        for (const QString &line : lines)
            sum += CountLineSyllables(line);
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * bytes));
}
BENCHMARK(BM_CountLineSyllablesQString)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
