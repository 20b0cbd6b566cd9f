#include "WordListTsv.h"

#include <cstdint>
#include <stdexcept>

std::string EscapeTsvField(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (const char c : field) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

std::string UnescapeTsvField(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char next = i + 1 < field.size() ? field[i + 1] : 0;
        const char decoded = next == '\\'  ? '\\'
                             : next == 't' ? '\t'
                             : next == 'n' ? '\n'
                             : next == 'r' ? '\r'
                                           : 0;
        if (field[i] == '\\' && decoded) {
            out.push_back(decoded);
            ++i;
        } else {
            out.push_back(field[i]);
        }
    }
    return out;
}

TWordListEntries ParseTsv(std::string_view text)
{
    TWordListEntries entries;
    std::size_t begin = 0, number = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(begin, end - begin);
        begin = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            throw std::runtime_error("line " + std::to_string(number) + " has no tab");
        entries.emplace_back(UnescapeTsvField(line.substr(0, tab)),
                             UnescapeTsvField(line.substr(tab + 1)));
    }
    return entries;
}

namespace {

// Reads the canonical stream elements of a word-list file.
class TElementReader
{
public:
    explicit TElementReader(std::string_view bytes) : bytes_(bytes) {}

    void Skip(std::size_t n) { Take(n); }

    std::uint32_t Integer()
    {
        const unsigned tag = Byte();
        if (tag < 1 || tag > 12)
            throw std::runtime_error("unexpected element in word list");
        return Little((tag + 2) / 3);
    }

    std::string_view String()
    {
        const unsigned tag = Byte();
        if (tag == 29 || tag == 34)
            return {};
        if (tag < 30 || tag > 33)
            throw std::runtime_error("unexpected element in word list");
        return Take(Little(tag - 29));
    }

private:
    unsigned Byte() { return static_cast<unsigned char>(Take(1)[0]); }

    std::uint32_t Little(unsigned width)
    {
        const std::string_view b = Take(width);
        std::uint32_t value = 0;
        for (unsigned i = 0; i < width; ++i)
            value |= std::uint32_t(static_cast<unsigned char>(b[i])) << (8 * i);
        return value;
    }

    std::string_view Take(std::size_t n)
    {
        if (n > bytes_.size() - pos_)
            throw std::runtime_error("word list ends early");
        const std::string_view out = bytes_.substr(pos_, n);
        pos_ += n;
        return out;
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

} // namespace

TWordListEntries DecodeWordList(std::string_view bytes)
{
    TElementReader reader(bytes);
    reader.Skip(4);   // magic
    reader.Integer(); // version
    reader.Integer(); // item size
    const std::uint32_t count = reader.Integer();
    TWordListEntries entries;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string key(reader.String());
        entries.emplace_back(std::move(key), std::string(reader.String()));
    }
    return entries;
}
