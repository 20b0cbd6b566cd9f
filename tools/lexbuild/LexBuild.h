#pragma once

#include "CmuDictionary.h"
#include "LexSources.h"
#include "LexWriter.h"
#include "WordNetSource.h"

#include <array>
#include <map>
#include <string>
#include <vector>

// Turns WordNet synsets, CMU pronunciations and the word-form strings into cz.lex.
class TLexBuilder
{
public:
    TLexBuilder(const TWordNetSource &wordnet, const TCmuDictionary &cmu,
                std::array<std::string, 7> formStrings);

    // The database with the program's fixed models and token table.
    std::string Build() const;
    // C++ source of LexModelTables.inc derived from this data (run once when the format's tables
    // are made; the program keeps the result).
    std::string ModelSource() const;

    // Relation type of a WordNet pointer symbol, -1 for one the database does not keep.
    static int RelationOf(const std::string &symbol);
    // The sense text "word^flags;...:gloss\nexample..." of a synset.
    static std::string SenseText(const TWnSynset &synset, const std::vector<std::uint32_t> &flags);
    // The usage flags of a synset's words from its region and usage domain pointers.
    std::vector<std::uint32_t> WordFlags(const TWnSynset &synset) const;

private:
    struct TSense
    {
        int pos;
        std::string text;
        std::vector<TLexWriter::TPointer> pointers;
    };
    struct TWord
    {
        std::string info;
        std::vector<int> senses;
    };
    void Prepare();
    std::string Info(const std::string &word, std::uint32_t flags) const;

    const TWordNetSource &wordnet_;
    const TCmuDictionary &cmu_;
    std::array<std::string, 7> forms_;
    std::map<int, std::uint32_t> domainFlags_; // synset index -> flag bit
    std::vector<TSense> senses_;
    std::map<std::string, TWord> words_;
};
