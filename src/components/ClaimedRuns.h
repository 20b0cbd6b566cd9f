#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// Highlighting stages applied in order must not overwrite each other: this calls format(from,
// count) for each run of [start, start + length) that no earlier stage claimed, and claims it.
template <class Format>
void ForEachUnclaimedRun(int start, int length, std::vector<bool> &claimed, Format format)
{
    const int end = std::min(start + length, int(claimed.size()));
    for (int i = std::max(start, 0); i < end;) {
        if (claimed[std::size_t(i)]) {
            ++i;
            continue;
        }
        int run = i;
        while (run < end && !claimed[std::size_t(run)])
            claimed[std::size_t(run++)] = true;
        format(i, run - i);
        i = run;
    }
}
