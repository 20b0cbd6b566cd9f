#include "DIAnsiStringHash.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QFile>

#include <map>
#include <random>

namespace {

std::string Hex(std::string_view bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (!out.empty())
            out += ' ';
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

TEST(WordListWriter, EmptyWriterGivesTheTenByteFile)
{
    EXPECT_EQ(Hex(TDIWordListWriter().Bytes()), "44 49 48 43 02 01 02 04 02 00");
}

TEST(WordListWriter, IntegersUseTheSmallestTag)
{
    const std::pair<std::int64_t, const char *> cases[] = {
        {0, "02 00"},
        {127, "02 7F"},
        {128, "03 80"},
        {255, "03 FF"},
        {256, "05 00 01"},
        {32767, "05 FF 7F"},
        {32768, "06 00 80"},
        {65535, "06 FF FF"},
        {65536, "08 00 00 01"},
        {(1 << 23) - 1, "08 FF FF 7F"},
        {1 << 23, "09 00 00 80"},
        {(1 << 24) - 1, "09 FF FF FF"},
        {1 << 24, "0B 00 00 00 01"},
        {2147483647, "0B FF FF FF 7F"},
        {2147483648, "0C 00 00 00 80"},
        {4294967295, "0C FF FF FF FF"},
        {-1, "01 FF"},
        {-128, "01 80"},
        {-129, "04 7F FF"},
        {-32768, "04 00 80"},
        {-32769, "07 FF 7F FF"},
        {-(1 << 23), "07 00 00 80"},
        {-(1 << 23) - 1, "0A FF FF 7F FF"},
        {-2147483648, "0A 00 00 00 80"},
    };
    for (const auto &[value, hex] : cases) {
        std::string out;
        TDIWordListWriter::AppendInteger(out, value);
        EXPECT_EQ(Hex(out), hex) << value;
    }
    std::string out;
    EXPECT_THROW(TDIWordListWriter::AppendInteger(out, 4294967296), std::out_of_range);
    EXPECT_THROW(TDIWordListWriter::AppendInteger(out, -2147483649), std::out_of_range);
}

TEST(WordListWriter, StringLengthsUseTheFewestBytes)
{
    const std::pair<std::size_t, const char *> cases[] = {
        {0, "1D"},
        {1, "1E 01"},
        {255, "1E FF"},
        {256, "1F 00 01"},
        {65535, "1F FF FF"},
        {65536, "20 00 00 01"},
        {16777216, "21 00 00 00 01"},
    };
    for (const auto &[length, hex] : cases) {
        std::string out;
        TDIWordListWriter::AppendString(out, std::string(length, 'x'));
        ASSERT_EQ(out.size(), length + std::string_view(hex).size() / 3 + 1);
        EXPECT_EQ(Hex(std::string_view(out).substr(0, out.size() - length)), hex) << length;
    }
}

TEST(WordListWriter, OneEntryFileLayout)
{
    TDIWordListWriter writer;
    writer.Add("cat", "");
    EXPECT_EQ(writer.Count(), 1u);
    EXPECT_EQ(Hex(writer.Bytes()), "44 49 48 43 02 01 02 04 02 01 1E 03 63 61 74 1D");
}

TEST(WordListWriter, RandomRoundTrip)
{
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> shortLength(0, 12);
    std::uniform_int_distribution<int> longLength(0, 700);
    TDIWordListWriter writer;
    std::map<std::string, std::string> expected;
    for (int i = 0; i < 3000; ++i) {
        std::string key(std::size_t(shortLength(rng)), '\0');
        for (char &c : key)
            c = static_cast<char>(byte(rng) % 4 == 0 ? byte(rng) : 'a' + byte(rng) % 3);
        std::string value(std::size_t(i % 50 == 0 ? longLength(rng) : shortLength(rng)), '\0');
        for (char &c : value)
            c = static_cast<char>(byte(rng));
        writer.Add(key, value);
        expected[key] = value; // short keys over a small alphabet repeat: last one wins
    }
    TDIAnsiStringHash list;
    list.LoadFromBytes(writer.Bytes());
    ASSERT_LT(expected.size(), writer.Count());
    EXPECT_EQ(list.Count(), expected.size());
    for (const auto &[key, value] : expected)
        ASSERT_EQ(list.Lookup(key), value) << Hex(key);
    EXPECT_EQ(list.Lookup("not a key, too long"), "");
}

TEST(WordListWriter, SaveToFileWritesTheBytes)
{
    TempDir dir;
    TDIWordListWriter writer;
    writer.Add("love", "dove#glove");
    writer.SaveToFile(dir.file("rdict.dat"));
    const QByteArray saved = dir.read("rdict.dat");
    EXPECT_EQ(std::string(saved.constData(), std::size_t(saved.size())), writer.Bytes());
    TDIAnsiStringHash list;
    list.LoadFromFile(dir.file("rdict.dat"));
    EXPECT_EQ(list.Lookup("love"), "dove#glove");
}

TEST(WordListWriter, FailedSaveThrows)
{
    TempDir dir;
    EXPECT_THROW(TDIWordListWriter().SaveToFile(dir.file("no/such/folder/x.dat")),
                 std::runtime_error);
    dir.write("taken/inside.txt", "x");
    EXPECT_THROW(TDIWordListWriter().SaveToFile(dir.file("taken")), std::runtime_error);
    EXPECT_EQ(dir.read("taken/inside.txt"), "x");
}

} // namespace
