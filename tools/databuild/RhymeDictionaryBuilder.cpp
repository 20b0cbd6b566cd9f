#include "RhymeDictionaryBuilder.h"

#include "RhymeKey.h"
#include "TextUtils.h"

#include "Roundex.h"
#include "Syllables.h"

#include <algorithm>
#include <set>

namespace {

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

// A pronunciation that stresses more vowels than the word has vowel letters spells it out
// letter by letter (ac: EY1 S IY1); it is an initialism, not a rhyme.
bool SpelledOut(std::string_view word, std::string_view phones)
{
    const auto vowelLetters = std::count_if(word.begin(), word.end(), [](char c) {
        return std::string_view("aeiouy").find(c) != std::string_view::npos;
    });
    const auto primaryStresses = std::count(phones.begin(), phones.end(), '1');
    return primaryStresses > 1 && primaryStresses > vowelLetters;
}

// Words whose extra pronunciations are the word's own, though the spelling is also a name.
bool IsHeteronym(std::string_view word)
{
    static const std::set<std::string_view> words = {
        "allies",   "ally",     "bass",    "bow",     "bows", "buffet",  "close",    "commune",
        "content",  "converse", "desert",  "digest",  "does", "dove",    "entrance", "finance",
        "increase", "invalid",  "lead",    "leads",   "live", "lives",   "minute",   "object",
        "polish",   "present",  "produce", "project", "read", "rebel",   "records",  "refuse",
        "romance",  "row",      "rows",    "sewer",   "sow",  "subject", "tear",     "tears",
        "wind",     "winds",    "wound"};
    return words.count(word) > 0;
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

void AddListEntries(TRhymeDictionaryBuilder::TEntries &entries, const std::string &key,
                    const TRankedList &list)
{
    if (std::string clean = list.Join(false); !clean.empty())
        entries[key] = std::move(clean);
    if (list.HasOffensive())
        entries[key + std::string(kWithOffensiveSuffix)] = list.Join(true);
}

TRhymeDictionaryBuilder::TRhymeDictionaryBuilder(const TCmuDictionary &cmu, const TWordForms &forms,
                                                 const TDictionaryWords &dictionary,
                                                 const TWordLevels *levels,
                                                 const TOffensiveWords *offensive)
    : cmu_(cmu), forms_(forms), dictionary_(dictionary), levels_(levels), offensive_(offensive)
{}

// A word is listed in the group of its last stressed vowel and, when a secondary stress follows
// that one (mid-night), in the group of the secondary stress too, by its own syllable count.
// A final "IY" is left out: the source marks the -y of catchy or thirty so, which rhymes with
// me only weakly.
void TRhymeDictionaryBuilder::File(TRankedLists &lists, std::string_view item,
                                   const std::string &phones, int syllables)
{
    const int level = levels_ ? levels_->PhraseLevel(item) : 0;
    const bool offensive = offensive_ && offensive_->HasOffensiveWord(item);
    const std::string group = GroupKey(phones);
    lists[group].Add(item, syllables, level, offensive);
    const std::string compound = CompoundKey(phones);
    if (!compound.empty() && compound != group && compound != "IY") {
        lists[compound].Add(item, syllables, level, offensive);
        laterStresses_[group].insert(compound);
    }
}

bool TRhymeDictionaryBuilder::SpellingIsAName(const std::string &word) const
{
    const std::string capital = forms_.CapitalForm(word);
    return (!capital.empty() && !IsAllCapitals(capital)) || (levels_ && levels_->IsName(word));
}

// The pronunciations that belong to the word itself: an extra one goes when it merely shortens
// another (most said "mos'"), or when it belongs to a name spelled the same way and rhymes on
// another vowel (nice said as the city, fried as the surname).
std::vector<std::string>
TRhymeDictionaryBuilder::OwnPronunciations(const std::string &word, TWordKind kind,
                                           const std::vector<std::string> &found) const
{
    std::vector<std::string> stressed;
    for (const std::string &phones : found)
        stressed.push_back(WithSpellingStress(word, phones));
    std::vector<std::string> filed = FiledPronunciations(stressed);
    if (kind != TWordKind::Real || filed.size() < 2)
        return filed;
    const bool nameSpelling = SpellingIsAName(word) && !IsHeteronym(word);
    const std::string vowel = RhymingVowel(filed.front());
    std::vector<std::string> own = {filed.front()};
    for (std::size_t i = 1; i < filed.size(); ++i) {
        const bool reduced = std::any_of(own.begin(), own.end(), [&](const std::string &full) {
            return IsReducedForm(filed[i], full);
        });
        const bool foreign = nameSpelling && RhymingVowel(filed[i]) != vowel;
        if (!reduced && !foreign)
            own.push_back(filed[i]);
    }
    return own;
}

void TRhymeDictionaryBuilder::AddWords()
{
    for (const auto &[word, pronunciations] : cmu_.Entries())
        if (!HasDigitOrDot(word))
            AddWord(word, pronunciations);
}

void TRhymeDictionaryBuilder::AddWord(const std::string &word,
                                      const std::vector<std::string> &pronunciations)
{
    const TWordClass cls = ClassifyWord(word, forms_, dictionary_);
    TRankedLists *lists = cls.kind == TWordKind::Real     ? &groups_
                          : cls.kind == TWordKind::Proper ? &extras_
                                                          : nullptr;
    bool filed = false;
    const std::vector<std::string> filedPronunciations =
        OwnPronunciations(word, cls.kind, pronunciations);
    for (std::size_t i = 0; i < filedPronunciations.size(); ++i) {
        const std::string &phones = filedPronunciations[i];
        const std::string group = GroupKey(phones);
        if (group.empty())
            continue;
        wordKeys_[VariantKey(word, i)] = group;
        // A word with only weak forms ('em, 'cause) keeps its key but rhymes with nothing.
        if (lists && HasStress(phones) && !SpelledOut(word, phones))
            File(*lists, cls.display, phones, CountPhoneSyllables(phones));
        filed = true;
    }
    if (!filed)
        return;
    if (cls.kind == TWordKind::Real)
        realWords_.insert(word);
    else if (cls.kind == TWordKind::Proper)
        ++properNouns_;
}

int TRhymeDictionaryBuilder::PhraseSyllables(std::string_view phrase) const
{
    int total = 0;
    for (const std::string_view word : SplitOn(phrase, ' ')) {
        const auto *pronunciations = cmu_.Find(ToLowerAscii(word));
        total += pronunciations ? CountPhoneSyllables(pronunciations->front())
                                : CountWordSyllables(word);
    }
    return total;
}

bool TRhymeDictionaryBuilder::AddPhrase(std::string_view phrase)
{
    const std::string last = ToLowerAscii(LastWordOf(phrase));
    const auto *pronunciations = FindPronunciations(cmu_, last);
    if (!pronunciations)
        return false;
    const std::string phones =
        WithSpellingStress(last, FiledPronunciations(*pronunciations).front());
    if (GroupKey(phones).empty())
        return false;
    File(extras_, phrase, phones, PhraseSyllables(phrase));
    ++phrases_;
    return true;
}

TRhymeDictionaryBuilder::TEntries TRhymeDictionaryBuilder::RhymeEntries() const
{
    TEntries entries = wordKeys_;
    for (const auto &[group, list] : groups_)
        AddListEntries(entries, group, list);
    for (const auto &[group, list] : extras_)
        AddListEntries(entries, group + kExtrasSuffix, list);
    for (const auto &[group, later] : laterStresses_) {
        std::string keys;
        for (const std::string &key : later)
            keys += (keys.empty() ? "" : "#") + key;
        entries[group + std::string(kLaterStressSuffix)] = keys;
    }
    return entries;
}

TRhymeDictionaryBuilder::TEntries TRhymeDictionaryBuilder::RoundexEntries() const
{
    TRankedLists byCode;
    for (const std::string &word : realWords_) {
        const QByteArray code = RoundexCode(QString::fromUtf8(word)).toUtf8();
        byCode[code.toStdString()].Add(word, 0, 0, offensive_ && offensive_->IsOffensive(word));
    }
    TEntries entries;
    for (const auto &[code, list] : byCode)
        AddListEntries(entries, code, list);
    return entries;
}
