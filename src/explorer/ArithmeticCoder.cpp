#include "ArithmeticCoder.h"

#include "LexError.h"

namespace {

constexpr std::uint32_t Half = 0x80000000u;
constexpr std::uint32_t FirstQuarter = 0x40000000u;
constexpr std::uint32_t ThirdQuarter = 0xC0000000u;

} // namespace

void TArithmeticEncoder::EncodeString(const TLexModel &model, int initialContext,
                                      const std::vector<int> &symbols)
{
    int context = initialContext;
    for (int symbol : symbols) {
        Encode(model, context, symbol);
        context = symbol;
    }
}

void TArithmeticEncoder::Encode(const TLexModel &model, int context, int symbol)
{
    const std::uint16_t *q = model.Row(context);
    const std::uint64_t range = high_ - low_;
    high_ = low_ + std::uint32_t(q[symbol] * range / q[0]) - 1;
    low_ = low_ + std::uint32_t(q[symbol + 1] * range / q[0]);
    for (;;) {
        if (high_ < Half) {
            WriteWithPending(0);
        } else if (low_ >= Half) {
            WriteWithPending(1);
        } else if (low_ >= FirstQuarter && high_ < ThirdQuarter) {
            ++pending_;
            low_ -= FirstQuarter;
            high_ -= FirstQuarter;
        } else {
            break;
        }
        low_ <<= 1;
        high_ = (high_ << 1) | 1u;
    }
}

void TArithmeticEncoder::Finish()
{
    // Two bits pick a quarter that lies wholly inside the final interval, so whatever bytes
    // follow the code cannot move the decoder out of it.
    ++pending_;
    WriteWithPending(low_ < FirstQuarter ? 0 : 1);
}

void TArithmeticEncoder::WriteBit(int bit)
{
    if (bitPos_ / 8 >= bytes_.size())
        bytes_.push_back(0);
    if (bit)
        bytes_[bitPos_ / 8] |= std::uint8_t(0x80u >> (bitPos_ % 8));
    ++bitPos_;
}

void TArithmeticEncoder::WriteWithPending(int bit)
{
    WriteBit(bit);
    for (; pending_ > 0; --pending_)
        WriteBit(!bit);
}

TArithmeticDecoder::TArithmeticDecoder(const std::uint8_t *data, std::size_t size)
    : data_(data), size_(size)
{
    for (int i = 0; i < 32; ++i)
        code_ = (code_ << 1) | std::uint32_t(NextBit());
}

int TArithmeticDecoder::NextBit()
{
    const std::size_t byte = bitPos_ / 8;
    const int bit = byte < size_ ? (data_[byte] >> (7 - bitPos_ % 8)) & 1 : 0;
    ++bitPos_;
    return bit;
}

int TArithmeticDecoder::Decode(const TLexModel &model, int context)
{
    const std::uint16_t *q = model.Row(context);
    const std::uint64_t range = high_ - low_;
    std::uint64_t v = range == 0 ? 0 : ((std::uint64_t(code_ - low_) + 1) * q[0] - 1) / range;
    if (v >= q[0]) // only a damaged stream leaves code outside the interval
        v = q[0] - 1;
    int s = 1;
    while (q[s] > v)
        ++s;
    high_ = low_ + std::uint32_t(q[s - 1] * range / q[0]) - 1;
    low_ = low_ + std::uint32_t(q[s] * range / q[0]);
    for (;;) {
        if (high_ < Half) {
        } else if (low_ >= Half) {
        } else if (low_ >= FirstQuarter && high_ < ThirdQuarter) {
            low_ -= FirstQuarter;
            high_ -= FirstQuarter;
            code_ -= FirstQuarter;
        } else {
            break;
        }
        low_ <<= 1;
        high_ = (high_ << 1) | 1u;
        code_ = (code_ << 1) | std::uint32_t(NextBit());
    }
    return s - 1;
}

bool TArithmeticDecoder::DecodeUntil(const TLexModel &model, int initialContext, int stop,
                                     std::size_t limit, std::vector<int> &symbols)
{
    int context = initialContext;
    for (;;) {
        const int symbol = Decode(model, context);
        if (symbol == stop)
            return true;
        if (symbols.size() >= limit)
            return false;
        symbols.push_back(symbol);
        context = symbol;
    }
}

void TArithmeticDecoder::DecodeCount(const TLexModel &model, std::size_t count,
                                     std::vector<int> &symbols)
{
    int context = 0;
    for (std::size_t i = 0; i < count; ++i) {
        context = Decode(model, context);
        symbols.push_back(context);
    }
}

std::vector<std::uint8_t> EncodeStrings(const std::vector<TCodedString> &strings)
{
    TArithmeticEncoder encoder;
    for (const TCodedString &s : strings)
        encoder.EncodeString(*s.model, s.initialContext, s.symbols);
    encoder.Finish();
    std::vector<std::uint8_t> bytes = encoder.Bytes();
    bytes.resize(encoder.Length(), 0);
    return bytes;
}

std::size_t CodeLength(const std::vector<TCodedString> &strings)
{
    return EncodeStrings(strings).size();
}

std::uint16_t BlockKey(const std::string &searchKey)
{
    std::vector<int> symbols;
    symbols.reserve(searchKey.size() + 1);
    for (unsigned char c : searchKey) {
        const int symbol = int(c) - '/';
        if (symbol < 0 || symbol >= LexModels::KeySymbols)
            throw ELexError("Invalid search key");
        symbols.push_back(symbol);
    }
    symbols.push_back(0);
    const std::vector<std::uint8_t> code =
        EncodeStrings({{&LexModels::Key(), 0, std::move(symbols)}});
    const unsigned first = code.empty() ? 0 : code[0];
    const unsigned second = code.size() < 2 ? 0 : code[1];
    return std::uint16_t(first | (second << 8));
}
