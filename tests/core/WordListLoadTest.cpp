#include "DIAnsiStringHash.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

std::string Raw(std::initializer_list<int> bytes)
{
    std::string out;
    for (const int b : bytes)
        out.push_back(static_cast<char>(b));
    return out;
}

// Magic, version 1, item size 4: the canonical start of every file.
const std::string kHeader = Raw({0x44, 0x49, 0x48, 0x43, 0x02, 0x01, 0x02, 0x04});

std::string Entry(std::string_view key, std::string_view value)
{
    std::string out;
    TDIWordListWriter::AppendString(out, key);
    TDIWordListWriter::AppendString(out, value);
    return out;
}

std::string SmallFile()
{
    return kHeader + Raw({0x02, 0x03}) + Entry("love", "l_AH1_V") +
           Entry("l_AH1_V", "dove#glove#") + Entry("", "nothing");
}

TEST(WordListLoad, TenByteFileIsAnEmptyList)
{
    TDIAnsiStringHash list;
    list.LoadFromBytes(kHeader + Raw({0x02, 0x00}));
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.Lookup("love"), "");
    EXPECT_EQ(list.Lookup(""), "");
}

TEST(WordListLoad, LooksUpExactBytesOnly)
{
    TDIAnsiStringHash list;
    list.LoadFromBytes(kHeader + Raw({0x02, 0x03}) + Entry("cat", "T200") +
                       Entry("caf\xc3\xa9", "x") + Entry(std::string("a\0b", 3), "nul"));
    EXPECT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.Lookup("cat"), "T200");
    EXPECT_EQ(list.Lookup("Cat"), "");
    EXPECT_EQ(list.Lookup("cat "), "");
    EXPECT_EQ(list.Lookup("ca"), "");
    EXPECT_EQ(list.Lookup("caf\xc3\xa9"), "x");
    EXPECT_EQ(list.Lookup(std::string_view("a\0b", 3)), "nul");
    EXPECT_EQ(list.Lookup("a"), "");
}

TEST(WordListLoad, LastDuplicateWins)
{
    TDIAnsiStringHash list;
    list.LoadFromBytes(kHeader + Raw({0x02, 0x04}) + Entry("cat", "1") + Entry("dog", "d") +
                       Entry("cat", "2") + Entry("dog", ""));
    EXPECT_EQ(list.Lookup("cat"), "2");
    EXPECT_EQ(list.Lookup("dog"), "");
    EXPECT_EQ(list.Count(), 2u);
}

TEST(WordListLoad, EmptyKeyFromEitherEmptyTag)
{
    for (const int tag : {29, 34}) {
        TDIAnsiStringHash list;
        list.LoadFromBytes(kHeader + Raw({0x02, 0x01, tag, 30, 3}) + "val");
        EXPECT_EQ(list.Lookup(""), "val") << "tag " << tag;
    }
    TDIAnsiStringHash list;
    list.LoadFromBytes(kHeader + Raw({0x02, 0x01, 30, 1, 'k', 34}));
    EXPECT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.Lookup("k"), "");
}

TEST(WordListLoad, AcceptsWiderTagsThanNeeded)
{
    const std::string body = Entry("a", "1") + Entry("b", "2") + Entry("c", "3");
    const std::string variants[] = {
        kHeader + Raw({0x05, 0x03, 0x00}) + body,             // count as tag 5
        kHeader + Raw({0x0C, 0x03, 0x00, 0x00, 0x00}) + body, // count as tag 12
        Raw({'D', 'I', 'H', 'C', 0x0B, 1, 0, 0, 0, 0x08, 4, 0, 0, 0x02, 3}) + body,
        Raw({'D', 'I', 'H', 'C', 0x03, 1, 0x03, 4, 0x02, 3}) + body, // tag 3 zero-extends
        kHeader +
            Raw({0x02, 0x03, 33, 1, 0, 0, 0, 'a', 31, 1, 0, '1', 32, 1, 0, 0, 'b', 30, 1, '2'}) +
            Entry("c", "3"),
    };
    for (const std::string &bytes : variants) {
        TDIAnsiStringHash list;
        list.LoadFromBytes(bytes);
        EXPECT_EQ(list.Count(), 3u);
        EXPECT_EQ(list.Lookup("a"), "1");
        EXPECT_EQ(list.Lookup("b"), "2");
        EXPECT_EQ(list.Lookup("c"), "3");
    }
}

