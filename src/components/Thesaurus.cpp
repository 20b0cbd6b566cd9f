#include "Thesaurus.h"

#include "AppFolders.h"
#include "BaseFormSource.h"
#include "PorterStem.h"
#include "WrittenWord.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

#include <mythes.hxx>

namespace {

struct TFileStamp
{
    qint64 size = -1;
    QDateTime modified;
    bool operator==(const TFileStamp &other) const
    {
        return size == other.size && modified == other.modified;
    }
};

TFileStamp StampOf(const QString &file)
{
    const QFileInfo info(file);
    if (!info.isFile())
        return {};
    return {info.size(), info.lastModified()};
}

struct TSharedFiles
{
    std::shared_ptr<MyThes> keep; // parsing the index is the slow part: keep it for the run
    TFileStamp index;
    TFileStamp data;
};

// The parsed thesaurus of a file pair, loaded again when either file changed; null when a file
// is missing.
std::shared_ptr<MyThes> OpenShared(const QString &indexFile, const QString &dataFile)
{
    static std::map<std::pair<QString, QString>, TSharedFiles> cache;
    const TFileStamp index = StampOf(indexFile);
    const TFileStamp data = StampOf(dataFile);
    TSharedFiles &shared = cache[{indexFile, dataFile}];
    if (index.size < 0 || data.size < 0) {
        shared = {};
        return nullptr;
    }
    if (shared.keep && shared.index == index && shared.data == data)
        return shared.keep;
    shared.keep = std::make_shared<MyThes>(QFile::encodeName(indexFile).constData(),
                                           QFile::encodeName(dataFile).constData());
    shared.index = index;
    shared.data = data;
    return shared.keep;
}

// The meanings of one MyThes lookup, freed the way the library wants.
class TMeanings
{
public:
    TMeanings(MyThes &thes, const QByteArray &word) : thes_(thes)
    {
        count_ = thes.Lookup(word.constData(), static_cast<int>(word.size()), &entries_);
    }
    ~TMeanings()
    {
        if (entries_)
            thes_.CleanUpAfterLookup(&entries_, count_);
    }
    TMeanings(const TMeanings &) = delete;
    TMeanings &operator=(const TMeanings &) = delete;

