#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

class MyThes;
class TBaseFormSource;

// What a word of a meaning is to the looked-up word; the index of its list.
enum class TTermKind
{
    Synonym,
    Similar, // similar and related terms
    Generic,
    Antonym
};

// One meaning of a looked-up word: a heading word, its part of speech and its words in four
// lists: synonyms, similar and related terms, generic terms, antonyms. The heading is its first
// synonym (else its first similar term, else the looked-up word), never a generic term or an
// antonym.
struct TThesaurusContext
{
    static constexpr int ListCount = 4;

    QString word;
    QString kind;
    std::array<QStringList, ListCount> lists;

    // Every word of the four lists, list after list.
    QStringList AllWords() const;
    // Words of the same meaning: synonyms or similar terms.
    bool HasSynonyms() const { return !lists[0].isEmpty() || !lists[1].isEmpty(); }
    // Whether the word is one of its synonyms, similar, related or generic terms (not an
    // antonym), compared without regard to case.
    bool Relates(const QString &word) const;
};

// The thesaurus engine over a MyThes index and data file pair. The parsed index is shared by
// every engine reading the same files and reloaded when they change on disk, so closing the
// data file before each lookup costs only the read of the one entry.
class TThesaurus
{
public:
    // The thesaurus files of the application folder.
    TThesaurus();
    TThesaurus(const QString &indexFile, const QString &dataFile);
    ~TThesaurus();
    TThesaurus(const TThesaurus &) = delete;
    TThesaurus &operator=(const TThesaurus &) = delete;

    static QString DefaultIndexFile();
    static QString DefaultDataFile();

    // Lets go of the data; the next lookup opens it again (re-reading it if it changed).
    void CloseDataFile();
    // Looks the word up as given, then in lower case; true if either has contexts. Of an entry
    // filed under another case, only the meanings its case allows are taken ("a" is not "A").
    bool Lookup(const QString &word);
    // Where FindEntry gets a word's base forms; none unless set.
    void SetBaseForms(std::shared_ptr<const TBaseFormSource> source);
    // Looks up the word, its irregular base forms, its stem, then its other base forms; returns the
    // first form found, or an empty string when none is (the last lookup is then that of the word
    // itself).
    QString FindEntry(const QString &word);
    // The word given to the last lookup.
    QString LookupWord() const { return lookupWord_; }

    const std::vector<TThesaurusContext> &Contexts() const { return contexts_; }
    int ContextCount() const { return static_cast<int>(contexts_.size()); }
    const TThesaurusContext &Context(int index) const { return contexts_.at(index); }
    // The meaning to show first: the first with synonyms, else the first; -1 without any.
    int DefaultContextIndex() const;

    // One meaning from its part of speech ("(adj)") and its annotated terms.
    static TThesaurusContext ContextFromTerms(const QString &partOfSpeech,
                                              const QStringList &terms);

private:
    // The meanings filed under key that belong to word as it is written.
    bool LookupExact(const QString &key, const QString &word);

    QString indexFile_;
    QString dataFile_;
    std::shared_ptr<MyThes> files_;
    std::shared_ptr<const TBaseFormSource> baseForms_;
    QString lookupWord_;
    std::vector<TThesaurusContext> contexts_;
};
