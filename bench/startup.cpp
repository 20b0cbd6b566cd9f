// Start-up of the main window and the refresh of the docked panels for one lookup, on the real
// word lists of the application folder (TOLVANE_APP_DIR).
#include "Startup.h"
#include "AppFolders.h"
#include "BenchSupport.h"
#include "DictionaryList.h"
#include "Settings.h"
#include "frmRhymeDict.h"

#include <QFile>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The real word lists beside a settings file of our own.
bool PrepareFolder(const QDir &folder)
{
    bench::CopyBuiltFiles(folder, {"rdict.dat", "sdxdict.dat", "rpoetry.dat", "syllables.dat"});
    QFile ini(folder.filePath(QStringLiteral("settings.ini")));
    return ini.open(QIODevice::WriteOnly) &&
           ini.write("[MainForm]\r\nWidth=1000\r\nHeight=700\r\n") > 0;
}

void Reset()
{
    TDictionaryList::FreeInstance();
    TDictSettings::FreeInstance();
}

// Constructor to the first painted main window, word lists loaded afresh each time.
void BM_StartToFirstPaint(benchmark::State &state)
{
    for (auto _ : state) {
        TProgram program;
        if (!StartProgram(program, false).isEmpty()) {
            state.SkipWithError("the word lists do not load");
            return;
        }
        program.window->show();
        program.window->FirstActivate();
        program.window->repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        EndProgram(program);
        Reset();
        state.ResumeTiming();
    }
}

// The group with the most rhymes among the words of the system word list.
QString LargestGroupWord()
{
    const TDictionaryList &dict = TDictionaryList::Instance();
    QFile words(QStringLiteral("/usr/share/dict/american-english"));
    QString best = QStringLiteral("love");
    qsizetype bestSize = 0;
    if (!words.open(QIODevice::ReadOnly))
        return best;
    QTextStream in(&words);
    while (!in.atEnd()) {
        const QString word = in.readLine().trimmed().toLower();
        const QString group = dict.Lookup(TDictionaryList::RhymeSlot, word);
        if (group.isEmpty())
            continue;
        const qsizetype size = dict.Lookup(TDictionaryList::RhymeSlot, group).size();
        if (size > bestSize) {
            best = word;
            bestSize = size;
        }
    }
    return best;
}

// SetWord to the docked rhymes, phrases and Roundex panels refreshed and painted.
void RunLookups(benchmark::State &state, const QString &a, const QString &b, bool listStyle)
{
    Reset();
    TProgram program;
    if (!StartProgram(program, false).isEmpty()) {
        state.SkipWithError("the word lists do not load");
        return;
    }
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.SetWrap(!listStyle);
    program.window->show();
    program.window->FirstActivate();
    QCoreApplication::processEvents();
    bool flip = false;
    for (auto _ : state) {
        dict.SetWord(flip ? a : b);
        QCoreApplication::processEvents(); // layout and paint of what changed
        flip = !flip;
    }
    state.SetLabel((a + QLatin1Char('/') + b).toStdString());
    EndProgram(program);
    Reset();
}

void BM_SetWordCommon(benchmark::State &state)
{
    RunLookups(state, QStringLiteral("love"), QStringLiteral("time"), state.range(0) != 0);
}

void BM_SetWordLargestGroup(benchmark::State &state)
{
    Reset();
    const QString largest = LargestGroupWord();
    RunLookups(state, largest, QStringLiteral("love"), state.range(0) != 0);
}

} // namespace

BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SetWordCommon)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetWordLargestGroup)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return bench::RunBenchmarks(argc, argv, PrepareFolder);
}
