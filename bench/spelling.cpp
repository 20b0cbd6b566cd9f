// Live spelling's cost on the user-interface thread: one key press in the middle of a
// 5 000-line poem with the American English dictionary loaded, the editor and its gutters
// repainted (against the same press with live spelling off); the check of one line, as the
// highlighter runs it per key; a whole document highlighted, as on opening it; and one
// suggestion lookup, as the right-click menu runs it.
#include "AppFolders.h"
#include "BenchSupport.h"
#include "DictEditor.h"
#include "DictionaryList.h"
#include "EditorHighlighter.h"
#include "FrameAdvanced.h"
#include "Settings.h"
#include "SpellChecker.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTextBlock>

#include <benchmark/benchmark.h>

namespace {

const char *const Verses[] = {
    "Shall I compare thee to a summer's day? Thou art more lovely, and more temperate:",
    "> Rough winds do shake the darling buds of May, see http://example.org/sonnets",
    "And summer's lease hath all too short a date; the the wierd recieve of fortune,",
    "Sometime too hot the eye of heaven shines, o'er the hills where Cadenzio sings"};

QString Poem(int lines)
{
    return bench::RepeatVerses(Verses, lines).join(QLatin1Char('\n'));
}

void KeyPressBench(benchmark::State &state, bool spelling)
{
    TFrameAdvanced frame(nullptr, nullptr);
    frame.resize(900, 700);
    frame.show();
    frame.Initialize(1);
    TDictEditor *editor = frame.plMain();
    editor->Highlighter()->SetLiveSpelling(spelling);
    editor->setPlainText(Poem(5000));
    bench::CaretAtWordEnd(editor, 2502); // the misspelled line
    bench::TypeAndRubOut(state, editor, &frame);
    state.counters["lines"] = editor->document()->blockCount();
}

void CheckLineBench(benchmark::State &state)
{
    const TSpellChecker &checker = TSpellChecker::Instance();
    const QString line = QString::fromLatin1(Verses[2]);
    for (auto _ : state)
        benchmark::DoNotOptimize(checker.CheckLine(line));
}

// Every word new to the checker: the price of a line no answer is remembered for.
void CheckNewLineBench(benchmark::State &state)
{
    TSpellChecker checker(TSpellChecker::DefaultAffixFile(), TSpellChecker::DefaultDictionaryFile(),
                          TSpellChecker::DefaultUserFile());
    int round = 0;
    for (auto _ : state) {
        const QString suffix =
            QString::number(++round, 36).replace(QRegularExpression("[0-9]"), "q");
        benchmark::DoNotOptimize(checker.CheckLine(
            QStringLiteral("then%1 all%1 the%1 wierd%1 winds%1 of%1 May%1 blow%1").arg(suffix)));
    }
}

void OpenDocumentBench(benchmark::State &state)
{
    TDictEditor editor;
    editor.resize(900, 700);
    const QString poem = Poem(5000);
    for (auto _ : state) {
        editor.setPlainText(poem);
        QApplication::processEvents();
    }
}

void SuggestBench(benchmark::State &state)
{
    const TSpellChecker &checker = TSpellChecker::Instance();
    for (auto _ : state)
        benchmark::DoNotOptimize(checker.Suggest(QStringLiteral("recieve")));
}

} // namespace

BENCHMARK_CAPTURE(KeyPressBench, live_spelling, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KeyPressBench, no_spelling, false)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckLineBench)->Unit(benchmark::kMicrosecond);
BENCHMARK(CheckNewLineBench)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenDocumentBench)->Unit(benchmark::kMillisecond);
BENCHMARK(SuggestBench)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    const int status = bench::RunBenchmarks(argc, argv, [](const QDir &folder) {
        bench::CopyBuiltFiles(folder, {"en_US.aff", "en_US.dic"});
        if (TSpellChecker::Instance().IsAvailable())
            return true;
        fprintf(stderr, "%s\n", qPrintable(TSpellChecker::Instance().ErrorMessage()));
        return false;
    });
    TSpellChecker::FreeInstance();
    return status;
}
