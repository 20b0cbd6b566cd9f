#pragma once

#include <cstdlib>

namespace fuzz {

// A property a fuzz target found broken: abort so that libFuzzer keeps the input.
inline void Check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace fuzz
