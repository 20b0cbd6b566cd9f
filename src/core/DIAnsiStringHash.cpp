#include "DIAnsiStringHash.h"

#include <QFile>

#include <algorithm>
#include <bit>
#include <functional>
#include <limits>

namespace {

constexpr char kReadError[] = "Stream read error";
constexpr char kElementError[] = "Invalid Element Type";
constexpr char kMagic[] = "DIHC";
constexpr std::uint32_t kVersion = 1;
constexpr std::int32_t kItemSize = 4; // one string reference per item

[[noreturn]] void FailContainer(const char *className, const std::string &reason)
{
    throw EContainerError(std::string("Class ") + className + ": " + reason);
}

// Walks the tagged elements of a word-list stream. Every read checks the remaining bytes first,
// so a forged length or count can never reach past the end.
class TStreamReader
{
public:
    explicit TStreamReader(std::string_view data) : data_(data) {}

    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return data_.size() - pos_; }

    std::string_view Raw(std::size_t count)
    {
        Need(count);
        const std::string_view bytes = data_.substr(pos_, count);
        pos_ += count;
        return bytes;
    }

    std::uint32_t ReadUnsigned()
    {
        const unsigned tag = Tag();
        if (tag < 1 || tag > 12 || IsNegativeTag(tag))
            throw EStreamError(kElementError);
        return Bytes(WidthOf(tag));
    }

    std::int32_t ReadSigned()
    {
        const unsigned tag = Tag();
        if (tag < 1 || tag > 11)
            throw EStreamError(kElementError);
        const unsigned width = WidthOf(tag);
        std::uint32_t value = Bytes(width);
        if (IsNegativeTag(tag) && width < 4)
            value |= ~std::uint32_t(0) << (8 * width);
        return static_cast<std::int32_t>(value);
    }

    // Position and length of a tagged string inside the stream.
    std::pair<std::uint32_t, std::uint32_t> ReadString()
    {
        const unsigned tag = Tag();
        if (tag == 29 || tag == 34)
            return {std::uint32_t(pos_), 0};
        if (tag < 30 || tag > 33)
            throw EStreamError(kElementError);
        const std::uint32_t length = Bytes(tag - 29);
        const std::size_t start = pos_;
        Raw(length);
        return {std::uint32_t(start), length};
    }

private:
    static bool IsNegativeTag(unsigned tag) { return tag % 3 == 1; }
    static unsigned WidthOf(unsigned tag) { return (tag + 2) / 3; }

    void Need(std::size_t count) const
    {
        if (count > Remaining())
            throw EStreamError(kReadError);
    }

    unsigned Tag() { return static_cast<unsigned char>(Raw(1)[0]); }

    std::uint32_t Bytes(unsigned width)
    {
        const std::string_view bytes = Raw(width);
        std::uint32_t value = 0;
        for (unsigned i = 0; i < width; ++i)
            value |= std::uint32_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
        return value;
    }

    std::string_view data_;
    std::size_t pos_ = 0;
};

void ReadStreamHeader(TStreamReader &reader, int options)
{
    const bool magicOk = reader.Raw(4) == std::string_view(kMagic, 4);
    if ((options & TDIAnsiStringHash::CheckMagic) && !magicOk)
        FailContainer("TDIItemHandler", "Invalid stream format");
    const std::uint32_t version = reader.ReadUnsigned();
    if ((options & TDIAnsiStringHash::CheckVersion) && version != kVersion)
        FailContainer("TDIItemHandler", "Invalid stream format");
    if (options & TDIAnsiStringHash::ReadHeader) {
        const std::int32_t itemSize = reader.ReadSigned();
        if (itemSize != kItemSize)
            FailContainer("TDIAnsiStringHash",
                          "Invalid ItemSize (" + std::to_string(itemSize) + ")");
    }
}

std::size_t HashOf(std::string_view key)
{
    return std::hash<std::string_view>{}(key);
}

} // namespace

