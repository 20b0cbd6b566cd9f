// The fixed model and token tables of cz.lex, shared by the writer and the reader.
#include "LexModels.h"

namespace LexModels {

namespace {

#include "LexModelTables.inc"

} // namespace

const TLexModel &PointerTypes()
{
    static const TLexModel model{PointerTypeRows, 13, 13};
    return model;
}

const TLexModel &WordNumbers()
{
    static const TLexModel model{WordNumberRows, 1, 28};
    return model;
}

const TLexModel &Counts()
{
    static const TLexModel model{CountRows, 1, 129};
    return model;
}

const TLexModel &Key()
{
    static const TLexModel model{KeyRows, KeySymbols, KeySymbols};
    return model;
}

const TToken *Tokens()
{
    return TokenTable;
}

std::vector<std::pair<unsigned char, std::string>> TokenList()
{
    std::vector<std::pair<unsigned char, std::string>> list;
    for (const TToken &token : TokenTable)
        list.emplace_back(token.code, std::string(token.text));
    return list;
}

int TokenCount()
{
    return int(sizeof TokenTable / sizeof TokenTable[0]);
}

} // namespace LexModels
