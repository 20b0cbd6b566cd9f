#include "Syllables.h"
#include "CmuDictionary.h"
#include "DIAnsiStringHash.h"
#include "SyllableTable.h"
#include "WordListTsv.h"

#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <map>

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

const QString kAppDir = QStringLiteral(TOLVANE_APP_DIR "/");

std::string ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// Lines of exactly ten words, from the sample lines' words.
std::vector<QString> TenWordLines()
{
    std::vector<QString> lines;
    for (const std::string &sample : SampleLines()) {
        const QStringList words = QString::fromUtf8(sample).split(u' ', Qt::SkipEmptyParts);
        if (words.size() >= 10)
            lines.push_back(words.mid(0, 10).join(u' '));
        if (lines.size() == 10000)
            break;
    }
    return lines;
}

// One ten-word line per iteration through the real table, as the gutters do for each row.
template <typename Measure> void OverTenWordLines(benchmark::State &state, Measure measure)
{
    TDIAnsiStringHash words;
    words.LoadFromFile(kAppDir + "syllables.dat");
    const TSyllableTable table(&words);
    const std::vector<QString> lines = TenWordLines();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(measure(table, lines[i]));
        i = (i + 1) % lines.size();
    }
}

void BM_CountTenWordLineByTable(benchmark::State &state)
{
    OverTenWordLines(state,
                     [](const TSyllableTable &t, const QString &l) { return t.CountLine(l); });
}
BENCHMARK(BM_CountTenWordLineByTable);

void BM_MeterOfTenWordLine(benchmark::State &state)
{
    OverTenWordLines(state,
                     [](const TSyllableTable &t, const QString &l) { return t.MeterOfLine(l); });
}
BENCHMARK(BM_MeterOfTenWordLine);

void BM_LoadSyllableTable(benchmark::State &state)
{
    for (auto _ : state) {
        TDIAnsiStringHash words;
        words.LoadFromFile(kAppDir + "syllables.dat");
        benchmark::DoNotOptimize(words.Count());
    }
}
BENCHMARK(BM_LoadSyllableTable)->Unit(benchmark::kMillisecond);

// The lines of verse of rpoetry.dat (GCIDE's quotations).
std::vector<QString> VerseLines()
{
    std::vector<QString> lines;
    for (const auto &[key, value] : DecodeWordList(ReadBytes(kAppDir + "rpoetry.dat"))) {
        if (key.ends_with("[P]"))
            continue;
        for (const QString &item : QString::fromUtf8(value).split(u'#', Qt::SkipEmptyParts))
            if (const qsizetype at = item.indexOf(u'@'); at >= 0)
                lines.push_back(item.mid(at + 1));
    }
    return lines;
}

// How often each way of counting agrees with the pronouncing dictionary (first pronunciation)
// on the 5 000 words used most in those lines of verse, and how many of the lines the two ways
// count apart.
void BM_CountAgreement(benchmark::State &state)
{
    TCmuDictionary cmu;
    cmu.Parse(ReadBytes(QStringLiteral(TOLVANE_CMU_INDEX)));
    TDIAnsiStringHash words;
    words.LoadFromFile(kAppDir + "syllables.dat");
    const TSyllableTable table(&words);
    const std::vector<QString> lines = VerseLines();
    std::map<std::string, int> uses;
    const QRegularExpression split(QStringLiteral("[^a-z']+"));
    for (const QString &line : lines)
        for (const QString &word : line.toLower().split(split, Qt::SkipEmptyParts))
            if (cmu.Find(word.toStdString()))
                ++uses[word.toStdString()];
    std::vector<std::pair<int, std::string>> ranked;
    for (const auto &[word, count] : uses)
        ranked.emplace_back(-count, word);
    std::sort(ranked.begin(), ranked.end());
    ranked.resize(std::min<std::size_t>(ranked.size(), 5000));
    double ruleExact = 0, tableExact = 0, linesApart = 0;
    for (auto _ : state) {
        ruleExact = tableExact = linesApart = 0;
        for (const auto &[uses, word] : ranked) {
            const int truth = int(TSyllableTable::StressDigits(cmu.Find(word)->front()).size());
            const QString text = QString::fromStdString(word);
            ruleExact += CountLineSyllables(text) == truth;
            tableExact += table.CountLine(text) == truth;
        }
        for (const QString &line : lines)
            linesApart += table.CountLine(line) != CountLineSyllables(line);
    }
    state.counters["words"] = double(ranked.size());
    state.counters["rule_exact_pct"] = 100 * ruleExact / double(ranked.size());
    state.counters["table_exact_pct"] = 100 * tableExact / double(ranked.size());
    state.counters["lines"] = double(lines.size());
    state.counters["lines_apart_pct"] = 100 * linesApart / double(lines.size());
}
BENCHMARK(BM_CountAgreement)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