void TDIAnsiStringHash::LoadFromFile(const QString &fileName, int options, int param)
{
    Clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2")
                              .arg(fileName, file.errorString())
                              .toStdString());
    if (file.isSequential()) {
        const QByteArray bytes = file.readAll();
        arena_.assign(bytes.constData(), std::size_t(bytes.size()));
    } else {
        arena_.resize(std::size_t(file.size()));
        const qint64 got = file.read(arena_.data(), qint64(arena_.size()));
        if (got < 0) {
            Clear();
            throw EStreamError(kReadError);
        }
        arena_.resize(std::size_t(got));
    }
    ParseArena(options, param);
}

void TDIAnsiStringHash::LoadFromBytes(std::string_view bytes, int options, int param)
{
    Clear();
    arena_.assign(bytes);
    ParseArena(options, param);
}

void TDIAnsiStringHash::ParseArena(int options, int /*param: unused by string elements*/)
{
    try {
        if (arena_.size() > std::numeric_limits<std::uint32_t>::max())
            FailContainer("TDIAnsiStringHash", "Word list too large");
        ReadEntries(options);
        BuildIndex();
    } catch (...) {
        Clear();
        throw;
    }
}

void TDIAnsiStringHash::ReadEntries(int options)
{
    TStreamReader reader(arena_);
    ReadStreamHeader(reader, options);
    const std::uint32_t count = reader.ReadUnsigned();
    // Each entry takes at least two tag bytes, which bounds what a forged count can reserve.
    entries_.reserve(std::min<std::size_t>(count, reader.Remaining() / 2));
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto key = reader.ReadString();
        const auto value = reader.ReadString();
        entries_.push_back({key.first, key.second, value.first, value.second});
    }
    // Whatever follows the last entry is not ours; do not keep a large tail alive.
    const std::size_t used = reader.Position();
    if (arena_.size() - used > arena_.size() / 8) {
        arena_.resize(used);
        arena_.shrink_to_fit();
    }
}

void TDIAnsiStringHash::BuildIndex()
{
    const std::size_t n = entries_.size();
    buckets_.assign(std::bit_ceil(std::max<std::size_t>(n, 1)), 0);
    next_.assign(n, 0);
    count_ = 0;
    const std::size_t mask = buckets_.size() - 1;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view key = KeyOf(entries_[i]);
        std::uint32_t &head = buckets_[HashOf(key) & mask];
        if (std::uint32_t *earlier = FindInChain(head, key)) {
            // A later duplicate shadows the earlier entry: take over its value in place.
            entries_[*earlier - 1].valueOffset = entries_[i].valueOffset;
            entries_[*earlier - 1].valueLength = entries_[i].valueLength;
            continue;
        }
        next_[i] = head;
        head = std::uint32_t(i + 1);
        ++count_;
    }
}

std::uint32_t *TDIAnsiStringHash::FindInChain(std::uint32_t &head, std::string_view key)
{
    for (std::uint32_t *link = &head; *link != 0; link = &next_[*link - 1]) {
        if (KeyOf(entries_[*link - 1]) == key)
            return link;
    }
    return nullptr;
}

std::string_view TDIAnsiStringHash::KeyOf(const Entry &e) const
{
    return {arena_.data() + e.keyOffset, e.keyLength};
}

std::string_view TDIAnsiStringHash::Lookup(std::string_view key) const
{
    if (buckets_.empty())
        return {};
    std::uint32_t link = buckets_[HashOf(key) & (buckets_.size() - 1)];
    for (; link != 0; link = next_[link - 1]) {
        const Entry &e = entries_[link - 1];
        if (KeyOf(e) == key)
            return {arena_.data() + e.valueOffset, e.valueLength};
    }
    return {};
}

QString TDIAnsiStringHash::Value(const QString &key) const
{
    const QByteArray utf8 = key.toUtf8();
    const std::string_view value = Lookup({utf8.constData(), std::size_t(utf8.size())});
    return QString::fromUtf8(value.data(), qsizetype(value.size()));
}

std::size_t TDIAnsiStringHash::Count() const
{
    return count_;
}

void TDIAnsiStringHash::Clear()
{
    // Assigning fresh objects releases the memory, which clear() alone would keep.
    arena_ = std::string();
    entries_ = std::vector<Entry>();
    buckets_ = std::vector<std::uint32_t>();
    next_ = std::vector<std::uint32_t>();
    count_ = 0;
}