    int Count() const { return entries_ ? count_ : 0; }
    const mentry &At(int index) const { return entries_[index]; }

private:
    MyThes &thes_;
    mentry *entries_ = nullptr;
    int count_ = 0;
};

QString FromUtf8(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// MyThes puts the part of speech in front of the first term to form the definition; it leaves
// it off when the two would be too long together.
QString PartOfSpeech(const mentry &meaning)
{
    const QString defn = FromUtf8(meaning.defn);
    const QString first = meaning.count > 0 ? FromUtf8(meaning.psyns[0]) : QString();
    if (defn.size() <= first.size() || !defn.endsWith(first))
        return {};
    return defn.left(defn.size() - first.size()).trimmed();
}

QStringList Terms(const mentry &meaning)
{
    QStringList terms;
    for (int i = 0; i < meaning.count; ++i)
        terms << FromUtf8(meaning.psyns[i]);
    return terms;
}

struct TAnnotation
{
    const char *suffix;
    int list;
};
constexpr TAnnotation Annotations[] = {
    {"(similar term)", 1}, {"(related term)", 1}, {"(generic term)", 2}, {"(antonym)", 3}};

// The list a term belongs in, and the term without its annotation.
std::pair<int, QString> Classify(const QString &term)
{
    const QString trimmed = term.trimmed();
    for (const TAnnotation &annotation : Annotations) {
        const QLatin1String suffix(annotation.suffix);
        if (trimmed.endsWith(suffix))
            return {annotation.list, trimmed.chopped(suffix.size()).trimmed()};
    }
    return {0, trimmed};
}

} // namespace

QStringList TThesaurusContext::AllWords() const
{
    QStringList words;
    for (const QStringList &list : lists)
        words += list;
    return words;
}

bool TThesaurusContext::Relates(const QString &other) const
{
    for (int list = 0; list < int(TTermKind::Antonym); ++list)
        if (lists[list].contains(other, Qt::CaseInsensitive))
            return true;
    return false;
}

int TThesaurus::DefaultContextIndex() const
{
    const auto found = std::find_if(contexts_.begin(), contexts_.end(),
                                    [](const TThesaurusContext &c) { return c.HasSynonyms(); });
    if (found != contexts_.end())
        return static_cast<int>(found - contexts_.begin());
    return contexts_.empty() ? -1 : 0;
}

TThesaurus::TThesaurus() : TThesaurus(DefaultIndexFile(), DefaultDataFile()) {}

TThesaurus::TThesaurus(const QString &indexFile, const QString &dataFile)
    : indexFile_(indexFile), dataFile_(dataFile)
{}

TThesaurus::~TThesaurus() = default;

QString TThesaurus::DefaultIndexFile()
{
    return AppFolder() + QStringLiteral("thesaurus.idx");
}

QString TThesaurus::DefaultDataFile()
{
    return AppFolder() + QStringLiteral("thesaurus.dat");
}

void TThesaurus::CloseDataFile()
{
    files_.reset();
}

bool TThesaurus::Lookup(const QString &word)
{
    lookupWord_ = word;
    contexts_.clear();
    if (word.isEmpty())
        return false;
    if (!files_)
        files_ = OpenShared(indexFile_, dataFile_);
    if (!files_)
        return false;
    if (LookupExact(word, word))
        return true;
    const QString lower = word.toLower();
    return lower != word && LookupExact(lower, word);
}

void TThesaurus::SetBaseForms(std::shared_ptr<const TBaseFormSource> source)
{
    baseForms_ = std::move(source);
}

QString TThesaurus::FindEntry(const QString &word)
{
    if (Lookup(word))
        return word;
    // An irregular form is known for sure; its stem is a guess ("was" is "be", not "wa").
    if (baseForms_)
        for (const QString &form : baseForms_->IrregularBaseForms(word))
            if (Lookup(form))
                return form;
    const QString stem = StemWord(word);
    if (stem != word && Lookup(stem))
        return stem;
    if (baseForms_)
        for (const QString &form : baseForms_->BaseForms(word))
            if (Lookup(form))
                return form;
    Lookup(word);
    return {};
}

// A meaning's headword is written as the entry's key unless one of its synonyms is the key in
// another case ("A" in the meanings filed under "a").
bool TThesaurus::LookupExact(const QString &key, const QString &word)
{
    const TWrittenWord written(word);
    const TMeanings meanings(*files_, key.toUtf8());
    std::vector<TThesaurusContext> others;
    for (int i = 0; i < meanings.Count(); ++i) {
        const mentry &meaning = meanings.At(i);
        TThesaurusContext context = ContextFromTerms(PartOfSpeech(meaning), Terms(meaning));
        const QStringList &synonyms = context.lists[0];
        const auto spelledOtherwise =
            std::find_if(synonyms.begin(), synonyms.end(), [&key](const QString &synonym) {
                return synonym != key && synonym.compare(key, Qt::CaseInsensitive) == 0;
            });
        const QString spelling = spelledOtherwise == synonyms.end() ? key : *spelledOtherwise;
        if (context.word.isEmpty())
            context.word = spelling; // only generic terms and antonyms: the word's own meaning
        (written.Owns(spelling) ? contexts_ : others).push_back(std::move(context));
    }
    if (contexts_.empty() && written.TakesAnyWhenNoneOwned())
        contexts_ = std::move(others); // all of them: none was owned
    return !contexts_.empty();
}

TThesaurusContext TThesaurus::ContextFromTerms(const QString &partOfSpeech,
                                               const QStringList &terms)
{
    TThesaurusContext context;
    QString kind = partOfSpeech.trimmed();
    if (kind.startsWith(QLatin1Char('(')) && kind.endsWith(QLatin1Char(')')))
        kind = kind.mid(1, kind.size() - 2).trimmed();
    context.kind = kind;
    for (const QString &term : terms) {
        auto [list, text] = Classify(term);
        if (!text.isEmpty())
            context.lists[list] << text;
    }
    // Named after a word of the same meaning: a generic term or an antonym would name another.
    for (const QStringList &list : {context.lists[0], context.lists[1]})
        if (context.word.isEmpty() && !list.isEmpty())
            context.word = list.first();
    return context;
}
