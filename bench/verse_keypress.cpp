// One key press in the middle of a 5 000-line poem with all four gutters shown (line numbers,
// syllables by pronunciation, meter, verse form) and a verse form that covers every row, so each
// row on screen is counted, scanned and checked for its rhyme against the real word data.
// Compare with bench_editor_keypress (three gutters, no word data, no form).
#include "AppFolders.h"
#include "BenchSupport.h"
#include "DictEditor.h"
#include "DictionaryList.h"
#include "FrameAdvanced.h"
#include "Settings.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// The Shakespearean sonnet's pattern, repeated down the whole poem.
QByteArray SonnetForm(int lines)
{
    const char *rows[] = {"a 10", "b 10", "a 10", "b 10", "c 10", "d 10", "c 10",
                          "d 10", "e 10", "f 10", "e 10", "f 10", "g 10", "g 10"};
    QByteArray form;
    for (int i = 0; i < lines; ++i)
        form += QByteArray(rows[i % 14]) + '\n';
    return form;
}

void KeyPressBench(benchmark::State &state, bool wrap)
{
    TDictSettings &settings = TDictSettings::Instance();
    settings.SetShowVerseForms(true);
    settings.SetShowMeter(true);
    settings.SelectVerseForm(QStringLiteral("Long Sonnet"));
    TFrameAdvanced frame(nullptr, nullptr);
    frame.resize(wrap ? 520 : 1000, 700); // narrow enough that the long verse wraps
    frame.show();
    frame.Initialize(1);
    TDictEditor *editor = frame.plMain();
    editor->SetWordWrap(wrap);
    editor->setPlainText(bench::RepeatVerses(bench::WrappingSonnet, 5000).join(QLatin1Char('\n')));
    bench::CaretAtWordEnd(editor, 2500);
    bench::TypeAndRubOut(state, editor, &frame);
    state.counters["rows"] = editor->DisplayLineCount();
    state.counters["form_rows"] = frame.VerseFormLines().size();
}

} // namespace

BENCHMARK_CAPTURE(KeyPressBench, no_wrap, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KeyPressBench, word_wrap, true)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return bench::RunBenchmarks(argc, argv, [](const QDir &folder) {
        bench::CopyBuiltFiles(folder, {"rdict.dat", "syllables.dat"});
        folder.mkpath(QStringLiteral("Verse Forms"));
        QFile form(folder.filePath(QStringLiteral("Verse Forms/Long Sonnet.txt")));
        return form.open(QIODevice::WriteOnly) && form.write(SonnetForm(5000)) > 0;
    });
}
