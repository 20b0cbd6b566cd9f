#include "Latin1Text.h"

#include <algorithm>

namespace {

constexpr char32_t Replacement = 0xFFFD;

bool IsSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// The length of the sequence led by byte b, 0 when b cannot lead one.
int SequenceLength(unsigned char b)
{
    return b < 0x80                 ? 1
           : b >= 0xC2 && b <= 0xDF ? 2
           : b >= 0xE0 && b <= 0xEF ? 3
           : b >= 0xF0 && b <= 0xF4 ? 4
                                    : 0;
}

} // namespace

std::string Latin1Text::ToUtf8(std::string_view latin1)
{
    std::string out;
    out.reserve(latin1.size());
    for (const char c : latin1) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += char(0xC0 | (b >> 6));
            out += char(0x80 | (b & 0x3F));
        }
    }
    return out;
}

std::u32string Latin1Text::Decode(std::string_view utf8)
{
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const int length = SequenceLength(static_cast<unsigned char>(utf8[i]));
        char32_t c = length == 1 ? char32_t(utf8[i]) : char32_t(utf8[i]) & (0x7F >> length);
        bool valid = length > 0 && i + std::size_t(length) <= utf8.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + std::size_t(k)]);
            valid = (next & 0xC0) == 0x80;
            c = c << 6 | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are broken too.
        valid = valid && !(length == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) &&
                !(length == 4 && (c < 0x10000 || c > 0x10FFFF));
        out += valid ? c : Replacement;
        i += valid ? std::size_t(length) : 1;
    }
    return out;
}

std::string Latin1Text::FromUtf8Trimmed(std::string_view utf8)
{
    const std::u32string text = Decode(utf8);
    const auto first = std::find_if_not(text.begin(), text.end(), IsSpace);
    const auto last = std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), IsSpace);
    std::string out;
    for (auto it = first; it != last.base(); ++it)
        out += *it <= 0xFF ? std::string(1, char(*it)) : *it > 0xFFFF ? "??" : "?";
    return out;
}
