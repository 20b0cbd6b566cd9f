#include "IndexLookup.h"

#include "ArithmeticCoder.h"
#include "LexError.h"
#include "WordUtils.h"

#include <algorithm>

namespace {

constexpr int MaxCount = 128;

[[noreturn]] void IndexError()
{
    throw ELexError("Word index error");
}

// Pieces between separators; n separators always give n + 1 pieces.
std::vector<std::string> Pieces(const std::string &text)
{
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == ';')
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

std::uint32_t Read32(const std::uint8_t *p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24;
}

std::uint16_t BlockNumber(std::uint16_t blockKey)
{
    return std::uint16_t((blockKey & 0xFF) << 8 | blockKey >> 8);
}

} // namespace

void TIndexDiskRec::Decode(const std::uint8_t *data, std::size_t size,
                           const TDataCompressor &tokens)
{
    entries_.clear();
    if (size == 0 || data[0] == 0)
        return;
    std::size_t pos = 0;
    std::vector<std::string> headwords, infos;
    try {
        headwords = Pieces(tokens.Expand(data, size, pos));
        std::string info;
        while (pos < size && data[pos])
            info += char(data[pos++]);
        if (pos++ >= size)
            IndexError();
        infos = Pieces(info);
    } catch (const ELexError &) {
        IndexError();
    }
    if (infos.size() != headwords.size())
        IndexError();
    TArithmeticDecoder decoder(data + pos, size - pos);
    std::vector<int> counts;
    if (!decoder.DecodeUntil(LexModels::Counts(), 0, 0, headwords.size(), counts) ||
        counts.size() != headwords.size())
        IndexError();
    std::vector<int> coded = counts;
    coded.push_back(0);
    pos += CodeLength({{&LexModels::Counts(), 0, coded}});
    for (std::size_t i = 0; i < headwords.size(); ++i) {
        TIndexRec rec;
        rec.Headword = std::move(headwords[i]);
        rec.Info = std::move(infos[i]);
        rec.Count = std::uint8_t(counts[i]);
        if (pos > size || (size - pos) / 3 < rec.Count)
            IndexError();
        for (int k = 0; k < rec.Count; ++k, pos += 3)
            rec.Pointers.push_back(data[pos] | data[pos + 1] << 8 | data[pos + 2] << 16);
        rec.SearchKey = WordUtils::SearchKey(rec.Headword);
        entries_.push_back(std::move(rec));
    }
    std::stable_sort(entries_.begin(), entries_.end(), [](const TIndexRec &a, const TIndexRec &b) {
        return a.SearchKey < b.SearchKey;
    });
}

std::pair<std::size_t, std::size_t> TIndexDiskRec::Range(const std::string &key) const
{
    const auto range =
        std::equal_range(entries_.begin(), entries_.end(), key, [](const auto &a, const auto &b) {
            if constexpr (std::is_same_v<std::decay_t<decltype(a)>, TIndexRec>)
                return a.SearchKey < b;
            else
                return a < b.SearchKey;
        });
    return {std::size_t(range.first - entries_.begin()),
            std::size_t(range.second - entries_.begin())};
}

std::string EncodeIndexBlock(const std::vector<TIndexRec> &entries, const TDataCompressor &tokens)
{
    if (entries.empty())
        return std::string(1, '\0');
    std::string headwords, infos, pointers;
    std::vector<int> counts;
    for (const TIndexRec &rec : entries) {
        if (rec.Pointers.empty() || rec.Pointers.size() > MaxCount ||
            rec.Headword.find_first_of(std::string(";\0", 2)) != std::string::npos ||
            rec.Info.find_first_of(std::string(";\0", 2)) != std::string::npos)
            throw ELexError("Index entry cannot be stored: " + rec.Headword);
        if (&rec != &entries.front()) {
            headwords += ';';
            infos += ';';
        }
        headwords += rec.Headword;
        infos += rec.Info;
        counts.push_back(int(rec.Pointers.size()));
        for (std::uint32_t p : rec.Pointers)
            for (int i = 0; i < 3; ++i)
                pointers += char((p >> (8 * i)) & 0xFF);
    }
    counts.push_back(0);
    const std::vector<std::uint8_t> code = EncodeStrings({{&LexModels::Counts(), 0, counts}});
    std::string out = tokens.Compress(headwords);
    if (out.size() == 1) // an empty first headword would read as an empty block
        throw ELexError("Index entry cannot be stored: empty headword");
    out += infos;
    out += '\0';
    out.append(code.begin(), code.end());
    out += pointers;
    return out;
}

TIndexLookup::TIndexLookup(TReader reader, std::uint32_t indexSize)
    : reader_(std::move(reader)), indexSize_(indexSize)
{}

