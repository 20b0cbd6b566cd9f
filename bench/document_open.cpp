// Opening a 5 000-line poem and a 20 MB one in the verse editor, from the file to a painted
// editor with its gutters, through the same path as File > Open; and a resize of the window
// holding the 20 MB poem with word wrap on, up to the repainted editor. The application folder is a
// temporary copy of links to the built one, so the real spelling and word-list files take part and
// the built settings stay untouched.
#include "AppFolders.h"
#include "BenchSupport.h"
#include "DictEditor.h"
#include "DictionaryList.h"
#include "DocumentCommands.h"
#include "FrameAdvanced.h"
#include "Settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int SmallPoem = 5000;
constexpr int LargePoem = -1; // as many lines as make 20 MB

QByteArray Poem(int lines)
{
    if (lines == LargePoem) {
        const qsizetype size = Poem(SmallPoem).size();
        lines = int(SmallPoem * (qsizetype(20) << 20) / size);
    }
    return (bench::RepeatVerses(bench::WrappingSonnet, lines).join(QStringLiteral("\r\n")) +
            QStringLiteral("\r\n"))
        .toLatin1();
}

bool WritePoem(const QString &path, int lines)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(Poem(lines)) >= 0;
}

bool LinkBuiltFiles(const QDir &into)
{
    const QDir built(QStringLiteral(TOLVANE_APP_DIR));
    for (const QString &name : built.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        if (name != QLatin1String("settings.ini"))
            QFile::link(built.filePath(name), into.filePath(name));
    return true;
}

void OpenBench(benchmark::State &state, bool wrap, int lines)
{
    QTemporaryDir docs;
    const QString path = docs.filePath(QStringLiteral("poem.txt"));
    if (!WritePoem(path, lines)) {
        state.SkipWithError("cannot write the poem");
        return;
    }
    TFrameAdvanced frame(nullptr, nullptr);
    frame.resize(wrap ? 420 : 900, 700);
    frame.show();
    frame.Initialize(1);
    frame.plMain()->SetWordWrap(wrap);
    QApplication::processEvents();
    for (auto _ : state) {
        if (!frame.Documents()->Open(path)) {
            state.SkipWithError("open failed");
            break;
        }
        frame.repaint();
        state.PauseTiming();
        state.counters["rows"] = frame.plMain()->DisplayLineCount();
        frame.plMain()->clear();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// Each iteration switches the width, so every one lays out again.
void ResizeBench(benchmark::State &state)
{
    QTemporaryDir docs;
    const QString path = docs.filePath(QStringLiteral("poem.txt"));
    if (!WritePoem(path, LargePoem)) {
        state.SkipWithError("cannot write the poem");
        return;
    }
    TFrameAdvanced frame(nullptr, nullptr);
    frame.resize(420, 700);
    frame.show();
    frame.Initialize(1);
    frame.plMain()->SetWordWrap(true);
    if (!frame.Documents()->Open(path)) {
        state.SkipWithError("open failed");
        return;
    }
    QApplication::processEvents();
    int width = 420;
    for (auto _ : state) {
        width = width == 420 ? 520 : 420;
        frame.resize(width, 700);
        QCoreApplication::sendPostedEvents();
        frame.repaint();
    }
    state.counters["rows"] = frame.plMain()->DisplayLineCount();
}

} // namespace

BENCHMARK_CAPTURE(OpenBench, no_wrap, false, SmallPoem)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenBench, word_wrap, true, SmallPoem)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenBench, no_wrap_20mb, false, LargePoem)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenBench, word_wrap_20mb, true, LargePoem)->Unit(benchmark::kMillisecond);
BENCHMARK(ResizeBench)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return bench::RunBenchmarks(argc, argv, LinkBuiltFiles);
}
