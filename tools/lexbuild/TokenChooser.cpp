#include "TokenChooser.h"

#include <algorithm>
#include <cstdint>

TTokenChooser::TTokenChooser(const std::vector<std::string> &texts)
{
    std::vector<bool> used(256, false);
    for (const std::string &text : texts) {
        for (unsigned char c : text) {
            sequence_.push_back(c);
            used[c] = true;
        }
        sequence_.push_back(End);
    }
    symbols_.resize(256);
    for (int b = 0; b < 256; ++b) {
        symbols_[b].text = std::string(1, char(b));
        if (used[b])
            symbols_[b].code = b;
        else if (b != 0 && b != '/') // NUL ends a text, "/" escapes
            freeCodes_.push_back(std::uint8_t(b));
    }
    symbols_['/'].code = '/';
}

// Output bytes of one occurrence: an escaped byte takes two.
int TTokenChooser::Cost(int symbol) const
{
    const TSymbol &s = symbols_[symbol];
    if (s.code >= 0)
        return 1;
    if (s.left < 0)
        return 2;
    return Cost(s.left) + Cost(s.right);
}

void TTokenChooser::Count()
{
    occurrences_.assign(symbols_.size(), 0);
    pairs_.assign(std::size_t(MaxSymbols) * MaxSymbols, 0);
    std::size_t lastCounted = std::size_t(-2);
    for (std::size_t i = 0; i < sequence_.size(); ++i) {
        const int a = sequence_[i];
        if (a == End)
            continue;
        ++occurrences_[a];
        const int b = i + 1 < sequence_.size() ? sequence_[i + 1] : End;
        if (b == End)
            continue;
        if (a == b && lastCounted == i - 1) // "aaa" holds one pair "aa", not two
            continue;
        ++pairs_[std::size_t(a) * MaxSymbols + b];
        lastCounted = i;
    }
}

// Makes a byte value free when that costs less than gain; false when none is worth it.
bool TTokenChooser::FreeCode(std::size_t gain)
{
    if (!freeCodes_.empty())
        return true;
    int cheapest = -1;
    std::size_t cheapestCost = gain;
    for (int s = 1; s < int(symbols_.size()); ++s) {
        if (symbols_[s].code < 0 || s == '/')
            continue;
        const std::size_t extra = symbols_[s].left < 0
                                      ? occurrences_[s]
                                      : occurrences_[s] * std::size_t(Cost(symbols_[s].left) +
                                                                      Cost(symbols_[s].right) - 1);
        if (extra < cheapestCost) {
            cheapest = s;
            cheapestCost = extra;
        }
    }
    if (cheapest < 0)
        return false;
    Drop(cheapest);
    return true;
}

// Gives up a symbol's byte value; a dropped token is split back into its parts.
void TTokenChooser::Drop(int symbol)
{
    TSymbol &s = symbols_[symbol];
    freeCodes_.push_back(std::uint8_t(s.code));
    s.code = -1;
    if (s.left < 0)
        return;
    std::vector<int> out;
    out.reserve(sequence_.size());
    for (int x : sequence_) {
        if (x == symbol) {
            out.push_back(s.left);
            out.push_back(s.right);
        } else {
            out.push_back(x);
        }
    }
    sequence_ = std::move(out);
}

void TTokenChooser::Merge(int left, int right)
{
    TSymbol merged;
    merged.text = symbols_[left].text + symbols_[right].text;
    merged.left = left;
    merged.right = right;
    merged.code = freeCodes_.front();
    freeCodes_.erase(freeCodes_.begin());
    const int id = int(symbols_.size());
    symbols_.push_back(std::move(merged));
    std::size_t to = 0;
    for (std::size_t i = 0; i < sequence_.size(); ++i) {
        if (sequence_[i] == left && i + 1 < sequence_.size() && sequence_[i + 1] == right) {
            sequence_[to++] = id;
            ++i;
        } else {
            sequence_[to++] = sequence_[i];
        }
    }
    sequence_.resize(to);
}

TTokenChooser::TTokens TTokenChooser::Choose()
{
    while (symbols_.size() < std::size_t(MaxSymbols)) {
        Count();
        std::size_t bestGain = 0;
        int bestLeft = -1, bestRight = -1;
        for (int a = 0; a < int(symbols_.size()); ++a)
            for (int b = 0; b < int(symbols_.size()); ++b) {
                const std::uint32_t n = pairs_[std::size_t(a) * MaxSymbols + b];
                if (!n || symbols_[a].text.size() + symbols_[b].text.size() > 255)
                    continue;
                const std::size_t gain = std::size_t(n) * std::size_t(Cost(a) + Cost(b) - 1);
                if (gain > bestGain) {
                    bestGain = gain;
                    bestLeft = a;
                    bestRight = b;
                }
            }
        if (bestLeft < 0 || !FreeCode(bestGain))
            break;
        Merge(bestLeft, bestRight);
    }
    TTokens tokens;
    for (const TSymbol &s : symbols_)
        if (s.code >= 0 && s.left >= 0)
            tokens.emplace_back(std::uint8_t(s.code), s.text);
    std::sort(tokens.begin(), tokens.end());
    return tokens;
}
