// Replace All over a 5 000-line poem: on a bare plain-text document, and through the replace
// dialog on the verse editor with its gutters, as the user runs it. "summer" occurs twice in
// every four lines; "e" -> "ee" is the many-matches case whose replacement holds the text.
#include "AppFolders.h"
#include "BenchSupport.h"
#include "DictEditor.h"
#include "DictionaryList.h"
#include "EditorSearch.h"
#include "FrameAdvanced.h"
#include "ReplaceDialog.h"
#include "Settings.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextDocumentLayout>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

const char *const Verses[] = {
    "Shall I compare thee to a summer's day?",
    "Thou art more lovely and more temperate:", "Rough winds do shake the darling buds of May,",
    "And summer's lease hath all too short a date;"};

QString Poem(int lines)
{
    return bench::RepeatVerses(Verses, lines).join(QLatin1Char('\n'));
}

void DocumentBench(benchmark::State &state, const char *text, const char *replacement)
{
    const QString poem = Poem(5000);
    QTextDocument document;
    document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
    int count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        document.setPlainText(poem);
        state.ResumeTiming();
        count = TEditorSearch(&document).ReplaceAll(QString::fromLatin1(text),
                                                    QString::fromLatin1(replacement), {});
    }
    state.counters["replacements"] = count;
}

void EditorBench(benchmark::State &state, const char *text, const char *replacement)
{
    const QString poem = Poem(5000);
    TFrameAdvanced frame(nullptr, nullptr);
    frame.resize(900, 700);
    frame.show();
    frame.Initialize(1);
    TDictEditor *editor = frame.plMain();
    TReplaceDialog dialog(nullptr);
    dialog.SetEditor(editor);
    dialog.edtFind()->setText(QString::fromLatin1(text));
    dialog.edtReplace()->setText(QString::fromLatin1(replacement));
    int count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor->setPlainText(poem);
        QApplication::processEvents();
        state.ResumeTiming();
        count = dialog.ReplaceAll();
        frame.repaint();
    }
    state.counters["replacements"] = count;
}

} // namespace

BENCHMARK_CAPTURE(DocumentBench, summer, "summer", "winter")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DocumentBench, e_to_ee, "e", "ee")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EditorBench, summer, "summer", "winter")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EditorBench, e_to_ee, "e", "ee")->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return bench::RunBenchmarks(argc, argv);
}
