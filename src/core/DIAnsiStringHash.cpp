#include "DIAnsiStringHash.h"

#include <QFile>

#include <algorithm>
#include <bit>
#include <functional>
#include <limits>
#include <utility>

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

    void SkipString()
    {
        const unsigned tag = Tag();
        if (tag == 29 || tag == 34)
            return;
        if (tag < 30 || tag > 33)
            throw EStreamError(kElementError);
        Raw(Bytes(tag - 29));
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

std::uint64_t HashOf(std::string_view key)
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
    try {
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
    } catch (EWordListError &error) {
        error.SetFileName(fileName);
        throw;
    }
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
        BuildIndex(ReadEntries(options));
    } catch (...) {
        Clear();
        throw;
    }
}

// Validates every entry and returns where each key element starts, in file order.
std::vector<std::uint32_t> TDIAnsiStringHash::ReadEntries(int options)
{
    TStreamReader reader(arena_);
    ReadStreamHeader(reader, options);
    const std::uint32_t count = reader.ReadUnsigned();
    std::vector<std::uint32_t> elements;
    // Each entry takes at least two tag bytes, which bounds what a forged count can reserve.
    elements.reserve(std::min<std::size_t>(count, reader.Remaining() / 2));
    for (std::uint32_t i = 0; i < count; ++i) {
        elements.push_back(std::uint32_t(reader.Position()));
        reader.SkipString();
        reader.SkipString();
    }
    // Whatever follows the last entry is not ours; do not keep a large tail alive.
    const std::size_t used = reader.Position();
    if (arena_.size() - used > arena_.size() / 8) {
        arena_.resize(used);
        arena_.shrink_to_fit();
    }
    return elements;
}

void TDIAnsiStringHash::BuildIndex(const std::vector<std::uint32_t> &elements)
{
    const std::size_t n = elements.size();
    slots_.assign(std::bit_ceil(n + n / 2 + 1), Slot{0, 0});
    count_ = 0;
    for (const std::uint32_t element : elements) {
        const std::string_view key = ElementAt(element);
        const std::uint64_t hash = HashOf(key);
        Slot &slot = ProbeFor(key, hash);
        if (slot.element == 0) {
            slot.hash = std::uint32_t(hash >> 32);
            ++count_;
        }
        slot.element = element; // a later duplicate shadows the earlier entry
    }
}

// The slot that holds key, or the empty slot where it belongs. The table always has room.
const TDIAnsiStringHash::Slot &TDIAnsiStringHash::ProbeFor(std::string_view key,
                                                           std::uint64_t hash) const
{
    const std::size_t mask = slots_.size() - 1;
    const auto upper = std::uint32_t(hash >> 32);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = slots_[i];
        if (slot.element == 0 || (slot.hash == upper && ElementAt(slot.element) == key))
            return slot;
    }
}

TDIAnsiStringHash::Slot &TDIAnsiStringHash::ProbeFor(std::string_view key, std::uint64_t hash)
{
    return const_cast<Slot &>(std::as_const(*this).ProbeFor(key, hash));
}

// Decodes a string element that the loader has already validated.
std::string_view TDIAnsiStringHash::ElementAt(std::uint32_t offset) const
{
    const auto *p = reinterpret_cast<const unsigned char *>(arena_.data()) + offset;
    const unsigned tag = p[0];
    if (tag == 29 || tag == 34)
        return {reinterpret_cast<const char *>(p + 1), 0};
    const unsigned width = tag - 29;
    std::uint32_t length = 0;
    for (unsigned i = 0; i < width; ++i)
        length |= std::uint32_t(p[1 + i]) << (8 * i);
    return {reinterpret_cast<const char *>(p + 1 + width), length};
}

std::string_view TDIAnsiStringHash::Lookup(std::string_view key) const
{
    if (slots_.empty())
        return {};
    const Slot &slot = ProbeFor(key, HashOf(key));
    if (slot.element == 0)
        return {};
    const std::string_view stored = ElementAt(slot.element);
    return ElementAt(std::uint32_t(stored.data() + stored.size() - arena_.data()));
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
    slots_ = std::vector<Slot>();
    count_ = 0;
}
