#pragma once

#include <QString>
#include <QTextCursor>

class QTextDocument;

// What the find and replace dialogs ask for besides the text.
struct TSearchOptions
{
    bool down = true;
    bool matchCase = false;
    bool wholeWord = false;
};

// Find and replace on a document, free of widgets. Searches start at the caret: down from the end
// of the selection, up from its start, so repeated searches walk through the matches. They never
// wrap round; a null cursor means nothing was found before the end (or start).
class TEditorSearch
{
public:
    explicit TEditorSearch(QTextDocument *document);

    // The next match after (or before) the caret, selected; null when there is none.
    QTextCursor Find(const QTextCursor &caret, const QString &text,
                     const TSearchOptions &options) const;
    // As Find, but past the end (or start) it goes on from the other end of the document, as
    // the find dialog does; wrapped tells whether it had to.
    QTextCursor FindWrapping(const QTextCursor &caret, const QString &text,
                             const TSearchOptions &options, bool *wrapped) const;
    // Whether the caret's selection is itself a match for the text.
    bool IsMatch(const QTextCursor &caret, const QString &text,
                 const TSearchOptions &options) const;
    // Replaces the selection if it is a match, then finds the next match from there. Returns that
    // match (null if none); replaced tells whether a replacement was made.
    QTextCursor Replace(const QTextCursor &caret, const QString &text, const QString &replacement,
                        const TSearchOptions &options, bool *replaced = nullptr);
    // Replaces every match in the whole document as one undo step and returns how many. Each
    // search continues after the previous replacement, so a replacement that contains the text
    // is not searched again and the loop ends.
    int ReplaceAll(const QString &text, const QString &replacement, const TSearchOptions &options);

private:
    static int Flags(const TSearchOptions &options);

    QTextDocument *document_;
};
