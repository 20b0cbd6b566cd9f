// The token table chooser: whatever it picks, every text must come back unchanged and smaller.
#include "TokenChooser.h"
#include "DataCompressor.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::vector<std::string> Corpus(bool everyByte)
{
    std::vector<std::string> texts;
    for (int i = 0; i < 300; ++i)
        texts.push_back("a member of the genus Canis;dog^B:the dog barked all night " +
                        std::to_string(i % 17));
    if (everyByte) { // no byte value is left free: tokens must take over rare ones
        std::string all;
        for (int b = 1; b < 256; ++b)
            all += char(b);
        texts.push_back(all);
    }
    return texts;
}

TEST(TokenChooserTest, TokensRoundTripAndShrinkTheTexts)
{
    for (bool everyByte : {false, true}) {
        SCOPED_TRACE(everyByte ? "every byte used" : "free byte values");
        const std::vector<std::string> texts = Corpus(everyByte);
        const TTokenChooser::TTokens tokens = TTokenChooser(texts).Choose();
        ASSERT_FALSE(tokens.empty());
        EXPECT_EQ(tokens, TTokenChooser(texts).Choose()); // same sources, same table
        std::set<unsigned char> codes;
        for (const auto &[code, text] : tokens) {
            EXPECT_NE(code, 0);
            EXPECT_NE(code, '/');
            EXPECT_TRUE(codes.insert(code).second) << int(code);
            EXPECT_TRUE(!text.empty() && text.size() <= 255);
        }
        TDataCompressor compressor;
        compressor.SetTokens(tokens);
        std::size_t raw = 0, packed = 0;
        for (const std::string &text : texts) {
            const std::string bytes = compressor.Compress(text);
            std::size_t pos = 0;
            EXPECT_EQ(compressor.Expand(reinterpret_cast<const std::uint8_t *>(bytes.data()),
                                        bytes.size(), pos),
                      text);
            raw += text.size() + 1;
            packed += bytes.size();
        }
        EXPECT_LT(packed * 4, raw);
    }
}

} // namespace
