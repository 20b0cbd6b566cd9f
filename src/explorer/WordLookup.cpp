#include "WordLookup.h"

#include "LexDatabase.h"
#include "LexError.h"
#include "WordUtils.h"

#include <algorithm>

namespace {

// Relations along which a sense reached through an inflected form is inflected too.
constexpr std::uint32_t InflectedRelations =
    1u << rtAntonyms | 1u << rtParts | 1u << rtTypeOf | 1u << rtTypes | 1u << rtSimilar;

} // namespace

void TWordLookup::Clear()
{
    senses_.clear();
    rootInfo_.clear();
    shownSenses_.clear();
    shownSynonyms_.clear();
    related_.clear();
    relatedWords_.clear();
    shownPartsOfSpeech_ = shownMask_ = 0;
    shownOffsets_.clear();
    collected_.clear();
    relatedAt_.clear();
    availableRelations_ = 0;
    selectedSense_ = -1;
    queryMask_ = 0;
    queryDepth_ = 0;
    dirty_ = true;
}

bool TWordLookup::AddSense(std::unique_ptr<TSynset> sense, const std::string &lookedUp)
{
    if (sense->Offset != -1)
        for (const auto &s : senses_)
            if (s->Offset == sense->Offset)
                return false;
    const int pos = sense->PartOfSpeech;
    std::ptrdiff_t at = -1;
    for (std::ptrdiff_t i = std::ptrdiff_t(senses_.size()) - 1; i >= 0 && at < 0; --i)
        if (senses_[i]->PartOfSpeech < pos ||
            (senses_[i]->PartOfSpeech == pos && senses_[i]->Headword == sense->Headword))
            at = i + 1;
    if (at < 0) {
        std::ptrdiff_t lastSame = -1;
        for (std::size_t i = 0; i < senses_.size(); ++i)
            if (senses_[i]->PartOfSpeech == pos)
                lastSame = std::ptrdiff_t(i);
        if (lastSame >= 0)
            at = sense->Headword == lookedUp && senses_.front()->PartOfSpeech == pos ? 0
                                                                                     : lastSame + 1;
        else if (!senses_.empty() && senses_.front()->PartOfSpeech > pos)
            at = 0;
        else
            at = std::ptrdiff_t(senses_.size());
    }
    senses_.insert(senses_.begin() + at, std::move(sense));
    dirty_ = true;
    return true;
}

void TWordLookup::Reorder(const std::string &lookedUp)
{
    if (senses_.size() < 2)
        return;
    std::vector<std::unique_ptr<TSynset>> other, own, rest;
    for (auto &s : senses_) {
        if (s->Headword != lookedUp) {
            rest.push_back(std::move(s));
        } else if (s->PartOfSpeech == 8) {
            auto after = std::find_if(other.rbegin(), other.rend(), [&](const auto &o) {
                return o->ClassLabel == s->ClassLabel;
            });
            other.insert(after.base(), std::move(s));
        } else {
            own.push_back(std::move(s));
        }
    }
    senses_.clear();
    for (auto *group : {&other, &own, &rest})
        for (auto &s : *group)
            senses_.push_back(std::move(s));
}

void TWordLookup::AddRootInfo(const std::string &headword, const std::string &info)
{
    if (rootInfo_.count(headword))
        return;
    const std::size_t slash = info.find('\\');
    TWordRootInfo root;
    root.Pronunciation = info.substr(0, slash);
    root.Flags = slash == std::string::npos ? std::string() : info.substr(slash + 1);
    root.Info = info;
    rootInfo_.emplace(headword, std::move(root));
}

namespace {

// Flags of a word listed twice: none when either has none; regions united, registers shared;
// both Brit and US make it plain English.
std::uint32_t MergedFlags(std::uint32_t a, std::uint32_t b)
{
    if (a == 0 || b == 0)
        return 0;
    std::uint32_t flags = ((a | b) & WordUtils::RegionalFlags) | (a & b & WordUtils::RegisterFlags);
    if ((flags & WordUtils::FlagBrit) && (flags & WordUtils::FlagUS))
        flags &= ~WordUtils::RegionalFlags;
    return flags;
}

} // namespace