TEST(WordListLoad, IgnoresBytesAfterTheLastEntry)
{
    TDIAnsiStringHash list;
    list.LoadFromBytes(kHeader + Raw({0x02, 0x01}) + Entry("a", "1") + Raw({0xFF, 0x00, 13}) +
                       std::string(1000, '\x21'));
    EXPECT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.Lookup("a"), "1");
}

struct TBadFile
{
    const char *name;
    std::string bytes;
    const char *message;
    bool containerError; // EContainerError rather than EStreamError

    friend void PrintTo(const TBadFile &bad, std::ostream *os) { *os << bad.name; }
};

class WordListReject : public testing::TestWithParam<TBadFile>
{
};

TEST_P(WordListReject, FailsWithTheExactMessageAndKeepsNothing)
{
    const TBadFile &bad = GetParam();
    TDIAnsiStringHash list;
    list.LoadFromBytes(SmallFile());
    ASSERT_EQ(list.Count(), 3u);
    try {
        list.LoadFromBytes(bad.bytes);
        FAIL() << "loaded";
    } catch (const EContainerError &e) {
        EXPECT_TRUE(bad.containerError);
        EXPECT_STREQ(e.what(), bad.message);
    } catch (const EStreamError &e) {
        EXPECT_FALSE(bad.containerError);
        EXPECT_STREQ(e.what(), bad.message);
    }
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.Lookup("love"), "");
}

const char kFormat[] = "Class TDIItemHandler: Invalid stream format";
const char kRead[] = "Stream read error";
const char kElement[] = "Invalid Element Type";