std::array<std::string, 7> TIndexLookup::LoadDirectory(const std::uint8_t *data, std::size_t size)
{
    auto need = [&](std::size_t pos, std::size_t n) {
        if (pos > size || size - pos < n)
            throw ELexError("Invalid word index directory");
    };
    std::size_t pos = 0;
    std::vector<std::pair<std::uint16_t, std::uint32_t>> order; // (key, offset) in file order
    order.reserve(size / 4); // sized once: a fresh process pays for every page it touches
    for (int bucket = 0; bucket < 256; ++bucket) {
        need(pos, 1);
        const int count = data[pos++];
        need(pos, std::size_t(count) * 4);
        buckets_[bucket].clear();
        buckets_[bucket].reserve(std::size_t(count));
        for (int i = 0; i < count; ++i, pos += 4) {
            const std::uint8_t sub = data[pos];
            const std::uint32_t offset = data[pos + 1] | data[pos + 2] << 8 | data[pos + 3] << 16;
            if (!buckets_[bucket].empty() && buckets_[bucket].back().subKey >= sub)
                throw ELexError("Invalid word index directory");
            buckets_[bucket].push_back({sub, offset, 0});
            order.emplace_back(std::uint16_t(bucket << 8 | sub), offset);
        }
    }
    // A block ends where the next one in directory order begins.
    std::size_t next = 0;
    for (auto &bucket : buckets_)
        for (TDirEntry &entry : bucket) {
            ++next;
            const std::uint32_t end = next < order.size() ? order[next].second : indexSize_;
            if (entry.offset > end || end > indexSize_)
                throw ELexError("Invalid word index directory");
            entry.length = end - entry.offset;
        }
    // In ascending order without a sort: every key is unique (checked above), so marking them
    // and reading the marks back is enough, and cheaper on every open.
    std::vector<bool> present(0x10000);
    for (const auto &[key, offset] : order)
        present[BlockNumber(key)] = true;
    blockNumbers_.clear();
    blockNumbers_.reserve(order.size());
    for (std::uint32_t number = 0; number < present.size(); ++number)
        if (present[number])
            blockNumbers_.push_back(std::uint16_t(number));
    tokens_.LoadTable(data, size, pos);
    std::array<std::string, 7> strings;
    for (std::string &s : strings) {
        need(pos, 4);
        const std::uint32_t length = Read32(data + pos);
        pos += 4;
        need(pos, length);
        s.assign(reinterpret_cast<const char *>(data + pos), length);
        pos += length;
    }
    cache_.clear();
    return strings;
}

const TIndexLookup::TDirEntry *TIndexLookup::Locate(std::uint16_t blockKey) const
{
    const std::vector<TDirEntry> &bucket = buckets_[blockKey >> 8];
    const std::uint8_t sub = blockKey & 0xFF;
    int lo = 0, hi = int(bucket.size()) - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) >> 1;
        if (bucket[mid].subKey < sub)
            lo = mid + 1;
        else if (bucket[mid].subKey > sub)
            hi = mid - 1;
        else
            return &bucket[mid];
    }
    return nullptr;
}

std::shared_ptr<TIndexDiskRec> TIndexLookup::ReadBlock(const TDirEntry &entry) const
{
    const std::vector<std::uint8_t> bytes = reader_(entry.offset, entry.length);
    auto block = std::make_shared<TIndexDiskRec>();
    block->Decode(bytes.data(), bytes.size(), tokens_);
    return block;
}

const TIndexDiskRec &TIndexLookup::FindBlock(std::uint16_t blockKey)
{
    for (std::size_t i = 0; i < cache_.size(); ++i)
        if (cache_[i].first == blockKey) {
            std::rotate(cache_.begin() + i, cache_.begin() + i + 1, cache_.end());
            return *cache_.back().second;
        }
    const TDirEntry *entry = Locate(blockKey);
    if (!entry)
        return emptyBlock_;
    auto block = ReadBlock(*entry);
    if (cache_.size() >= CacheSize)
        cache_.erase(cache_.begin());
    cache_.emplace_back(blockKey, std::move(block));
    return *cache_.back().second;
}

const TIndexDiskRec &TIndexLookup::FindWord(const std::string &searchKey)
{
    lastKey_ = searchKey;
    return FindBlock(BlockKey(searchKey));
}

int TIndexLookup::NearestEntries(std::vector<TNearEntry> &list, int n, const std::string &word)
{
    const std::string key = word.empty() ? lastKey_ : WordUtils::SearchKey(word);
    const std::uint16_t number = BlockNumber(BlockKey(key));
    std::vector<TNearEntry> found;
    auto collect = [&](std::uint16_t blockNumber) {
        const TDirEntry *entry = Locate(BlockNumber(blockNumber)); // the swap is its own inverse
        if (!entry)
            return;
        const auto block = ReadBlock(*entry);
        for (const TIndexRec &rec : block->Entries()) {
            std::string_view flagPart = rec.Info;
            const std::size_t slash = flagPart.find('\\');
            flagPart = slash == std::string::npos ? std::string_view() : flagPart.substr(slash + 1);
            if (flagPart.size() >= 2 && flagPart[1] == '|')
                flagPart.remove_prefix(2);
            found.push_back({rec.Headword,
                             WordUtils::ParseFlags(flagPart.substr(0, flagPart.find('='))),
                             rec.SearchKey});
        }
    };
    const auto start = std::lower_bound(blockNumbers_.begin(), blockNumbers_.end(), number);
    for (auto it = start; it != blockNumbers_.end() && found.size() < std::size_t(n); ++it)
        collect(*it);
    const std::size_t upper = found.size();
    for (auto it = start; it != blockNumbers_.begin() && found.size() - upper < std::size_t(n);)
        collect(*--it);
    std::stable_sort(found.begin(), found.end(), [](const TNearEntry &a, const TNearEntry &b) {
        return a.SearchKey < b.SearchKey;
    });
    list = std::move(found);
    const auto at =
        std::lower_bound(list.begin(), list.end(), key,
                         [](const TNearEntry &e, const std::string &k) { return e.SearchKey < k; });
    const int index = int(at - list.begin());
    return list.empty() ? 0 : std::min(index, int(list.size()) - 1);
}
