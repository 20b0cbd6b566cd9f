#include "NearRhymes.h"

#include "DIAnsiStringHash.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace {

// Articulatory features of the ARPAbet phonemes. Vowels: height 0 (open) .. 6 (close),
// backness 0 (front) .. 2 (back), rounding, off-glide (0 none, 1 to i, 2 to u, 3 r-colour).
// Consonants: place 0 (lips) .. 7 (glottis), manner (0 stop, 1 affricate, 2 fricative, 3 nasal,
// 4 lateral, 5 rhotic, 6 glide), voicing.
struct TFeatures
{
    const char *name;
    bool vowel;
    int a, b, c, d;
};

constexpr std::array<TFeatures, 39> kPhones = {{
    {"AA", true, 0, 2, 0, 0},  {"AE", true, 1, 0, 0, 0},  {"AH", true, 2, 1, 0, 0},
    {"AO", true, 2, 2, 1, 0},  {"AW", true, 0, 1, 0, 2},  {"AY", true, 0, 1, 0, 1},
    {"EH", true, 3, 0, 0, 0},  {"ER", true, 3, 1, 0, 3},  {"EY", true, 4, 0, 0, 1},
    {"IH", true, 5, 0, 0, 0},  {"IY", true, 6, 0, 0, 0},  {"OW", true, 4, 2, 1, 2},
    {"OY", true, 2, 2, 1, 1},  {"UH", true, 5, 2, 1, 0},  {"UW", true, 6, 2, 1, 0},
    {"P", false, 0, 0, 0, 0},  {"B", false, 0, 0, 1, 0},  {"T", false, 3, 0, 0, 0},
    {"D", false, 3, 0, 1, 0},  {"K", false, 6, 0, 0, 0},  {"G", false, 6, 0, 1, 0},
    {"CH", false, 4, 1, 0, 0}, {"JH", false, 4, 1, 1, 0}, {"F", false, 1, 2, 0, 0},
    {"V", false, 1, 2, 1, 0},  {"TH", false, 2, 2, 0, 0}, {"DH", false, 2, 2, 1, 0},
    {"S", false, 3, 2, 0, 0},  {"Z", false, 3, 2, 1, 0},  {"SH", false, 4, 2, 0, 0},
    {"ZH", false, 4, 2, 1, 0}, {"HH", false, 7, 2, 0, 0}, {"M", false, 0, 3, 1, 0},
    {"N", false, 3, 3, 1, 0},  {"NG", false, 6, 3, 1, 0}, {"L", false, 3, 4, 1, 0},
    {"R", false, 4, 5, 1, 0},  {"W", false, 0, 6, 1, 0},  {"Y", false, 5, 6, 1, 0},
}};

constexpr int kIndel = 3;        // a consonant more or less
constexpr int kStressWeight = 2; // the rhyming vowel counts double

int VowelCost(const TFeatures &x, const TFeatures &y)
{
    return std::abs(x.a - y.a) + 2 * std::abs(x.b - y.b) + std::abs(x.c - y.c) +
           (x.d != y.d ? 2 : 0);
}

bool Obstruent(int manner)
{
    return manner <= 2;
}

int ConsonantCost(const TFeatures &x, const TFeatures &y)
{
    int cost = (x.c != y.c ? 1 : 0) + (x.a != y.a ? 2 : 0);
    if (x.b != y.b)
        cost += Obstruent(x.b) == Obstruent(y.b) ? 2 : 3;
    return cost;
}

std::optional<std::vector<std::uint8_t>> Encode(std::string_view key)
{
    std::vector<std::uint8_t> out;
    std::size_t begin = 0;
    while (begin < key.size()) {
        std::size_t end = key.find(' ', begin);
        if (end == std::string_view::npos)
            end = key.size();
        if (end > begin) {
            const std::string_view name = key.substr(begin, end - begin);
            const auto it = std::find_if(kPhones.begin(), kPhones.end(),
                                         [&](const TFeatures &f) { return name == f.name; });
            if (it == kPhones.end())
                return std::nullopt;
            out.push_back(static_cast<std::uint8_t>(it - kPhones.begin()));
        }
        begin = end + 1;
    }
    return out;
}

int CountVowels(const std::vector<std::uint8_t> &phones)
{
    return static_cast<int>(std::count_if(phones.begin(), phones.end(),
                                          [](std::uint8_t p) { return kPhones[p].vowel; }));
}

// Edit distance of two consonant runs.
int ClusterCost(const std::uint8_t *x, int nx, const std::uint8_t *y, int ny)
{
    std::vector<int> row(static_cast<std::size_t>(ny) + 1);
    for (int j = 0; j <= ny; ++j)
        row[j] = j * kIndel;
    for (int i = 1; i <= nx; ++i) {
        int diagonal = row[0];
        row[0] = i * kIndel;
        for (int j = 1; j <= ny; ++j) {
            const int up = row[j];
            row[j] = std::min({up + kIndel, row[j - 1] + kIndel,
                               diagonal + ConsonantCost(kPhones[x[i - 1]], kPhones[y[j - 1]])});
            diagonal = up;
        }
    }
    return row[ny];
}

