#pragma once

#include <QString>

#include <memory>

class TLexDatabase;

// What the visual thesaurus tells about a word the mouse rests on: its first definition from
// the word explorer's database, when the file is there, and its syllable count.
class TWordNote
{
public:
    explicit TWordNote(const QString &lexFile);
    ~TWordNote();
    TWordNote(const TWordNote &) = delete;
    TWordNote &operator=(const TWordNote &) = delete;

    // The gloss of the word's first sense; empty without the database or the word.
    QString FirstDefinition(const QString &word);
    // "3 syllables" and the definition below it, under the label and its kind.
    QString Tip(const QString &word, const QString &kind);

private:
    QString lexFile_;
    std::unique_ptr<TLexDatabase> db_;  // opened at the first hover, its file only while reading
    QString lastWord_, lastDefinition_; // the tip is asked for again on every hover
};
