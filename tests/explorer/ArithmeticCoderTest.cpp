#include "ArithmeticCoder.h"
#include "DataCompressor.h"
#include "LexError.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct TModelCase
{
    const char *name;
    const TLexModel &model;
    int stop;
};

// Every model, with symbol strings long and short, skewed and uniform, several to a stream; the
// decoder must get them back whatever bytes follow the code, and the re-encoded length must
// match what the encoder wrote.
TEST(ArithmeticCoder, RoundTripsEveryModelWhateverFollows)
{
    const TModelCase cases[] = {{"types", LexModels::PointerTypes(), LexModels::PointerTypeStop},
                                {"numbers", LexModels::WordNumbers(), -1},
                                {"counts", LexModels::Counts(), 0},
                                {"key", LexModels::Key(), 0}};
    std::mt19937 random(7);
    for (const TModelCase &c : cases) {
        for (int trial = 0; trial < 300; ++trial) {
            const int symbols = c.model.symbols;
            std::vector<int> first, second;
            const int length = int(random() % (trial % 10 == 0 ? 200 : 12));
            for (int i = 0; i < length; ++i) {
                int s = trial % 2 ? int(random() % symbols) : int(random() % 3);
                if (s == c.stop)
                    s = (s + 1) % symbols;
                first.push_back(s);
            }
            for (int i = 0; i < 2 * length; ++i)
                second.push_back(int(random() % LexModels::WordNumbers().symbols));
            std::vector<int> coded = first;
            if (c.stop >= 0)
                coded.push_back(c.stop);
            const int initial = c.stop >= 0 ? c.stop : 0;
            const std::vector<TCodedString> strings = {{&c.model, initial, coded},
                                                       {&LexModels::WordNumbers(), ' ', second}};
            std::vector<std::uint8_t> bytes = EncodeStrings(strings);
            const std::size_t length0 = bytes.size();
            ASSERT_EQ(CodeLength(strings), length0);
            for (int tail = 0; tail < 6; ++tail)
                bytes.push_back(std::uint8_t(trial % 2 ? 0xFF : random()));
            TArithmeticDecoder decoder(bytes.data(), bytes.size());
            std::vector<int> got, gotSecond;
            if (c.stop >= 0)
                ASSERT_TRUE(decoder.DecodeUntil(c.model, initial, c.stop, 10000, got));
            else
                decoder.DecodeCount(c.model, first.size(), got);
            decoder.DecodeCount(LexModels::WordNumbers(), second.size(), gotSecond);
            ASSERT_EQ(got, first) << c.name << " trial " << trial;
            ASSERT_EQ(gotSecond, second) << c.name << " trial " << trial;
        }
    }
}

TEST(ArithmeticCoder, GarbageDecodesWithinTheBufferAndStopsAtTheLimit)
{
    std::mt19937 random(3);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<std::uint8_t> bytes(random() % 9);
        for (auto &b : bytes)
            b = std::uint8_t(random());
        TArithmeticDecoder decoder(bytes.data(), bytes.size());
        std::vector<int> symbols;
        decoder.DecodeUntil(LexModels::Counts(), 0, 0, 5, symbols);
        EXPECT_LE(symbols.size(), 5u);
        for (int s : symbols)
            EXPECT_TRUE(s >= 1 && s <= 128);
    }
}

TEST(ArithmeticCoder, BlockKeysKeepTheFirstTwoCodeBytes)
{
    const std::vector<std::uint8_t> code =
        EncodeStrings({{&LexModels::Key(), 0, {'D' - '/', 'O' - '/', 'G' - '/', 0}}});
    ASSERT_GE(code.size(), 2u);
    EXPECT_EQ(BlockKey("DOG"), code[0] | code[1] << 8);
    EXPECT_NE(BlockKey("DOG"), BlockKey("CAT"));
    EXPECT_THROW(BlockKey("dog"), ELexError);
}

TEST(DataCompressor, CompressedTextExpandsBackIncludingSlashesAndTokenBytes)
{
    TDataCompressor tokens;
    tokens.SetTokens({{0x80, " the "}, {0x81, "ing"}, {'Q', "Qu"}});
    const std::string texts[] = {"",
                                 "walking the dog",
                                 "a/b//c",
                                 "Q and \x80 and \x81 literal",
                                 "the the  the ",
                                 std::string(300, 'x') + " the "};
    for (const std::string &text : texts) {
        const std::string packed = tokens.Compress(text);
        std::size_t pos = 0;
        EXPECT_EQ(tokens.Expand(reinterpret_cast<const std::uint8_t *>(packed.data()),
                                packed.size(), pos),
                  text);
        EXPECT_EQ(pos, packed.size());
    }
    EXPECT_LT(tokens.Compress("walking the dog").size(), std::string("walking the dog").size());
}

TEST(DataCompressor, DamagedTablesAndTextsAreErrors)
{
    TDataCompressor tokens;
    // One entry of length 255 with only three bytes of it left before the end.
    const std::uint8_t table[] = {1, 0, 0, 0, 0x80, 255, 'a', 'b', 'c'};
    std::size_t pos = 0;
    try {
        tokens.LoadTable(table, sizeof table, pos);
        FAIL();
    } catch (const ELexError &e) {
        EXPECT_STREQ(e.what(), "Invalid token table");
    }
    const std::uint8_t huge[] = {0, 1, 0, 0};
    pos = 0;
    EXPECT_THROW(tokens.LoadTable(huge, sizeof huge, pos), ELexError);
    const std::uint8_t open[] = {'a', 'b', '/'};
    pos = 0;
    EXPECT_THROW(tokens.Expand(open, sizeof open, pos), ELexError);
}

} // namespace
