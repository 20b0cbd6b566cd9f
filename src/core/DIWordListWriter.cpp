#include "DIAnsiStringHash.h"

#include <QSaveFile>

#include <limits>

namespace {

void AppendLittleEndian(std::string &out, std::uint64_t value, unsigned width)
{
    for (unsigned i = 0; i < width; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

struct TIntegerForm
{
    unsigned char tag;
    unsigned width;
};

// The smallest tag that holds value; the tags come in threes per width (negative, below the
// signed limit, up to the unsigned limit).
TIntegerForm CanonicalForm(std::int64_t value)
{
    if (value >= 0) {
        for (unsigned width = 1; width <= 4; ++width) {
            const std::int64_t bits = 8 * width;
            const auto tag = static_cast<unsigned char>(3 * width - 1);
            if (value < (std::int64_t(1) << (bits - 1)))
                return {tag, width};
            if (value < (std::int64_t(1) << bits))
                return {static_cast<unsigned char>(tag + 1), width};
        }
    } else {
        for (unsigned width = 1; width <= 4; ++width) {
            if (value >= -(std::int64_t(1) << (8 * width - 1)))
                return {static_cast<unsigned char>(3 * width - 2), width};
        }
    }
    throw std::out_of_range("Integer " + std::to_string(value) + " does not fit a word-list field");
}

} // namespace

void TDIWordListWriter::AppendInteger(std::string &out, std::int64_t value)
{
    const TIntegerForm form = CanonicalForm(value);
    out.push_back(static_cast<char>(form.tag));
    AppendLittleEndian(out, static_cast<std::uint64_t>(value), form.width);
}

void TDIWordListWriter::AppendString(std::string &out, std::string_view text)
{
    const std::uint64_t length = text.size();
    if (length == 0) {
        out.push_back(29);
        return;
    }
    if (length > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("String too long for a word-list field");
    unsigned width = 1;
    while (length >> (8 * width))
        ++width;
    out.push_back(static_cast<char>(29 + width));
    AppendLittleEndian(out, length, width);
    out.append(text);
}

void TDIWordListWriter::Add(std::string_view key, std::string_view value)
{
    entries_.emplace_back(std::string(key), std::string(value));
}

std::size_t TDIWordListWriter::Count() const
{
    return entries_.size();
}

std::string TDIWordListWriter::Bytes() const
{
    std::size_t size = 16;
    for (const auto &[key, value] : entries_)
        size += key.size() + value.size() + 10;
    std::string out;
    out.reserve(size);
    out.append("DIHC");
    AppendInteger(out, 1); // format version
    AppendInteger(out, 4); // item size
    AppendInteger(out, std::int64_t(entries_.size()));
    for (const auto &[key, value] : entries_) {
        AppendString(out, key);
        AppendString(out, value);
    }
    return out;
}

void TDIWordListWriter::SaveToFile(const QString &fileName) const
{
    const std::string bytes = Bytes();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error(QStringLiteral("Cannot create file \"%1\". %2")
                                     .arg(fileName, file.errorString())
                                     .toStdString());
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !file.commit())
        throw std::runtime_error(QStringLiteral("Cannot write file \"%1\". %2")
                                     .arg(fileName, file.errorString())
                                     .toStdString());
}
