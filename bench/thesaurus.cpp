// Thesaurus lookups with the data file closed before each one, as the panel does on every word,
// and the thesaurus panel's refresh for "bright" (12 meanings) in both display styles. Uses the
// thesaurus files of the build's application folder, else the installed MyThes files.
#include "Thesaurus.h"
#include "AppFolders.h"
#include "BenchSupport.h"
#include "ContextBox.h"
#include "DictionaryList.h"
#include "Settings.h"
#include "frmThesaurus.h"

#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct TThesaurusFiles
{
    QString index;
    QString data;
};

TThesaurusFiles SourceFiles()
{
    const QString app = QStringLiteral(TOLVANE_APP_DIR "/thesaurus.");
    if (QFileInfo::exists(app + QStringLiteral("idx")))
        return {app + QStringLiteral("idx"), app + QStringLiteral("dat")};
    const QString installed = QStringLiteral("/usr/share/mythes/th_en_US_v2.");
    return {installed + QStringLiteral("idx"), installed + QStringLiteral("dat")};
}

void LookupBench(benchmark::State &state, const char *word)
{
    const TThesaurusFiles files = SourceFiles();
    TThesaurus thes(files.index, files.data);
    const QString text = QString::fromLatin1(word);
    thes.Lookup(text); // the index is parsed once per run
    for (auto _ : state) {
        thes.CloseDataFile();
        benchmark::DoNotOptimize(thes.Lookup(text));
    }
    state.counters["contexts"] = thes.ContextCount();
}

// One iteration is the word change to "bright" with the panel painted; emptying the panel
// again between iterations is not timed.
void PanelBench(benchmark::State &state, bool wrap)
{
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.SetWrap(wrap);
    auto panel = std::make_unique<TfrmThesaurus>(nullptr, 1);
    panel->resize(200, 400);
    panel->show();
    const QString word = QStringLiteral("bright");
    for (auto _ : state) {
        dict.SetWord(word);
        QCoreApplication::processEvents();
        state.PauseTiming();
        dict.SetWord(QStringLiteral("zzzzq"));
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    dict.SetWord(word);
    state.counters["contexts"] = panel->cmbContext()->count();
}

} // namespace

BENCHMARK_CAPTURE(LookupBench, love, "love")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LookupBench, bright, "bright")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LookupBench, absent, "zzzzq")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PanelBench, bright_list, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PanelBench, bright_wrap, true)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return bench::RunBenchmarks(argc, argv, [](const QDir &folder) {
        // The panel's thesaurus is read from the application folder.
        const TThesaurusFiles files = SourceFiles();
        QFile::copy(files.index, folder.filePath(QStringLiteral("thesaurus.idx")));
        QFile::copy(files.data, folder.filePath(QStringLiteral("thesaurus.dat")));
        benchmark::AddCustomContext("thesaurus", files.index.toStdString());
        return true;
    });
}
