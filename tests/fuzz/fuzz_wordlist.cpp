// Loads arbitrary bytes as a word list and checks the loader against a second, deliberately
// plain decoder: both must agree on success, on the entries, and on the last-duplicate rule;
// a failure must leave nothing behind; a loaded list must survive a write and reload.
#include "DIAnsiStringHash.h"
#include "FuzzCheck.h"

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace {

using fuzz::Check;

using TEntries = std::vector<std::pair<std::string, std::string>>;

// The entries in file order, or the message the loader must fail with.
struct TDecoded
{
    std::optional<TEntries> entries;
    std::string error;
};

class TPlainDecoder
{
public:
    explicit TPlainDecoder(const std::string &bytes) : s_(bytes) {}

    TDecoded Run()
    {
        try {
            return {Entries(), {}};
        } catch (const std::string &error) {
            return {std::nullopt, error};
        }
    }

private:
    TEntries Entries()
    {
        if (Take(4) != 0x43484944) // "DIHC"
            throw std::string("Class TDIItemHandler: Invalid stream format");
        if (Integer(false) != 1)
            throw std::string("Class TDIItemHandler: Invalid stream format");
        const std::int64_t itemSize = Integer(true);
        if (itemSize != 4)
            throw "Class TDIAnsiStringHash: Invalid ItemSize (" + std::to_string(itemSize) + ")";
        const std::int64_t count = Integer(false);
        TEntries entries;
        for (std::int64_t i = 0; i < count; ++i) {
            std::string key = Text();
            std::string value = Text();
            entries.emplace_back(std::move(key), std::move(value));
        }
        return entries;
    }

    std::uint64_t Take(std::size_t n)
    {
        if (s_.size() - pos_ < n)
            throw std::string("Stream read error");
        std::uint64_t out = 0;
        for (std::size_t i = 0; i < n; ++i)
            out |= std::uint64_t(static_cast<unsigned char>(s_[pos_ + i])) << (8 * i);
        pos_ += n;
        return out;
    }

    std::int64_t Integer(bool isSigned)
    {
        const std::uint64_t tag = Take(1);
        const bool negative = tag == 1 || tag == 4 || tag == 7 || tag == 10;
        if (tag == 0 || tag > (isSigned ? 11u : 12u) || (negative && !isSigned))
            throw std::string("Invalid Element Type");
        const std::size_t width = tag <= 3 ? 1 : tag <= 6 ? 2 : tag <= 9 ? 3 : 4;
        std::uint64_t raw = Take(width);
        if (negative)
            raw |= 0xFFFFFFFFull << (8 * width);
        return isSigned ? std::int64_t(std::int32_t(std::uint32_t(raw))) : std::int64_t(raw);
    }

    std::string Text()
    {
        const std::uint64_t tag = Take(1);
        if (tag == 29 || tag == 34)
            return {};
        if (tag < 30 || tag > 33)
            throw std::string("Invalid Element Type");
        const std::uint64_t length = Take(tag - 29);
        if (s_.size() - pos_ < length)
            throw std::string("Stream read error");
        pos_ += length;
        return s_.substr(pos_ - length, length);
    }

    const std::string &s_;
    std::size_t pos_ = 0;
};

void CheckRoundTrip(const TDIAnsiStringHash &list, const std::map<std::string, std::string> &map)
{
    TDIWordListWriter writer;
    for (const auto &[key, value] : map)
        writer.Add(key, value);
    const std::string bytes = writer.Bytes();
    TDIAnsiStringHash again;
    again.LoadFromBytes(bytes);
    Check(again.Count() == list.Count());
    for (const auto &[key, value] : map)
        Check(again.Lookup(key) == value);
    // Writing is canonical: decoding what was written gives back exactly the same entries.
    const TDecoded decoded = TPlainDecoder(bytes).Run();
    Check(decoded.entries && decoded.entries->size() == map.size());
    auto it = map.begin();
    for (const auto &entry : *decoded.entries)
        Check(entry.first == it->first && entry.second == (it++)->second);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const TDecoded expected = TPlainDecoder(bytes).Run();
    TDIAnsiStringHash list;
    try {
        list.LoadFromBytes(bytes);
    } catch (const std::runtime_error &e) {
        Check(!expected.entries && e.what() == expected.error);
        Check(list.Count() == 0 && list.Lookup("").empty());
        return 0;
    }
    Check(expected.entries.has_value());
    std::map<std::string, std::string> last;
    for (const auto &[key, value] : *expected.entries)
        last[key] = value;
    Check(list.Count() == last.size());
    for (const auto &[key, value] : last) {
        Check(list.Lookup(key) == value);
        Check(last.count(key + '\x01') || list.Lookup(key + '\x01').empty());
    }
    CheckRoundTrip(list, last);
    return 0;
}
