#pragma once

#include "SpellChecker.h"

#include <QStringList>
#include <QTextBlock>

#include <optional>

class QTextDocument;

// The walk of the interactive spell check over a document: from the caret to the end, then
// from the start back to the caret, stopping at each misspelled or repeated word. The choices
// (Change, Change All, Ignore, Ignore All, Add) act on the word the walk stands at; Next moves
// on. A changed word is checked again. The caret is kept where it was, moved along by changes
// before it.
class TSpellCheckSession
{
public:
    TSpellCheckSession(QTextDocument &document, TSpellChecker &checker, int caret);

    // Moves to the next misspelling; false when the walk is over.
    bool Next();
    bool Finished() const { return phase_ == Phase::Done; }
    // The misspelling the walk stands at, its line and where it starts in the document.
    const TMisspelling &Current() const { return *current_; }
    bool HasCurrent() const { return current_.has_value(); }
    QTextBlock CurrentBlock() const { return block_; }
    int CurrentPosition() const { return block_.position() + current_->start; }
    // Up to eight suggestions for a misspelled word; none for a repeated one (which goes).
    QStringList Suggestions() const;

    // Replaces the word; an empty replacement of a repeated word removes it with the space
    // before it. Replacing a word by itself is ignoring it.
    void Change(const QString &replacement);
    // Replaces this and every later occurrence of the word, each in its own case (as typed, with
    // an initial capital or in capitals), as one undo step.
    void ChangeAll(const QString &replacement);
    void Ignore();
    void IgnoreAll();
    // Adds the word to the user dictionary; on failure the walk stays and error says why.
    bool Add(QString *error);

    // Where the caret was, after the changes made before it.
    int Caret() const { return caret_; }

private:
    enum class Phase
    {
        ToEnd,
        FromStart,
        Done
    };

    std::optional<TMisspelling> FindFrom(const QTextBlock &block, int from, int limit) const;
    void Replace(int from, int to, const QString &text);
    struct TOccurrence
    {
        int from;
        int to;
        QString text;
    };
    void AddOccurrences(int from, int to, std::vector<TOccurrence> &found,
                        const QString &replacement) const;

    QTextDocument &document_;
    TSpellChecker &checker_;
    int caret_;
    int next_;
    Phase phase_ = Phase::ToEnd;
    QTextBlock block_;
    std::optional<TMisspelling> current_;
};