// The consonant run that starts at i.
int RunLength(const std::vector<std::uint8_t> &phones, std::size_t i)
{
    std::size_t end = i;
    while (end < phones.size() && !kPhones[phones[end]].vowel)
        ++end;
    return static_cast<int>(end - i);
}

int PhoneDistance(const std::vector<std::uint8_t> &x, const std::vector<std::uint8_t> &y)
{
    if (x.empty() || y.empty() || !kPhones[x[0]].vowel || !kPhones[y[0]].vowel ||
        CountVowels(x) != CountVowels(y))
        return -1;
    int total = 0;
    std::size_t i = 0, j = 0;
    for (int vowel = 0; i < x.size(); ++vowel) {
        total += VowelCost(kPhones[x[i]], kPhones[y[j]]) * (vowel == 0 ? kStressWeight : 1);
        const int nx = RunLength(x, ++i), ny = RunLength(y, ++j);
        total += ClusterCost(x.data() + i, nx, y.data() + j, ny);
        i += nx;
        j += ny;
    }
    return total;
}

struct TItem
{
    std::string_view word;
    int level;
};

template <typename F> void ForEachItem(std::string_view list, F &&f)
{
    std::size_t begin = 0;
    while (begin < list.size()) {
        std::size_t end = list.find('#', begin);
        if (end == std::string_view::npos)
            end = list.size();
        if (end > begin)
            f(list.substr(begin, end - begin));
        begin = end + 1;
    }
}

TItem ParseItem(std::string_view item)
{
    const std::size_t at = item.rfind('@');
    if (at == std::string_view::npos)
        return {item, 100};
    return {item.substr(0, at), std::atoi(std::string(item.substr(at + 1)).c_str())};
}

} // namespace

int NearRhymes::Distance(std::string_view key, std::string_view other)
{
    const auto x = Encode(key), y = Encode(other);
    return x && y ? PhoneDistance(*x, *y) : -1;
}

int NearRhymes::VowelCount(std::string_view key)
{
    const auto phones = Encode(key);
    return phones ? CountVowels(*phones) : -1;
}

std::vector<std::string> NearRhymes::GroupKeysOf(const TDIAnsiStringHash &rdict,
                                                 std::string_view word)
{
    std::vector<std::string> keys;
    for (int k = 0; k <= 4; ++k) {
        const std::string entry =
            k == 0 ? std::string(word) : std::string(word) + "(" + std::to_string(k) + ")";
        const std::string key(rdict.Lookup(entry));
        if (!key.empty() && std::find(keys.begin(), keys.end(), key) == keys.end())
            keys.push_back(key);
    }
    return keys;
}

TNearRhymes::TNearRhymes(const TDIAnsiStringHash &data) : data_(data)
{
    for (int vowels = 1;; ++vowels) {
        const std::string_view list = data_.Lookup("@" + std::to_string(vowels));
        if (list.empty())
            break;
        auto &groups = byVowels_.emplace_back();
        ForEachItem(list, [&](std::string_view key) {
            if (auto phones = Encode(key))
                groups.push_back({std::string(key), std::move(*phones)});
        });
    }
}

const std::vector<TNearRhymes::TGroup> *TNearRhymes::GroupsWithVowels(int vowels) const
{
    if (vowels < 1 || vowels > static_cast<int>(byVowels_.size()))
        return nullptr;
    return &byVowels_[static_cast<std::size_t>(vowels) - 1];
}

std::vector<std::string> TNearRhymes::Lookup(const std::vector<std::string> &groupKeys,
                                             std::size_t limit) const
{
    // Every near group with its smallest distance to any of the word's pronunciations.
    std::map<std::string_view, int> nearGroups;
    std::set<std::string_view> perfect;
    for (const std::string &key : groupKeys) {
        ForEachItem(data_.Lookup(key),
                    [&](std::string_view item) { perfect.insert(ParseItem(item).word); });
        const auto phones = Encode(key);
        const auto *groups = phones ? GroupsWithVowels(CountVowels(*phones)) : nullptr;
        if (!groups)
            continue;
        for (const TGroup &group : *groups) {
            const int d = PhoneDistance(*phones, group.phones);
            if (d <= 0 || d > kMaxDistance)
                continue;
            auto [it, added] = nearGroups.emplace(group.key, d);
            if (!added)
                it->second = std::min(it->second, d);
        }
    }
    struct TCandidate
    {
        int distance, level;
        std::string_view word;
    };
    std::vector<TCandidate> candidates;
    for (const auto &[key, groupDistance] : nearGroups) {
        const int distance = groupDistance; // a binding cannot be captured before C++20 in clang 14
        ForEachItem(data_.Lookup(key), [&](std::string_view entry) {
            const TItem item = ParseItem(entry);
            if (!perfect.count(item.word))
                candidates.push_back({distance, item.level, item.word});
        });
    }
    std::sort(candidates.begin(), candidates.end(), [](const TCandidate &x, const TCandidate &y) {
        return std::tie(x.distance, x.level, x.word) < std::tie(y.distance, y.level, y.word);
    });
    std::vector<std::string> out;
    std::set<std::string_view> seen;
    for (const TCandidate &c : candidates) {
        if (out.size() >= limit)
            break;
        if (seen.insert(c.word).second)
            out.emplace_back(c.word);
    }
    return out;
}
