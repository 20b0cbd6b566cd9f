// Opening a 5 000-line poem in the verse editor, from the file to a painted editor with its
// gutters, through the same path as File > Open. The application folder is a temporary copy of
// links to the built one, so the real spelling and word-list files take part and the built
// settings stay untouched.
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

QByteArray Poem(int lines)
{
    return (bench::RepeatVerses(bench::WrappingSonnet, lines).join(QStringLiteral("\r\n")) +
            QStringLiteral("\r\n"))
        .toLatin1();
}

bool LinkBuiltFiles(const QDir &into)
{
    const QDir built(QStringLiteral(TOLVANE_APP_DIR));
    for (const QString &name : built.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        if (name != QLatin1String("settings.ini"))
            QFile::link(built.filePath(name), into.filePath(name));
    return true;
}

void OpenBench(benchmark::State &state, bool wrap)
{
    QTemporaryDir docs;
    const QString path = docs.filePath(QStringLiteral("poem.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Poem(5000)) < 0) {
        state.SkipWithError("cannot write the poem");
        return;
    }
    file.close();
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

} // namespace

BENCHMARK_CAPTURE(OpenBench, no_wrap, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenBench, word_wrap, true)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return bench::RunBenchmarks(argc, argv, LinkBuiltFiles);
}
