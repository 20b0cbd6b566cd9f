#include "TextUtils.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> SplitOn(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = text.find(separator, begin);
        parts.push_back(text.substr(begin, end == std::string_view::npos ? end : end - begin));
        if (end == std::string_view::npos)
            return parts;
        begin = end + 1;
    }
}

std::string ToLowerAscii(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), LowerAscii);
    return out;
}

bool HasUpperAscii(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

bool IsAllCapitals(std::string_view text)
{
    const auto upper =
        std::count_if(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    return upper >= 2 &&
           std::none_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

bool HasDigitOrDot(std::string_view text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return c == '.' || (c >= '0' && c <= '9'); });
}

std::string CapitaliseParts(std::string_view word)
{
    std::string out(word);
    bool pending = true;
    for (char &c : out) {
        if (c == '-')
            pending = true;
        else if (pending && c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 32);
            pending = false;
        } else if (c >= 'A' && c <= 'Z')
            pending = false;
    }
    return out;
}

std::string ReplaceAll(std::string text, char from, char to)
{
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

std::string CollapseSpaces(std::string_view text)
{
    std::string out;
    bool blank = false;
    for (const char c : Trim(text)) {
        if (IsBlank(c)) {
            blank = true;
            continue;
        }
        if (blank)
            out.push_back(' ');
        blank = false;
        out.push_back(c);
    }
    return out;
}

bool AlphaLess(std::string_view a, std::string_view b)
{
    const auto folded = [](char x, char y) { return LowerAscii(x) < LowerAscii(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded))
        return false;
    return a < b;
}

std::string ReadWholeFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return std::move(buffer).str();
}
