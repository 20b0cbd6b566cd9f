// Start-up of the main window and the refresh of the docked panels for one lookup, on the real
// word lists of the application folder (TOLVANE_APP_DIR). BM_ProcessStartToFirstPaint starts a
// whole process each time (this program with --start-once), as a user starts the program: with
// the libraries loaded and the application object made, and the program's own frames. Run under
// xvfb-run with QT_QPA_PLATFORM=xcb to include the window system.
#include "Startup.h"
#include "AppFolders.h"
#include "BenchSupport.h"
#include "DictionaryList.h"
#include "ProgramFrames.h"
#include "Settings.h"
#include "frmRhymeDict.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
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

// The resident memory of this process in kB, from /proc.
long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    return -1;
}

// The child of BM_ProcessStartToFirstPaint: starts as the program does, paints the main window,
// prints its resident memory and ends.
int StartOnce(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    OverrideAppFolder(dir.path());
    if (!PrepareFolder(QDir(dir.path())))
        return 1;
    InstallProgramFrames();
    TProgram program;
    if (!StartProgram(program, false).isEmpty())
        return 1;
    program.window->show();
    program.window->FirstActivate();
    program.window->repaint();
    QCoreApplication::processEvents();
    std::printf("%ld\n", ResidentKb());
    std::fflush(stdout);
    EndProgram(program);
    return 0;
}

// Process start to the first painted main window; the counter is the resident memory then.
void BM_ProcessStartToFirstPaint(benchmark::State &state)
{
    long kb = 0;
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--start-once")});
        if (!child.waitForReadyRead(60000)) {
            state.SkipWithError("the program did not start");
            return;
        }
        kb = child.readLine().trimmed().toLong();
        state.PauseTiming();
        child.waitForFinished(60000);
        state.ResumeTiming();
    }
    state.counters["rss_MB"] = double(kb) / 1024;
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
// One start per repetition; the aggregates give the median.
BENCHMARK(BM_ProcessStartToFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->UseRealTime()
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SetWordCommon)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetWordLargestGroup)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--start-once") == 0)
        return StartOnce(argc, argv);
    return bench::RunBenchmarks(argc, argv, PrepareFolder);
}
