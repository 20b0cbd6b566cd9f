#include "EditorSearch.h"

#include <QTextDocument>

TEditorSearch::TEditorSearch(QTextDocument *document) : document_(document) {}

int TEditorSearch::Flags(const TSearchOptions &options)
{
    QTextDocument::FindFlags flags;
    if (!options.down)
        flags |= QTextDocument::FindBackward;
    if (options.matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    if (options.wholeWord)
        flags |= QTextDocument::FindWholeWords;
    return int(flags);
}

QTextCursor TEditorSearch::Find(const QTextCursor &caret, const QString &text,
                                const TSearchOptions &options) const
{
    if (!document_ || text.isEmpty())
        return {};
    const QTextDocument::FindFlags flags(Flags(options));
    const int from = options.down ? caret.selectionEnd() : caret.selectionStart();
    if (options.down)
        return document_->find(text, from, flags);
    // A backward search from a position also finds a match that starts just before it and
    // runs over it; only matches that end at or before the start count.
    QTextCursor found = document_->find(text, from, flags);
    while (!found.isNull() && found.selectionEnd() > from)
        found = document_->find(text, found.selectionStart(), flags);
    return found;
}

QTextCursor TEditorSearch::FindWrapping(const QTextCursor &caret, const QString &text,
                                        const TSearchOptions &options, bool *wrapped) const
{
    if (wrapped)
        *wrapped = false;
    QTextCursor found = Find(caret, text, options);
    if (!found.isNull() || !document_)
        return found;
    QTextCursor edge(document_);
    edge.movePosition(options.down ? QTextCursor::Start : QTextCursor::End);
    found = Find(edge, text, options);
    if (wrapped)
        *wrapped = !found.isNull();
    return found;
}

bool TEditorSearch::IsMatch(const QTextCursor &caret, const QString &text,
                            const TSearchOptions &options) const
{
    if (!caret.hasSelection())
        return false;
    TSearchOptions forward = options;
    forward.down = true;
    QTextCursor start(caret);
    start.setPosition(caret.selectionStart());
    const QTextCursor found = Find(start, text, forward);
    return !found.isNull() && found.selectionStart() == caret.selectionStart() &&
           found.selectionEnd() == caret.selectionEnd();
}

QTextCursor TEditorSearch::Replace(const QTextCursor &caret, const QString &text,
                                   const QString &replacement, const TSearchOptions &options,
                                   bool *replaced)
{
    const bool match = IsMatch(caret, text, options);
    if (replaced)
        *replaced = match;
    if (!match)
        return Find(caret, text, options);
    QTextCursor edit(caret);
    edit.insertText(replacement);
    // Down goes on after the replacement, up before it.
    if (!options.down)
        edit.setPosition(edit.position() - int(replacement.size()));
    return Find(edit, text, options);
}

int TEditorSearch::ReplaceAll(const QString &text, const QString &replacement,
                              const TSearchOptions &options)
{
    if (!document_ || text.isEmpty())
        return 0;
    TSearchOptions forward = options;
    forward.down = true;
    QTextCursor found = Find(QTextCursor(document_), text, forward);
    if (found.isNull())
        return 0;
    // Undo puts the caret where this cursor stands: after the first match it restores.
    QTextCursor block(document_);
    block.setPosition(found.selectionEnd());
    block.beginEditBlock();
    int count = 0;
    while (!found.isNull()) {
        found.insertText(replacement); // leaves the cursor after the replacement
        ++count;
        found = Find(found, text, forward);
    }
    block.endEditBlock();
    return count;
}
