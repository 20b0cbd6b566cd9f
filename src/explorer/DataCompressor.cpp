#include "DataCompressor.h"

#include "LexError.h"

#include <algorithm>

TDataCompressor::TDataCompressor()
{
    Clear();
}

void TDataCompressor::Clear()
{
    for (int b = 0; b < 256; ++b)
        strings_[b] = std::string(1, char(b));
    tokens_.clear();
    isToken_.fill(false);
    for (auto &list : byFirst_)
        list.clear();
}

void TDataCompressor::SetTokens(const std::vector<std::pair<unsigned char, std::string>> &tokens)
{
    Clear();
    tokens_ = tokens;
    for (const auto &[code, text] : tokens) {
        strings_[code] = text;
        isToken_[code] = true;
    }
    for (const auto &[code, text] : tokens)
        if (!text.empty() && code != 0)
            byFirst_[static_cast<unsigned char>(text[0])].emplace_back(text, code);
    for (auto &list : byFirst_)
        std::stable_sort(list.begin(), list.end(), [](const auto &a, const auto &b) {
            return a.first.size() > b.first.size();
        });
}

void TDataCompressor::LoadTable(const std::uint8_t *data, std::size_t size, std::size_t &pos)
{
    auto need = [&](std::size_t n) {
        if (pos > size || size - pos < n)
            throw ELexError("Invalid token table");
    };
    need(4);
    const std::uint32_t count =
        data[pos] | data[pos + 1] << 8 | data[pos + 2] << 16 | std::uint32_t(data[pos + 3]) << 24;
    pos += 4;
    if (count > 256)
        throw ELexError("Invalid token table");
    std::vector<std::pair<unsigned char, std::string>> tokens;
    for (std::uint32_t i = 0; i < count; ++i) {
        need(2);
        const unsigned char code = data[pos];
        const std::size_t length = data[pos + 1];
        pos += 2;
        need(length);
        tokens.emplace_back(code, std::string(reinterpret_cast<const char *>(data + pos), length));
        pos += length;
    }
    SetTokens(tokens);
}

std::string TDataCompressor::TableBytes() const
{
    std::string out;
    const std::uint32_t count = std::uint32_t(tokens_.size());
    for (int i = 0; i < 4; ++i)
        out += char((count >> (8 * i)) & 0xFF);
    for (const auto &[code, text] : tokens_) {
        out += char(code);
        out += char(std::min<std::size_t>(text.size(), 255));
        out += text.substr(0, 255);
    }
    return out;
}

std::string TDataCompressor::Expand(const std::uint8_t *data, std::size_t size,
                                    std::size_t &pos) const
{
    std::string out;
    while (pos < size) {
        unsigned char b = data[pos++];
        if (b == 0)
            return out;
        if (b == '/') {
            if (pos >= size)
                break;
            b = data[pos++];
            if (b == 0) // an escaped terminator still ends the text
                return out;
            out += char(b);
            continue;
        }
        out += strings_[b];
    }
    throw ELexError("Unterminated text in database");
}

std::string TDataCompressor::Compress(std::string_view text) const
{
    // The shortest parse: cost[i] is the least output for text[i..], choice[i] the token taken
    // there (0 for a literal byte).
    const std::size_t n = text.size();
    std::vector<std::uint32_t> cost(n + 1, 0);
    std::vector<unsigned char> choice(n, 0);
    std::vector<std::uint8_t> length(n, 1);
    for (std::size_t i = n; i-- > 0;) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        cost[i] = cost[i + 1] + (c == '/' || isToken_[c] ? 2 : 1);
        for (const auto &[token, code] : byFirst_[c]) {
            if (token.size() > n - i || cost[i + token.size()] + 1 >= cost[i] ||
                text.compare(i, token.size(), token) != 0)
                continue;
            cost[i] = cost[i + token.size()] + 1;
            choice[i] = code;
            length[i] = std::uint8_t(token.size());
        }
    }
    std::string out;
    out.reserve(cost[0] + 1);
    for (std::size_t i = 0; i < n;) {
        if (choice[i]) {
            out += char(choice[i]);
            i += length[i];
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(text[i++]);
        if (c == '/' || isToken_[c])
            out += '/';
        out += char(c);
    }
    out += '\0';
    return out;
}
