// Lookup mode on the real word lists of the application folder (TOLVANE_APP_DIR): switching
// modes each way, a word change with the visible Lookup-mode page refreshed and painted, and the
// rhyme-lines table of the word with the most lines.
#include "AppFolders.h"
#include "BenchSupport.h"
#include "DataModule.h"
#include "DictionaryList.h"
#include "FrameAdvanced.h"
#include "ProgramFrames.h"
#include "Settings.h"
#include "Startup.h"
#include "frmRhymeDict.h"
#include "frmSimple.h"

#include <QFile>
#include <QTabWidget>
#include <QTextStream>

#include <benchmark/benchmark.h>

namespace {

// The real word lists beside a settings file of our own.
bool PrepareFolder(const QDir &folder)
{
    bench::CopyBuiltFiles(folder, {"rdict.dat", "sdxdict.dat", "rpoetry.dat"});
    InstallProgramFrames();
    return true;
}

// The program started in the given mode, shown and activated; empty on failure.
class TRunning
{
public:
    explicit TRunning(bool cadenzio)
    {
        TDictionaryList::FreeInstance();
        TDictSettings::FreeInstance();
        QFile ini(AppFolder() + QStringLiteral("settings.ini"));
        ini.open(QIODevice::WriteOnly);
        ini.write("[MainForm]\r\nWidth=1000\r\nHeight=700\r\nIsAdvanced=" +
                  QByteArray(cadenzio ? "1" : "0") + "\r\n");
        ini.close();
        if (!StartProgram(program_, false).isEmpty())
            return;
        program_.window->show();
        program_.window->FirstActivate();
        QCoreApplication::processEvents();
    }
    ~TRunning()
    {
        EndProgram(program_);
        TDictionaryList::FreeInstance();
        TDictSettings::FreeInstance();
    }
    TfrmRhymeDict *Window() const { return program_.window.get(); }
    TDataModule1 *Data() const { return program_.data; }
    TFrameSimple *Simple() const
    {
        return program_.window ? qobject_cast<TFrameSimple *>(program_.window->FrameSimple())
                               : nullptr;
    }

private:
    TProgram program_;
};

void SwitchAndPaint(TRunning &running)
{
    running.Data()->actAdvanced->trigger();
    running.Window()->repaint();
    QCoreApplication::processEvents();
}

// Arg 0: from Cadenzio to Lookup mode; arg 1: back from Lookup to Cadenzio mode.
void BM_SwitchMode(benchmark::State &state)
{
    const bool toCadenzio = state.range(0) == 1;
    TRunning running(toCadenzio ? false : true);
    if (!running.Window()) {
        state.SkipWithError("the program does not start");
        return;
    }
    TDictionaryList::Instance().SetWord(QStringLiteral("love"));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        SwitchAndPaint(running);
        state.PauseTiming();
        SwitchAndPaint(running);
        state.ResumeTiming();
    }
    state.SetLabel(toCadenzio ? "to Cadenzio mode" : "to Lookup mode");
}

// The word whose rhyme group has the most lines of verse, among the system word list.
QString MostLinesWord(int *count)
{
    const TDictionaryList &dict = TDictionaryList::Instance();
    QFile words(QStringLiteral("/usr/share/dict/american-english"));
    QString best = QStringLiteral("love");
    qsizetype bestSize = 0;
    if (words.open(QIODevice::ReadOnly)) {
        QTextStream in(&words);
        while (!in.atEnd()) {
            const QString word = in.readLine().trimmed().toLower();
            const QString group = dict.Lookup(TDictionaryList::RhymeSlot, word);
            if (group.isEmpty())
                continue;
            const qsizetype size =
                dict.Lookup(TDictionaryList::RhymeLineSlot, group).count(QLatin1Char('#'));
            if (size > bestSize) {
                best = word;
                bestSize = size;
            }
        }
    }
    *count = int(bestSize) + 1;
    return best;
}

// A word change in Lookup mode with the page of arg 0 shown (0 Combined, 1 Side by Side,
// 2 Roundex, 3 Rhyme Lines); words "love" and "time", or with arg 1 = 1 the word with the most
// rhyme lines and "love".
void BM_LookupWordChange(benchmark::State &state)
{
    TRunning running(false);
    if (!running.Simple()) {
        state.SkipWithError("the program does not start");
        return;
    }
    running.Simple()->pgcntrlSimple()->setCurrentIndex(int(state.range(0)));
    QCoreApplication::processEvents();
    int lines = 0;
    const QString a = state.range(1) ? MostLinesWord(&lines) : QStringLiteral("time");
    const QString b = QStringLiteral("love");
    TDictionaryList &dict = TDictionaryList::Instance();
    bool flip = false;
    for (auto _ : state) {
        dict.SetWord(flip ? a : b);
        QCoreApplication::processEvents(); // layout and paint of what changed
        flip = !flip;
    }
    const QString page = running.Simple()->pgcntrlSimple()->tabText(int(state.range(0)));
    state.SetLabel((page + QStringLiteral(": ") + a + QLatin1Char('/') + b +
                    (lines ? QStringLiteral(" (%1 lines)").arg(lines) : QString()))
                       .toStdString());
}

} // namespace

BENCHMARK(BM_SwitchMode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_LookupWordChange)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({3, 0})
    ->Args({3, 1})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return bench::RunBenchmarks(argc, argv, PrepareFolder);
}
