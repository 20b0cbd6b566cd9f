#include "WordListTsv.h"

#include "DIAnsiStringHash.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(WordListTsv, EscapesWhatWouldBreakALine)
{
    const std::string awkward = "a\tb\nc\\d\re";
    EXPECT_EQ(EscapeTsvField(awkward), "a\\tb\\nc\\\\d\\re");
    EXPECT_EQ(UnescapeTsvField(EscapeTsvField(awkward)), awkward);
    EXPECT_EQ(UnescapeTsvField("C:\\x\\"), "C:\\x\\"); // unknown escapes stay
}

TEST(WordListTsv, ParsesKeyTabValueLines)
{
    const TWordListEntries entries = ParseTsv("love\tAH V\r\n\nAH V\tlove#dove\tx\n[P]\t\n");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], (std::pair<std::string, std::string>{"love", "AH V"}));
    EXPECT_EQ(entries[1].second, "love#dove\tx"); // split at the first tab only
    EXPECT_EQ(entries[2].second, "");
}

TEST(WordListTsv, NamesTheLineWithoutATab)
{
    try {
        ParseTsv("love\tAH V\nbroken\n");
        FAIL() << "no error";
    } catch (const std::runtime_error &e) {
        EXPECT_STREQ(e.what(), "line 2 has no tab");
    }
}

TEST(WordListTsv, DecodesEntriesInFileOrderWithDuplicates)
{
    TDIWordListWriter writer;
    writer.Add("cat", "1");
    writer.Add("", std::string(300, 'x'));
    writer.Add("cat", "2");
    const TWordListEntries entries = DecodeWordList(writer.Bytes());
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].second, "1");
    EXPECT_EQ(entries[1].first, "");
    EXPECT_EQ(entries[1].second.size(), 300u);
    EXPECT_EQ(entries[2].second, "2");
    std::string cut = writer.Bytes();
    cut.resize(cut.size() - 1);
    EXPECT_THROW(DecodeWordList(cut), std::runtime_error);
}
