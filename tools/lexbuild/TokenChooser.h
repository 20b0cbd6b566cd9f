#pragma once

#include <string>
#include <utility>
#include <vector>

// Chooses the token table of cz.lex by byte-pair merging over the texts it will compress: the
// most frequent pair of adjacent symbols becomes a token while a byte value is free; a rare byte
// or a token that later merges left idle gives up its value when a pair saves more than that
// costs (a byte without a value of its own is written escaped).
class TTokenChooser
{
public:
    using TTokens = std::vector<std::pair<unsigned char, std::string>>;

    explicit TTokenChooser(const std::vector<std::string> &texts);
    TTokens Choose();

private:
    static constexpr int End = -1; // between texts: no pair spans it
    static constexpr int MaxSymbols = 2048;

    struct TSymbol
    {
        std::string text;
        int left = -1, right = -1; // the pair it merges; -1 for a byte
        int code = -1;             // -1: no byte value (escaped byte or dropped token)
    };

    int Cost(int symbol) const;
    void Count();
    bool FreeCode(std::size_t gain);
    void Drop(int symbol);
    void Merge(int left, int right);

    std::vector<int> sequence_;
    std::vector<TSymbol> symbols_;
    std::vector<std::size_t> occurrences_;
    std::vector<std::uint32_t> pairs_; // left * MaxSymbols + right
    std::vector<unsigned char> freeCodes_;
};
