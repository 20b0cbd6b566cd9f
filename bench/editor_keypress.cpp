// One key press in the middle of a 5 000-line poem, to the editor and its three gutters
// repainted: with and without word wrap. The lookup runs against empty word lists, so this
// measures the editor's own work (row lookups, syllable counts, line-number width, painting).
#include "AppFolders.h"
#include "BenchSupport.h"
#include "DictEditor.h"
#include "DictionaryList.h"
#include "FrameAdvanced.h"
#include "Settings.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

QString Poem(int lines)
{
    return bench::RepeatVerses(bench::WrappingSonnet, lines).join(QLatin1Char('\n'));
}

void KeyPressBench(benchmark::State &state, bool wrap)
{
    TDictSettings::Instance().SetShowVerseForms(true);
    TFrameAdvanced frame(nullptr, nullptr);
    frame.resize(wrap ? 420 : 900, 700); // narrow enough that the long verse wraps
    frame.show();
    frame.Initialize(1);
    TDictEditor *editor = frame.plMain();
    editor->SetWordWrap(wrap);
    editor->setPlainText(Poem(5000));
    bench::CaretAtWordEnd(editor, 2500);
    bench::TypeAndRubOut(state, editor, &frame);
    state.counters["rows"] = editor->DisplayLineCount();
}

} // namespace

BENCHMARK_CAPTURE(KeyPressBench, no_wrap, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KeyPressBench, word_wrap, true)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return bench::RunBenchmarks(argc, argv);
}
