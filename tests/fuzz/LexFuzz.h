#pragma once

// What the word-explorer fuzz targets share: a failed check aborts, so libFuzzer reports it,
// and the program's own token table decodes the input.
#include "DataCompressor.h"
#include "FuzzCheck.h"
#include "LexModels.h"

#include <cstdlib>

namespace lexfuzz {

using fuzz::Check;

inline const TDataCompressor &Tokens()
{
    static const TDataCompressor tokens = [] {
        TDataCompressor t;
        t.SetTokens(LexModels::TokenList());
        return t;
    }();
    return tokens;
}

} // namespace lexfuzz
