// From SetWord to the rhymes, phrases and Roundex panels refreshed and painted, in both display
// styles, for a common word and for the largest rhyme group. Uses the built word lists of
// $TOLVANE_BENCH_DATA or the build's application folder when they exist, else a synthetic set.
#include "AppFolders.h"
#include "BenchSupport.h"
#include "DIAnsiStringHash.h"
#include "DictionaryList.h"
#include "NearRhymes.h"
#include "Settings.h"
#include "frmPhrases.h"
#include "frmRhymes.h"
#include "frmRoundex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

QString DataFolder()
{
    const QString env = qEnvironmentVariable("TOLVANE_BENCH_DATA");
    for (const QString &dir : {env, QStringLiteral(TOLVANE_APP_DIR)})
        if (!dir.isEmpty() && QFileInfo::exists(dir + QStringLiteral("/rdict.dat")))
            return dir;
    return QString();
}

// Synthetic lists: a 40-word group for the common word and a 5000-word group, each with
// phrases, and Roundex entries of matching size.
void WriteSynthetic(const QString &folder)
{
    TDIWordListWriter rdict, sdx;
    auto group = [&](const std::string &key, const std::string &stem, int words) {
        std::string entry, phrases;
        for (int i = 0; i < words; ++i) {
            const std::string word = stem + std::to_string(i);
            rdict.Add(word, key);
            entry += word + '#';
            if (i % 10 == 0)
                phrases += "the " + word + '#';
        }
        rdict.Add(key, entry);
        rdict.Add(key + "[P]", phrases);
        return entry;
    };
    group("UHV", "lov", 40);
    rdict.Add("love", "UHV");
    group("IY", "bee", 5000);
    sdx.Add(TDictionaryList::RoundexCode(QStringLiteral("love")).toStdString(),
            "love#glove#shove#dove#above");
    std::string sounds;
    for (int i = 0; i < 2000; ++i)
        sounds += "zee" + std::to_string(i) + '#';
    sdx.Add(TDictionaryList::RoundexCode(QStringLiteral("bee1")).toStdString(), sounds);
    rdict.SaveToFile(folder + QStringLiteral("rdict.dat"));
    sdx.SaveToFile(folder + QStringLiteral("sdxdict.dat"));
}

// A word of the largest rhyme group found among the dictionary words on this machine.
QString LargestGroupWord(bool synthetic)
{
    if (synthetic)
        return QStringLiteral("bee1");
    const TDictionaryList &dict = TDictionaryList::Instance();
    QFile file(QStringLiteral("/usr/share/dict/words"));
    QString best = QStringLiteral("love");
    qsizetype bestSize = 0;
    if (file.open(QIODevice::ReadOnly)) {
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString word = in.readLine();
            const QString key = dict.Lookup(TDictionaryList::RhymeSlot, word);
            const qsizetype size = dict.Lookup(TDictionaryList::RhymeSlot, key).size();
            if (!key.isEmpty() && size > bestSize) {
                best = word;
                bestSize = size;
            }
        }
    }
    return best;
}

struct TPanels
{
    std::unique_ptr<TfrmRhymes> rhymes = Shown(new TfrmRhymes(nullptr, 1));
    std::unique_ptr<TfrmPhrases> phrases = Shown(new TfrmPhrases(nullptr, 1));
    std::unique_ptr<TfrmRoundex> roundex = Shown(new TfrmRoundex(nullptr, 1));

    template <class P> static std::unique_ptr<P> Shown(P *panel)
    {
        panel->resize(160, 300);
        panel->show();
        return std::unique_ptr<P>(panel);
    }
};

bool synthetic = true;

qsizetype Count(const QString &entry)
{
    return entry.split(QLatin1Char('#'), Qt::SkipEmptyParts).size();
}

// One iteration shows the word's results from empty panels and empties them again, so every
// refill starts from scratch (the same entry again would be left alone by the memos).
void RefreshBench(benchmark::State &state, bool largest, bool wrap)
{
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.SetWrap(wrap);
    const QString word = largest ? LargestGroupWord(synthetic) : QStringLiteral("love");
    const QString nothing = QStringLiteral("zzzzq");
    TPanels panels;
    for (auto _ : state) {
        dict.SetWord(word); // one word change refills all three panels
        QCoreApplication::processEvents();
        dict.SetWord(nothing);
        QCoreApplication::processEvents();
    }
    const QString key = dict.Lookup(TDictionaryList::RhymeSlot, word);
    state.counters["rhymes"] = double(Count(dict.Lookup(TDictionaryList::RhymeSlot, key)));
    state.counters["phrases"] =
        double(Count(dict.Lookup(TDictionaryList::RhymeSlot, key + QStringLiteral("[P]"))));
    state.counters["roundex"] = double(
        Count(dict.Lookup(TDictionaryList::RoundexSlot, TDictionaryList::RoundexCode(word))));
    state.SetLabel(word.toStdString());
}

// One near-rhymes lookup of the built data (the panel's list), words of few and of many
// perfect rhymes in turn.
void NearRhymesBench(benchmark::State &state)
{
    const QString folder = DataFolder();
    TDIAnsiStringHash rdict, nearData;
    if (folder.isEmpty() || !QFileInfo::exists(folder + QStringLiteral("/near.dat"))) {
        state.SkipWithError("no built near.dat");
        return;
    }
    rdict.LoadFromFile(folder + QStringLiteral("/rdict.dat"));
    nearData.LoadFromFile(folder + QStringLiteral("/near.dat"));
    const TNearRhymes nearRhymes(nearData);
    const std::vector<std::string> words = {"love",   "time",  "orange", "silver",
                                            "purple", "month", "home",   "night"};
    std::size_t i = 0, found = 0;
    for (auto _ : state) {
        const auto keys = NearRhymes::GroupKeysOf(rdict, words[i++ % words.size()]);
        found += nearRhymes.Lookup(keys, TNearRhymes::kListed).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["words"] = double(found) / double(std::max<std::size_t>(i, 1));
}

} // namespace

BENCHMARK_CAPTURE(RefreshBench, common_list, false, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RefreshBench, common_wrap, false, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RefreshBench, largest_list, true, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RefreshBench, largest_wrap, true, true)->Unit(benchmark::kMicrosecond);
BENCHMARK(NearRhymesBench)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return bench::RunBenchmarks(argc, argv, [](const QDir &folder) {
        const QString data = DataFolder();
        synthetic = data.isEmpty();
        if (synthetic) {
            WriteSynthetic(folder.path() + QLatin1Char('/'));
        } else {
            for (const char *name : {"rdict.dat", "sdxdict.dat"})
                QFile::copy(data + QLatin1Char('/') + QLatin1String(name),
                            folder.filePath(QLatin1String(name)));
        }
        benchmark::AddCustomContext("word lists", synthetic ? "synthetic" : data.toStdString());
        return true;
    });
}