INSTANTIATE_TEST_SUITE_P(
    Files, WordListReject,
    testing::Values(
        TBadFile{"BadMagic", "DIHX" + kHeader.substr(4) + Raw({2, 0}), kFormat, true},
        TBadFile{"Version2", Raw({'D', 'I', 'H', 'C', 2, 2, 2, 4, 2, 0}), kFormat, true},
        TBadFile{"Version0", Raw({'D', 'I', 'H', 'C', 2, 0, 2, 4, 2, 0}), kFormat, true},
        TBadFile{"ItemSize8", Raw({'D', 'I', 'H', 'C', 2, 1, 2, 8, 2, 0}),
                 "Class TDIAnsiStringHash: Invalid ItemSize (8)", true},
        TBadFile{"ItemSizeMinus1", Raw({'D', 'I', 'H', 'C', 2, 1, 1, 0xFF, 2, 0}),
                 "Class TDIAnsiStringHash: Invalid ItemSize (-1)", true},
        // Negative tags lay the bytes over all ones: 04 00 as tag 4 is 0xFFFF0004.
        TBadFile{"ItemSizeSignExtended", Raw({'D', 'I', 'H', 'C', 2, 1, 4, 4, 0, 2, 0}),
                 "Class TDIAnsiStringHash: Invalid ItemSize (-65532)", true},
        TBadFile{"ItemSizeFull32Bit", Raw({'D', 'I', 'H', 'C', 2, 1, 10, 0xFF, 0xFF, 0xFF, 0x7F}),
                 "Class TDIAnsiStringHash: Invalid ItemSize (2147483647)", true},
        TBadFile{"VersionTag0", Raw({'D', 'I', 'H', 'C', 0, 1, 2, 4, 2, 0}), kElement, false},
        TBadFile{"VersionTag13", Raw({'D', 'I', 'H', 'C', 13, 1, 2, 4, 2, 0}), kElement, false},
        TBadFile{"VersionNegativeTag", Raw({'D', 'I', 'H', 'C', 1, 1, 2, 4, 2, 0}), kElement,
                 false},
        TBadFile{"ItemSizeTag12", Raw({'D', 'I', 'H', 'C', 2, 1, 12, 4, 0, 0, 0, 2, 0}), kElement,
                 false},
        TBadFile{"CountTag35", kHeader + Raw({35, 0}), kElement, false},
        TBadFile{"KeyTag0", kHeader + Raw({2, 1, 0}), kElement, false},
        TBadFile{"KeyTag13", kHeader + Raw({2, 1, 13, 1}), kElement, false},
        TBadFile{"KeyTag35", kHeader + Raw({2, 1, 35}), kElement, false},
        TBadFile{"KeyTag28", kHeader + Raw({2, 1, 28}), kElement, false},
        TBadFile{"ValueTag2", kHeader + Raw({2, 1, 29, 2, 0}), kElement, false},
        TBadFile{"EmptyInput", "", kRead, false},
        TBadFile{"CutInEntry", kHeader + Raw({2, 2}) + Entry("cat", "1") + Raw({30, 3, 'd'}), kRead,
                 false},
        TBadFile{"HugeCount", kHeader + Raw({12, 0xFF, 0xFF, 0xFF, 0xFF}) + Entry("a", "b"), kRead,
                 false},
        TBadFile{"HugeLength", kHeader + Raw({2, 1, 33, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b'}), kRead,
                 false},
        TBadFile{"LengthOnePastEnd", kHeader + Raw({2, 1, 30, 3, 'a', 'b'}), kRead, false}),
    [](const testing::TestParamInfo<TBadFile> &info) { return std::string(info.param.name); });

TEST(WordListLoad, EveryTruncationFailsCleanly)
{
    const std::string file = SmallFile();
    for (std::size_t cut = 0; cut < file.size(); ++cut) {
        TDIAnsiStringHash list;
        list.LoadFromBytes(file);
        try {
            list.LoadFromBytes(std::string_view(file).substr(0, cut));
            ADD_FAILURE() << "loaded when cut at " << cut;
        } catch (const EStreamError &e) {
            EXPECT_STREQ(e.what(), "Stream read error") << "cut at " << cut;
        }
        EXPECT_EQ(list.Count(), 0u) << "cut at " << cut;
        EXPECT_EQ(list.Lookup("love"), "") << "cut at " << cut;
    }
}

TEST(WordListLoad, OptionsSwitchOffTheirCheck)
{
    const std::string entries = Raw({2, 1}) + Entry("a", "1");
    TDIAnsiStringHash list;
    list.LoadFromBytes(Raw({'X', 'X', 'X', 'X', 2, 1, 2, 4}) + entries,
                       TDIAnsiStringHash::CheckVersion | TDIAnsiStringHash::ReadHeader);
    EXPECT_EQ(list.Lookup("a"), "1");
    list.LoadFromBytes(Raw({'D', 'I', 'H', 'C', 2, 9, 2, 4}) + entries,
                       TDIAnsiStringHash::CheckMagic | TDIAnsiStringHash::ReadHeader);
    EXPECT_EQ(list.Lookup("a"), "1");
    // Without ReadHeader the item size is not part of the stream: the count follows the version.
    list.LoadFromBytes(Raw({'D', 'I', 'H', 'C', 2, 1}) + entries,
                       TDIAnsiStringHash::CheckMagic | TDIAnsiStringHash::CheckVersion);
    EXPECT_EQ(list.Lookup("a"), "1");
    // A version is still read (and must be well formed) when it is not checked.
    EXPECT_THROW(list.LoadFromBytes(Raw({'D', 'I', 'H', 'C', 13}) + entries, 0), EStreamError);
}

TEST(WordListLoad, ValueConvertsUtf8BothWays)
{
    TDIAnsiStringHash list;
    list.LoadFromBytes(kHeader + Raw({2, 1}) + Entry("caf\xc3\xa9", "na\xc3\xafve#x"));
    EXPECT_EQ(list.Value(QStringLiteral("caf\u00e9")), QStringLiteral("na\u00efve#x"));
    EXPECT_EQ(list.Value(QStringLiteral("cafe")), QString());
}

TEST(WordListLoad, LoadsFromFile)
{
    TempDir dir;
    const std::string bytes = SmallFile();
    const QString path = dir.write("rdict.dat", QByteArray(bytes.data(), qsizetype(bytes.size())));
    TDIAnsiStringHash list;
    list.LoadFromFile(path);
    EXPECT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.Lookup("l_AH1_V"), "dove#glove#");
}

TEST(WordListLoad, FileErrorsNameTheFile)
{
    TempDir dir;
    const QString missing = dir.file("none.dat");
    TDIAnsiStringHash list;
    try {
        list.LoadFromFile(missing);
        FAIL() << "opened a missing file";
    } catch (const EFOpenError &e) {
        const QString message = QString::fromUtf8(e.what());
        EXPECT_TRUE(message.startsWith("Cannot open file \"" + missing + "\". ")) << e.what();
        EXPECT_GT(message.size(), QString("Cannot open file \"" + missing + "\". ").size());
    }
    const QString folder = dir.path() + "folder";
    dir.write("folder/inside.txt", "x");
    try {
        list.LoadFromFile(folder);
        FAIL() << "opened a folder";
    } catch (const EFOpenError &e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith("Cannot open file \"" + folder + "\". "))
            << e.what();
    }
    const QString cut = dir.write("cut.dat", QByteArray("DIHC\x02", 5));
    EXPECT_THROW(list.LoadFromFile(cut), EStreamError);
    EXPECT_EQ(list.Count(), 0u);
}

} // namespace
