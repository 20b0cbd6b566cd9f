// One key press in the middle of a 5 000-line poem, to the editor and its three gutters
// repainted: with and without word wrap. The lookup runs against empty word lists, so this
// measures the editor's own work (row lookups, syllable counts, line-number width, painting).
#include "AppFolders.h"
#include "DictEditor.h"
#include "DictionaryList.h"
#include "FrameAdvanced.h"
#include "Settings.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString Poem(int lines)
{
    static const char *const verses[] = {
        "Shall I compare thee to a summer's day?",
        "Thou art more lovely and more temperate:", "Rough winds do shake the darling buds of May,",
        "And summer's lease hath all too short a date; and so the long line wraps along"};
    QStringList out;
    for (int i = 0; i < lines; ++i)
        out << QString::fromLatin1(verses[i % 4]);
    return out.join(QLatin1Char('\n'));
}

void Press(QWidget *target, int key, const QString &text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
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
    QTextCursor cursor(editor->document()->findBlockByNumber(2500));
    cursor.movePosition(QTextCursor::EndOfWord);
    editor->setTextCursor(cursor);
    editor->centerCursor();
    QApplication::processEvents();
    bool typed = false;
    for (auto _ : state) {
        // Type and rub out in turn, so the document stays the same size.
        if (typed)
            Press(editor, Qt::Key_Backspace, QString());
        else
            Press(editor, Qt::Key_S, QStringLiteral("s"));
        typed = !typed;
        frame.repaint();
    }
    state.counters["rows"] = editor->DisplayLineCount();
}

} // namespace

BENCHMARK_CAPTURE(KeyPressBench, no_wrap, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KeyPressBench, word_wrap, true)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir; // settings.ini and the (absent) word lists
    OverrideAppFolder(dir.path());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TDictionaryList::FreeInstance();
    TDictSettings::FreeInstance();
    return 0;
}
