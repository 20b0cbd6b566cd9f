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

void TWordLookup::MergeWord(std::vector<TSynsetWord> &list, const TSynsetWord &word)
{
    auto it = std::lower_bound(
        list.begin(), list.end(), word.Word,
        [](const TSynsetWord &w, const std::string &text) { return w.Word < text; });
    if (it == list.end() || it->Word != word.Word) {
        list.insert(it, word);
        return;
    }
    if (it->Flags == 0 || word.Flags == 0) {
        it->Flags = 0;
        return;
    }
    std::uint32_t flags = ((it->Flags | word.Flags) & WordUtils::RegionalFlags) |
                          (it->Flags & word.Flags & WordUtils::RegisterFlags);
    if ((flags & WordUtils::FlagBrit) && (flags & WordUtils::FlagUS))
        flags &= ~WordUtils::RegionalFlags;
    it->Flags = flags;
}

void TWordLookup::ShowPartsOfSpeech(std::uint16_t mask)
{
    shownSenses_.clear();
    shownSynonyms_.clear();
    availableRelations_ = 0;
    shownPartsOfSpeech_ = 0;
    shownMask_ = mask;
    for (const auto &s : senses_) {
        if (!(mask & (1u << s->PartOfSpeech)))
            continue;
        shownSenses_.push_back(s.get());
        for (const TSynsetWord &w : s->Words)
            MergeWord(shownSynonyms_, w);
        for (const TSynsetPointer &p : s->Pointers)
            if (p.Type <= 15)
                availableRelations_ |= 1u << p.Type;
        shownPartsOfSpeech_ |= std::uint16_t(1u << s->PartOfSpeech);
    }
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
    for (const TSynsetWord &w : sense.Words)
        MergeWord(shownSynonyms_, w);
    availableRelations_ = 0;
    for (const TSynsetPointer &p : sense.Pointers)
        if (p.Type <= 15)
            availableRelations_ |= 1u << p.Type;
    selectedSense_ = index;
    dirty_ = true;
}

std::vector<const TSynset *> TWordLookup::Sources() const
{
    if (selectedSense_ >= 0)
        return {senses_[selectedSense_].get()};
    return shownSenses_;
}

bool TWordLookup::Collected(std::uint32_t offset) const
{
    for (const TSynset *s : shownSenses_)
        if (s->Offset == std::int64_t(offset))
            return true;
    if (selectedSense_ >= 0 && senses_[selectedSense_]->Offset == std::int64_t(offset))
        return true;
    for (const auto &s : related_)
        if (s->Offset == std::int64_t(offset))
            return true;
    return false;
}

std::size_t TWordLookup::Follow(const TSynset &sense, std::uint32_t mask)
{
    std::size_t added = 0;
    for (const TSynsetPointer &p : sense.Pointers) {
        if (!(mask & (1u << p.Type)) || Collected(p.Target))
            continue;
        std::unique_ptr<TSynset> target = db_.ReadSense(p.Target);
        if (db_.MatchForms() && sense.FormKind != 0 && (InflectedRelations & (1u << p.Type))) {
            for (TSynsetWord &w : target->Words) {
                const std::string form = db_.Morpher().Inflect(w.Word, sense.FormKind);
                w.Word = form.empty() ? w.Word + "*" : form;
            }
        }
        if (p.TargetWord > 0 && target->Words.size() >= std::size_t(p.TargetWord))
            target->Words = {target->Words[p.TargetWord - 1]};
        target->FormKind = sense.FormKind;
        related_.push_back(std::move(target));
        ++added;
    }
    return added;
}

void TWordLookup::MergeRelatedWords(bool withSynonyms)
{
    relatedWords_.clear();
    for (const auto &s : related_)
        for (const TSynsetWord &w : s->Words)
            MergeWord(relatedWords_, w);
    if (withSynonyms)
        for (const TSynsetWord &w : shownSynonyms_)
            MergeWord(relatedWords_, w);
}

const std::vector<TSynsetWord> &TWordLookup::RelatedByTypes(std::uint32_t mask)
{
    if (mask == 1u << rtSynonyms)
        return shownSynonyms_;
    if (!dirty_ && queryMask_ == mask && queryDepth_ == 0)
        return relatedWords_;
    TLexFileGuard guard(db_);
    related_.clear();
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
    related_.clear();
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
