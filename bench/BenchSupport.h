#pragma once

// Shared by the widget benchmarks: verse documents to work on, simulated keys, and a main()
// that runs offscreen with a temporary application folder, so settings.ini never lands in the
// built one.
#include "AppFolders.h"
#include "DesktopServices.h"
#include "DictionaryList.h"
#include "Settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <functional>
#include <initializer_list>
#include <span>

namespace bench {

// Four lines of a sonnet; the last is long enough to wrap in a narrow editor.
inline constexpr const char *WrappingSonnet[] = {
    "Shall I compare thee to a summer's day?",
    "Thou art more lovely and more temperate:", "Rough winds do shake the darling buds of May,",
    "And summer's lease hath all too short a date; and so the long line wraps along"};

// The verses repeated in turn until there are lines of them.
inline QStringList RepeatVerses(std::span<const char *const> verses, int lines)
{
    QStringList out;
    out.reserve(lines);
    for (int i = 0; i < lines; ++i)
        out << QString::fromLatin1(verses[std::size_t(i) % verses.size()]);
    return out;
}

// Copies files of the built application folder (word lists, dictionaries) into folder.
inline void CopyBuiltFiles(const QDir &folder, std::initializer_list<const char *> names)
{
    const QDir built(QStringLiteral(TOLVANE_APP_DIR));
    for (const char *name : names)
        QFile::copy(built.filePath(QLatin1String(name)), folder.filePath(QLatin1String(name)));
}

inline void Press(QWidget *target, int key, const QString &text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
}

// The caret at the end of the first word of a line, shown mid-window, ready for typing.
inline void CaretAtWordEnd(QPlainTextEdit *editor, int line)
{
    QTextCursor cursor(editor->document()->findBlockByNumber(line));
    cursor.movePosition(QTextCursor::EndOfWord);
    editor->setTextCursor(cursor);
    editor->centerCursor();
    QApplication::processEvents();
}

// One key press per iteration, typing and rubbing out in turn so the document keeps its size;
// the frame is repainted each time, as the screen would be.
inline void TypeAndRubOut(benchmark::State &state, QWidget *editor, QWidget *frame)
{
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            Press(editor, Qt::Key_Backspace, QString());
        else
            Press(editor, Qt::Key_S, QStringLiteral("s"));
        typed = !typed;
        frame->repaint();
    }
}

// Runs the registered benchmarks. The application folder is a fresh temporary one, which
// prepare may fill first (word lists, dictionaries); prepare returning false ends the run with 1.
inline int RunBenchmarks(int argc, char **argv,
                         const std::function<bool(const QDir &folder)> &prepare = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallDesktopServices();
    QTemporaryDir dir;
    OverrideAppFolder(dir.path());
    if (prepare && !prepare(QDir(dir.path())))
        return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TDictionaryList::FreeInstance();
    TDictSettings::FreeInstance();
    return 0;
}

} // namespace bench
