#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The parts of WordNet 3.0's data.* and index.* files that the word explorer database needs.
struct TWnPointer
{
    std::string symbol;
    int targetPos = 0;
    std::uint32_t targetOffset = 0;
    int sourceWord = 0;
    int targetWord = 0;
};

struct TWnSynset
{
    int pos = 0; // 0 noun, 1 verb, 2 adjective (satellites too), 3 adverb
    std::uint32_t offset = 0;
    std::vector<std::string> words; // display form: spaces, no adjective markers
    std::vector<TWnPointer> pointers;
    std::string gloss;
    std::vector<std::string> examples;
};

class TWordNetSource
{
public:
    // Reads data.{noun,verb,adj,adv} and index.{...} from dir; throws on unreadable files.
    void Load(const std::string &dir);
    // Parses one data file's text for part of speech pos.
    void ParseData(std::string_view text, int pos);
    void ParseIndex(std::string_view text, int pos);

    const std::vector<TWnSynset> &Synsets() const { return synsets_; }
    // Index of the synset, or -1.
    int Find(int pos, std::uint32_t offset) const;
    // Sense rank of a synset for a lower-case lemma (underscores as spaces); large when unranked.
    int Rank(const std::string &lemma, int pos, std::uint32_t offset) const;

private:
    std::vector<TWnSynset> synsets_;
    std::map<std::pair<int, std::uint32_t>, int> byOffset_;
    std::map<std::pair<std::string, int>, std::vector<std::uint32_t>> index_;
};

// Splits a gloss into its definition and its quoted examples.
void SplitGloss(std::string_view gloss, std::string &definition,
                std::vector<std::string> &examples);
