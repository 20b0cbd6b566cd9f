#pragma once

#include "DataCompressor.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// One headword of the word index.
struct TIndexRec
{
    std::string Headword;
    std::string Info;
    std::uint8_t Count = 0;
    std::vector<std::uint32_t> Pointers;
    std::string SearchKey;
    int FormKind = 0;
};

// A decoded index block: its headwords sorted by search key (byte order, duplicates kept in
// block order).
class TIndexDiskRec
{
public:
    // Throws ELexError "Word index error" when the block's parts disagree or run past size.
    void Decode(const std::uint8_t *data, std::size_t size, const TDataCompressor &tokens);
    const std::vector<TIndexRec> &Entries() const { return entries_; }
    // The entries whose search key is key (adjacent).
    std::pair<std::size_t, std::size_t> Range(const std::string &key) const;

private:
    std::vector<TIndexRec> entries_;
};

// The stored form of a block (entries in the order given). Throws ELexError for a count
// outside 1..128 or text the format cannot hold.
std::string EncodeIndexBlock(const std::vector<TIndexRec> &entries, const TDataCompressor &tokens);

struct TNearEntry
{
    std::string Headword;
    std::uint32_t Flags = 0;
    std::string SearchKey;
};

// The word index: the 256-bucket directory, the token table and a cache of decoded blocks.
class TIndexLookup
{
public:
    static constexpr std::size_t CacheSize = 12;
    // Reads length bytes at an offset relative to the first index block.
    using TReader =
        std::function<std::vector<std::uint8_t>(std::uint32_t offset, std::uint32_t length)>;

    TIndexLookup(TReader reader, std::uint32_t indexSize);

    // Parses the directory (buckets, token table, word-form strings) from the bytes between
    // DirectoryStart and the notice; returns the seven word-form strings.
    std::array<std::string, 7> LoadDirectory(const std::uint8_t *data, std::size_t size);

    const TIndexDiskRec &FindBlock(std::uint16_t blockKey);
    const TIndexDiskRec &FindWord(const std::string &searchKey);
    const TDataCompressor &Tokens() const { return tokens_; }
    const std::string &LastSearchKey() const { return lastKey_; }
    std::size_t BlockCount() const { return blockNumbers_.size(); }

    // About n entries on either side of word (default: the last search key), sorted by search
    // key; returns the index at which word sorts, at most the last.
    int NearestEntries(std::vector<TNearEntry> &list, int n, const std::string &word = {});

private:
    struct TDirEntry
    {
        std::uint8_t subKey;
        std::uint32_t offset;
        std::uint32_t length;
    };
    const TDirEntry *Locate(std::uint16_t blockKey) const;
    std::shared_ptr<TIndexDiskRec> ReadBlock(const TDirEntry &entry) const;

    TReader reader_;
    std::uint32_t indexSize_;
    std::array<std::vector<TDirEntry>, 256> buckets_;
    std::vector<std::uint16_t> blockNumbers_; // first code byte * 256 + second, ascending
    TDataCompressor tokens_;
    std::vector<std::pair<std::uint16_t, std::shared_ptr<TIndexDiskRec>>> cache_;
    TIndexDiskRec emptyBlock_;
    std::string lastKey_;
};
