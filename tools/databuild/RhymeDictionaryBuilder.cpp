#include "RhymeDictionaryBuilder.h"

#include "RhymeKey.h"
#include "TextUtils.h"

#include "Roundex.h"
#include "Syllables.h"

namespace {

constexpr std::size_t kMaxPronunciations = 5; // the plain key and (1) to (4)
const std::string kExtrasSuffix = "[P]";

std::string VariantKey(const std::string &word, std::size_t index)
{
    return index == 0 ? word : word + "(" + std::to_string(index) + ")";
}

std::string_view LastWordOf(std::string_view phrase)
{
    const std::size_t space = phrase.rfind(' ');
    return space == std::string_view::npos ? phrase : phrase.substr(space + 1);
}

} // namespace

const std::vector<std::string> *FindPronunciations(const TCmuDictionary &cmu, std::string_view word)
{
    if (const auto *found = cmu.Find(word))
        return found;
    std::string_view bare = word;
    while (!bare.empty() && (bare.back() == '\'' || bare.back() == '-'))
        bare.remove_suffix(1);
    while (!bare.empty() && (bare.front() == '\'' || bare.front() == '-'))
        bare.remove_prefix(1);
    if (bare.empty())
        return nullptr;
    if (const auto *found = cmu.Find(bare))
        return found;
    const std::size_t hyphen = bare.rfind('-');
    return hyphen == std::string_view::npos ? nullptr : cmu.Find(bare.substr(hyphen + 1));
}

TRhymeDictionaryBuilder::TRhymeDictionaryBuilder(const TCmuDictionary &cmu, const TWordForms &forms)
    : cmu_(cmu), forms_(forms)
{}

void TRhymeDictionaryBuilder::AddWords()
{
    for (const auto &[word, pronunciations] : cmu_.Entries())
        if (!HasDigitOrDot(word))
            AddWord(word, pronunciations);
}

void TRhymeDictionaryBuilder::AddWord(const std::string &word,
                                      const std::vector<std::string> &pronunciations)
{
    const TWordClass cls = ClassifyWord(word, forms_);
    TRankedLists &lists = cls.kind == TWordKind::Real ? groups_ : extras_;
    bool filed = false;
    for (std::size_t i = 0; i < pronunciations.size() && i < kMaxPronunciations; ++i) {
        const std::string group = GroupKey(pronunciations[i]);
        if (group.empty())
            continue;
        wordKeys_[VariantKey(word, i)] = group;
        lists[group].Add(cls.display, CountPhoneSyllables(pronunciations[i]));
        filed = true;
    }
    if (!filed)
        return;
    if (cls.kind == TWordKind::Real)
        realWords_.insert(word);
    else
        ++properNouns_;
}

int TRhymeDictionaryBuilder::PhraseSyllables(std::string_view phrase) const
{
    int total = 0;
    for (const std::string_view word : SplitOn(phrase, ' ')) {
        const auto *pronunciations = cmu_.Find(word);
        total += pronunciations ? CountPhoneSyllables(pronunciations->front())
                                : CountWordSyllables(word);
    }
    return total;
}

bool TRhymeDictionaryBuilder::AddPhrase(std::string_view phrase)
{
    const auto *pronunciations = FindPronunciations(cmu_, LastWordOf(phrase));
    if (!pronunciations)
        return false;
    const std::string group = GroupKey(pronunciations->front());
    if (group.empty())
        return false;
    extras_[group].Add(phrase, PhraseSyllables(phrase));
    ++phrases_;
    return true;
}

TRhymeDictionaryBuilder::TEntries TRhymeDictionaryBuilder::RhymeEntries() const
{
    TEntries entries = wordKeys_;
    for (const auto &[group, list] : groups_)
        entries[group] = list.Join();
    for (const auto &[group, list] : extras_)
        entries[group + kExtrasSuffix] = list.Join();
    return entries;
}

TRhymeDictionaryBuilder::TEntries TRhymeDictionaryBuilder::RoundexEntries() const
{
    TRankedLists byCode;
    for (const std::string &word : realWords_) {
        const QByteArray code = RoundexCode(QString::fromUtf8(word)).toUtf8();
        byCode[code.toStdString()].Add(word, 0);
    }
    TEntries entries;
    for (const auto &[code, list] : byCode)
        entries[code] = list.Join();
    return entries;
}
