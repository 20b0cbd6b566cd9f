#pragma once

#include "LexModels.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Static-model arithmetic encoder (32-bit registers, bits most significant first). Several
// symbol strings may go into one stream; Finish pins the interval and gives the length.
class TArithmeticEncoder
{
public:
    // Encodes symbols, the first in initialContext and each further one in its predecessor.
    void EncodeString(const TLexModel &model, int initialContext, const std::vector<int> &symbols);
    void Encode(const TLexModel &model, int context, int symbol);
    void Finish();

    // The code so far; after Finish its size is the stream's length.
    const std::vector<std::uint8_t> &Bytes() const { return bytes_; }
    std::size_t Length() const { return bitPos_ / 8 + 1; }

private:
    void WriteBit(int bit);
    void WriteWithPending(int bit);

    std::vector<std::uint8_t> bytes_;
    std::size_t bitPos_ = 0;
    std::uint32_t low_ = 0;
    std::uint32_t high_ = 0xFFFFFFFFu;
    std::uint32_t pending_ = 0;
};

// The matching decoder over a bounded buffer: bits past its end read as 0, so a damaged stream
// gives wrong symbols, never a read outside the buffer.
class TArithmeticDecoder
{
public:
    TArithmeticDecoder(const std::uint8_t *data, std::size_t size);

    int Decode(const TLexModel &model, int context);

    // Symbols from initialContext up to the stop symbol (not included); false when more than
    // limit symbols come first (a damaged stream).
    bool DecodeUntil(const TLexModel &model, int initialContext, int stop, std::size_t limit,
                     std::vector<int> &symbols);
    void DecodeCount(const TLexModel &model, std::size_t count, std::vector<int> &symbols);

private:
    int NextBit();

    const std::uint8_t *data_;
    std::size_t size_;
    std::size_t bitPos_ = 0;
    std::uint32_t low_ = 0;
    std::uint32_t high_ = 0xFFFFFFFFu;
    std::uint32_t code_ = 0;
};

// The length in bytes of the code of these strings (each with its initial context, encoded
// into one stream): how a reader learns where a decoded stream ended.
struct TCodedString
{
    const TLexModel *model;
    int initialContext;
    std::vector<int> symbols;
};
std::size_t CodeLength(const std::vector<TCodedString> &strings);
std::vector<std::uint8_t> EncodeStrings(const std::vector<TCodedString> &strings);

// The two-byte block key of a search key: low byte = first code byte, high byte = second.
std::uint16_t BlockKey(const std::string &searchKey);
