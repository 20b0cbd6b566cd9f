#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The token table: every byte 1..255 stands for a string, by default the byte itself. Compressed
// text is a NUL-terminated byte string; "/" takes the next byte literally.
class TDataCompressor
{
public:
    TDataCompressor();

    void Clear();
    // Reads "count, then per entry token byte, length byte, text" from data at pos; pos moves
    // past the table. Throws ELexError when the table runs past size.
    void LoadTable(const std::uint8_t *data, std::size_t size, std::size_t &pos);
    void SetTokens(const std::vector<std::pair<unsigned char, std::string>> &tokens);
    // The stored form of the table (as LoadTable reads it).
    std::string TableBytes() const;

    // Expands the string at data[pos..]; pos moves past its NUL. Throws ELexError when the
    // terminator is missing before size.
    std::string Expand(const std::uint8_t *data, std::size_t size, std::size_t &pos) const;
    // The compressed form including the NUL; text must not contain NUL.
    std::string Compress(std::string_view text) const;

private:
    std::array<std::string, 256> strings_;
    std::vector<std::pair<unsigned char, std::string>> tokens_;
    std::array<bool, 256> isToken_{};
    // Per first byte, the tokens starting with it, longest first.
    std::array<std::vector<std::pair<std::string, unsigned char>>, 256> byFirst_;
};
