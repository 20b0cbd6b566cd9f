#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One static model of the arithmetic coder: per context a row q[0] >= q[1] >= ... >= q[k] = 0
// where q[0] is the total and symbol s owns [q[s+1], q[s]).
struct TLexModel
{
    const std::uint16_t *rows;
    int contexts; // 1: the context is ignored
    int symbols;

    const std::uint16_t *Row(int context) const
    {
        if (contexts == 1 || context < 0 || context >= contexts)
            context = 0;
        return rows + context * (symbols + 1);
    }
};

// The four models of cz.lex and its token table: fixed, shared by the writer and the reader.
namespace LexModels {

constexpr int PointerTypeStop = 12;
constexpr int KeySymbols = 44;

const TLexModel &PointerTypes(); // 13 contexts (previous type), types 0..11 and stop 12
const TLexModel &WordNumbers();  // word numbers 0..27
const TLexModel &Counts();       // stop 0, sense counts 1..128
const TLexModel &Key();          // 44 contexts, characters "/" 0-9 ... A-Z as c - 47

struct TToken
{
    unsigned char code;
    std::string_view text;
};

// The token table the writer stores in the directory.
const TToken *Tokens();
int TokenCount();
// The table in the form TDataCompressor::SetTokens takes.
std::vector<std::pair<unsigned char, std::string>> TokenList();

} // namespace LexModels