void TWordLookup::MergeWord(std::vector<TSynsetWord> &list, const TSynsetWord &word)
{
    auto it = std::lower_bound(
        list.begin(), list.end(), word.Word,
        [](const TSynsetWord &w, const std::string &text) { return w.Word < text; });
    if (it == list.end() || it->Word != word.Word)
        list.insert(it, word);
    else
        it->Flags = MergedFlags(it->Flags, word.Flags);
}

void TWordLookup::MergeWords(std::vector<TSynsetWord> &list, std::vector<TSynsetWord> words)
{
    if (words.empty())
        return;
    // A stable sort keeps equal words in the order given, so flags merge as one by one.
    words.insert(words.begin(), std::make_move_iterator(list.begin()),
                 std::make_move_iterator(list.end()));
    std::stable_sort(words.begin(), words.end(),
                     [](const TSynsetWord &a, const TSynsetWord &b) { return a.Word < b.Word; });
    list.clear();
    for (TSynsetWord &w : words) {
        if (!list.empty() && list.back().Word == w.Word)
            list.back().Flags = MergedFlags(list.back().Flags, w.Flags);
        else
            list.push_back(std::move(w));
    }
}

std::uint32_t TWordLookup::RelationsOf(const TSynset &sense) const
{
    std::uint32_t relations = 0;
    for (const TSynsetPointer &p : sense.Pointers)
        if (p.Type <= 15 && !shownOffsets_.count(p.Target))
            relations |= 1u << p.Type;
    return relations;
}

void TWordLookup::ShowPartsOfSpeech(std::uint16_t mask)
{
    shownSenses_.clear();
    shownSynonyms_.clear();
    shownOffsets_.clear();
    availableRelations_ = 0;
    shownPartsOfSpeech_ = 0;
    shownMask_ = mask;
    std::vector<TSynsetWord> words;
    for (const auto &s : senses_) {
        if (!(mask & (1u << s->PartOfSpeech)))
            continue;
        shownSenses_.push_back(s.get());
        shownOffsets_.insert(std::uint32_t(s->Offset));
        words.insert(words.end(), s->Words.begin(), s->Words.end());
        shownPartsOfSpeech_ |= std::uint16_t(1u << s->PartOfSpeech);
    }
    MergeWords(shownSynonyms_, std::move(words));
    // A relation whose every pointer leads to a sense already shown would be an empty tab.
    for (const TSynset *s : shownSenses_)
        availableRelations_ |= RelationsOf(*s);
    selectedSense_ = -1;
    dirty_ = true;
}

void TWordLookup::SelectSense(int index)
{
    if (index == -1) {
        ShowPartsOfSpeech(shownMask_);
        return;
    }
    if (index < 0 || std::size_t(index) >= senses_.size())
        throw ELexError("Invalid sense number");
    const TSynset &sense = *senses_[index];
    shownSynonyms_.clear();
    MergeWords(shownSynonyms_, sense.Words);
    availableRelations_ = RelationsOf(sense);
    selectedSense_ = index;
    dirty_ = true;
}

std::vector<const TSynset *> TWordLookup::Sources() const
{
    if (selectedSense_ >= 0)
        return {senses_[selectedSense_].get()};
    return shownSenses_;
}

void TWordLookup::StartCollecting()
{
    related_.clear();
    relatedAt_.clear();
    collected_ = shownOffsets_;
    if (selectedSense_ >= 0)
        collected_.insert(std::uint32_t(senses_[selectedSense_]->Offset));
}

std::unique_ptr<TSynset> TWordLookup::Target(const TSynset &from, const TSynsetPointer &p)
{
    std::unique_ptr<TSynset> target = db_.ReadSense(p.Target);
    if (db_.MatchForms() && from.FormKind != 0 && (InflectedRelations & (1u << p.Type))) {
        for (TSynsetWord &w : target->Words) {
            const std::string form = db_.Morpher().Inflect(w.Word, from.FormKind);
            w.Word = form.empty() ? w.Word + "*" : form;
        }
    }
    target->FormKind = from.FormKind;
    return target;
}

