#include "SpellCheckSession.h"

#include "SpellTokens.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

QString Capitalised(const QString &word)
{
    return word.isEmpty() ? word : word.left(1).toUpper() + word.mid(1);
}

QString Uncapitalised(const QString &word)
{
    return word.isEmpty() ? word : word.left(1).toLower() + word.mid(1);
}

// The replacement in the case of another occurrence of the word, or nothing when it is not the
// word: as typed, with an initial capital or in capitals. A capital the replacement has only
// because the word had one does not pass to an occurrence in small letters.
std::optional<QString> InCaseOf(const QString &occurrence, const QString &word,
                                const QString &replacement)
{
    if (occurrence == word)
        return replacement;
    if (occurrence.compare(word, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    if (occurrence == occurrence.toUpper())
        return replacement.toUpper();
    if (occurrence == Capitalised(occurrence.toLower()))
        return Capitalised(replacement);
    if (occurrence == occurrence.toLower())
        return word == Capitalised(word.toLower()) ? Uncapitalised(replacement) : replacement;
    return std::nullopt; // a mixture of its own
}

// A position after text [from, to) became length characters long.
void Shift(int &position, int from, int to, int length)
{
    if (position >= to)
        position += length - (to - from);
    else if (position > from)
        position = from;
}

// Runs edits as one undo step. Undo puts the caret where the step's cursor was (unless the first
// edit starts there, when it goes after the restored text): after the word the user chose to
// change, not at the start of the text.
template <typename Edit> void AsOneStep(QTextDocument &document, int caret, Edit edit)
{
    QTextCursor step(&document);
    step.setPosition(caret);
    step.beginEditBlock();
    edit();
    step.endEditBlock();
}

} // namespace

TSpellCheckSession::TSpellCheckSession(QTextDocument &document, TSpellChecker &checker, int caret)
    : document_(document), checker_(checker),
      caret_(std::clamp(caret, 0, document.characterCount() - 1)), next_(caret_)
{}

std::optional<TMisspelling> TSpellCheckSession::FindFrom(const QTextBlock &block, int from,
                                                         int limit) const
{
    for (const TMisspelling &m : checker_.CheckLine(block.text())) {
        const int start = block.position() + m.start;
        if (start >= limit)
            break;
        if (start >= from)
            return m;
    }
    return std::nullopt;
}

bool TSpellCheckSession::Next()
{
    current_.reset();
    while (phase_ != Phase::Done) {
        const int limit = phase_ == Phase::ToEnd ? document_.characterCount() : caret_;
        for (QTextBlock block = document_.findBlock(next_);
             block.isValid() && block.position() < limit; block = block.next()) {
            current_ = FindFrom(block, next_, limit);
            if (current_) {
                block_ = block;
                return true;
            }
        }
        phase_ = phase_ == Phase::ToEnd ? Phase::FromStart : Phase::Done;
        next_ = 0;
    }
    return false;
}

QStringList TSpellCheckSession::Suggestions() const
{
    if (!current_ || current_->kind == TMisspelling::Repeated)
        return {};
    return checker_.Suggest(current_->word);
}

void TSpellCheckSession::Replace(int from, int to, const QString &text)
{
    QTextCursor cursor(&document_);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.insertText(text);
    Shift(caret_, from, to, int(text.size()));
    Shift(next_, from, to, int(text.size()));
}

void TSpellCheckSession::Change(const QString &replacement)
{
    if (!current_)
        return;
    if (replacement == current_->word) {
        Ignore();
        return;
    }
    int from = CurrentPosition();
    if (replacement.isEmpty()) // the space before a removed word goes with it
        while (from > block_.position() && document_.characterAt(from - 1).isSpace())
            --from;
    next_ = from;
    const int to = CurrentPosition() + current_->length;
    AsOneStep(document_, to, [&] { Replace(from, to, replacement); });
    current_.reset();
}

void TSpellCheckSession::AddOccurrences(int from, int to, std::vector<TOccurrence> &found,
                                        const QString &replacement) const
{
    for (QTextBlock block = document_.findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const QString text = block.text();
        for (const TWordToken &token : SpellTokens(text)) {
            const int start = block.position() + token.start;
            if (start < from || start >= to)
                continue;
            const auto cased =
                InCaseOf(text.mid(token.start, token.length), current_->word, replacement);
            if (cased)
                found.push_back({start, start + token.length, *cased});
        }
    }
}

void TSpellCheckSession::ChangeAll(const QString &replacement)
{
    if (!current_ || replacement.isEmpty() || current_->kind == TMisspelling::Repeated) {
        Change(replacement);
        return;
    }
    const int from = CurrentPosition();
    std::vector<TOccurrence> found;
    AddOccurrences(from, phase_ == Phase::ToEnd ? document_.characterCount() : caret_, found,
                   replacement);
    if (phase_ == Phase::ToEnd)
        AddOccurrences(0, caret_, found, replacement);
    // From the back, so that every position found is still right when its turn comes.
    std::sort(found.begin(), found.end(),
              [](const TOccurrence &a, const TOccurrence &b) { return a.from > b.from; });
    next_ = from;
    AsOneStep(document_, from + current_->length, [&] {
        for (const TOccurrence &occurrence : found)
            Replace(occurrence.from, occurrence.to, occurrence.text);
    });
    current_.reset();
}

void TSpellCheckSession::Ignore()
{
    if (current_)
        next_ = CurrentPosition() + current_->length;
    current_.reset();
}

void TSpellCheckSession::IgnoreAll()
{
    if (current_)
        checker_.IgnoreAll(current_->word);
    Ignore();
}

bool TSpellCheckSession::Add(QString *error)
{
    if (!current_ || !checker_.AddWord(current_->word, error))
        return false;
    Ignore();
    return true;
}
