#pragma once

#include "Synset.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TLexDatabase;

// A headword's information string split at its first "\".
struct TWordRootInfo
{
    std::string Pronunciation;
    std::string Flags;
    std::string Info; // the whole string
};

// The query state of one database: the senses of the last lookup and what is shown of them.
class TWordLookup
{
public:
    explicit TWordLookup(TLexDatabase &db) : db_(db) {}

    void Clear();

    // Adds a sense found for the looked-up word, keeping the display order; false when the
    // same record is already there.
    bool AddSense(std::unique_ptr<TSynset> sense, const std::string &lookedUp);
    // Puts the looked-up word's own senses first, its "Other" senses grouped by class label.
    void Reorder(const std::string &lookedUp);
    void AddRootInfo(const std::string &headword, const std::string &info);

    void ShowPartsOfSpeech(std::uint16_t mask);
    // -1 shows every sense of the shown parts of speech again.
    void SelectSense(int index);
    const std::vector<TSynsetWord> &RelatedByTypes(std::uint32_t mask);
    const std::vector<TSynsetWord> &RelatedByLevels(int type, int depth, bool &moreLevels);
    bool HasDeeperLevel(int type) const;
    const std::vector<TSynsetWord> &Synonyms() const { return shownSynonyms_; }

    const std::vector<std::unique_ptr<TSynset>> &Senses() const { return senses_; }
    const std::vector<const TSynset *> &ShownSenses() const { return shownSenses_; }
    const std::vector<std::unique_ptr<TSynset>> &Related() const { return related_; }
    const std::vector<TSynsetWord> &RelatedWords() const { return relatedWords_; }
    const std::map<std::string, TWordRootInfo> &RootInfo() const { return rootInfo_; }
    std::uint16_t ShownPartsOfSpeech() const { return shownPartsOfSpeech_; }
    std::uint16_t ShownMask() const { return shownMask_; }
    std::uint32_t AvailableRelations() const { return availableRelations_; }
    int SelectedSense() const { return selectedSense_; }

    // Adds a word to a sorted, duplicate-free list, merging the usage flags of duplicates.
    static void MergeWord(std::vector<TSynsetWord> &list, const TSynsetWord &word);
    // The same for many words at once, in the order given, by one sort.
    static void MergeWords(std::vector<TSynsetWord> &list, std::vector<TSynsetWord> words);

private:
    std::vector<const TSynset *> Sources() const;
    // Starts a relation query: only the shown (or selected) senses are collected.
    void StartCollecting();
    bool Collected(std::uint32_t offset) const { return collected_.count(offset) != 0; }
    // The senses a sense's pointers lead to, only to those not already shown.
    std::uint32_t RelationsOf(const TSynset &sense) const;
    std::unique_ptr<TSynset> Target(const TSynset &from, const TSynsetPointer &p);
    // Follows the pointers of one sense whose type is in mask.
    void Follow(const TSynset &sense, std::uint32_t mask);
    void MergeRelatedWords(bool withSynonyms);

    TLexDatabase &db_;
    std::vector<std::unique_ptr<TSynset>> senses_;
    std::map<std::string, TWordRootInfo> rootInfo_;
    std::vector<const TSynset *> shownSenses_;
    std::vector<TSynsetWord> shownSynonyms_;
    std::vector<std::unique_ptr<TSynset>> related_;
    std::vector<TSynsetWord> relatedWords_;
    std::uint16_t shownPartsOfSpeech_ = 0;
    std::uint16_t shownMask_ = 0;
    std::uint32_t availableRelations_ = 0;
    int selectedSense_ = -1;
    std::uint32_t queryMask_ = 0;
    int queryDepth_ = 0;
    bool dirty_ = true;
    std::unordered_set<std::uint32_t> shownOffsets_, collected_;
    std::unordered_map<std::uint32_t, std::size_t> relatedAt_; // offset -> index in related_
};