void TWordLookup::Follow(const TSynset &sense, std::uint32_t mask)
{
    for (const TSynsetPointer &p : sense.Pointers) {
        if (!(mask & (1u << p.Type)))
            continue;
        const bool toWord = p.TargetWord > 0;
        if (Collected(p.Target)) {
            // A second word-to-word pointer into a listed sense adds its word (Shakespearean,
            // Shakespearian).
            const auto at = relatedAt_.find(p.Target);
            if (!toWord || at == relatedAt_.end())
                continue;
            std::unique_ptr<TSynset> again = Target(sense, p);
            std::vector<TSynsetWord> &words = related_[at->second]->Words;
            if (again->Words.size() >= std::size_t(p.TargetWord)) {
                const TSynsetWord &word = again->Words[p.TargetWord - 1];
                if (std::none_of(words.begin(), words.end(),
                                 [&](const TSynsetWord &w) { return w.Word == word.Word; }))
                    words.push_back(word);
            }
            continue;
        }
        std::unique_ptr<TSynset> target = Target(sense, p);
        if (toWord && target->Words.size() >= std::size_t(p.TargetWord))
            target->Words = {target->Words[p.TargetWord - 1]};
        collected_.insert(p.Target);
        relatedAt_[p.Target] = related_.size();
        related_.push_back(std::move(target));
    }
}

void TWordLookup::MergeRelatedWords(bool withSynonyms)
{
    relatedWords_.clear();
    std::vector<TSynsetWord> words;
    for (const auto &s : related_)
        words.insert(words.end(), s->Words.begin(), s->Words.end());
    if (withSynonyms)
        words.insert(words.end(), shownSynonyms_.begin(), shownSynonyms_.end());
    MergeWords(relatedWords_, std::move(words));
}

const std::vector<TSynsetWord> &TWordLookup::RelatedByTypes(std::uint32_t mask)
{
    if (mask == 1u << rtSynonyms)
        return shownSynonyms_;
    if (!dirty_ && queryMask_ == mask && queryDepth_ == 0)
        return relatedWords_;
    TLexFileGuard guard(db_);
    StartCollecting();
    for (const TSynset *s : Sources())
        Follow(*s, mask);
    MergeRelatedWords(mask & (1u << rtSynonyms));
    queryMask_ = mask;
    queryDepth_ = 0;
    dirty_ = false;
    return relatedWords_;
}

const std::vector<TSynsetWord> &TWordLookup::RelatedByLevels(int type, int depth, bool &moreLevels)
{
    moreLevels = false;
    if (type == rtSynonyms)
        return shownSynonyms_;
    if (type < 0 || type >= rtSynonyms) {
        relatedWords_.clear();
        return relatedWords_;
    }
    TLexFileGuard guard(db_);
    StartCollecting();
    const int further = type == rtAntonyms ? rtSimilar : type;
    std::size_t levelStart = 0;
    for (const TSynset *s : Sources())
        Follow(*s, 1u << type);
    for (int level = 2; level <= depth; ++level) {
        const std::size_t levelEnd = related_.size();
        for (std::size_t i = levelStart; i < levelEnd; ++i)
            Follow(*related_[i], 1u << further);
        levelStart = levelEnd;
    }
    for (std::size_t i = levelStart; i < related_.size() && !moreLevels; ++i)
        for (const TSynsetPointer &p : related_[i]->Pointers)
            if (p.Type == further && !Collected(p.Target)) {
                moreLevels = true;
                break;
            }
    MergeRelatedWords(false);
    queryMask_ = 1u << type;
    queryDepth_ = depth;
    dirty_ = false;
    return relatedWords_;
}

bool TWordLookup::HasDeeperLevel(int type) const
{
    for (const auto &s : related_)
        for (const TSynsetPointer &p : s->Pointers)
            if (p.Type == type)
                return true;
    return false;
}
