#pragma once

#include <QString>

#include <functional>

class QMenu;
class QPlainTextEdit;
class QTextCursor;
class TEditorHighlighter;

// Puts the spelling choices for the misspelling at the cursor at the top of the editor's menu:
// up to eight suggestions (asked for only now: suggesting is slow), "Change All" with the same
// suggestions for every occurrence of the word, "Add to dictionary",
// "Ignore All", "Ignore", "Spell Check..." and a separator; for a repeated word, deleting it,
// "Ignore" and "Spell Check...".
// Returns false, leaving the menu alone, when there is no misspelling there.
bool AddSpellingEntries(QMenu &menu, QPlainTextEdit &editor, TEditorHighlighter &highlighter,
                        const QTextCursor &at,
                        const std::function<void(const QString &)> &reportError);
