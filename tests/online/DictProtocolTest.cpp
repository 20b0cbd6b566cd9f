#include "DictProtocol.h"
#include "DictServers.h"

#include <gtest/gtest.h>

namespace DP = DictProtocol;

TEST(DictProtocol, CommandsFollowTheSelection)
{
    struct Case
    {
        TDictQuery query;
        QByteArray command;
    };
    const Case cases[] = {
        {{"cat", "*", ""}, "DEFINE * \"cat\"\r\n"},
        {{"cat", "wn", ""}, "DEFINE wn \"cat\"\r\n"},
        {{"cat", "wn", "prefix"}, "MATCH wn prefix \"cat\"\r\n"},
        {{"cat", "", ""}, "DEFINE * \"cat\"\r\n"},
        // Nothing a word or a listed name holds can end the line or open a second command.
        {{"say \"hi\"", "*", ""}, "DEFINE * \"say \\\"hi\\\"\"\r\n"},
        {{"a\\\" \r\nQUIT", "*", ""}, "DEFINE * \"a\\\\\\\" QUIT\"\r\n"},
        {{"x", "wn\r\nSHOW DB", "lev x"}, "MATCH wnSHOWDB levx \"x\"\r\n"},
        {{QString::fromUtf8("café\tdéjà"), "*", ""},
         "DEFINE * \"caf\xc3\xa9"
         "d\xc3\xa9j\xc3\xa0\"\r\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DP::Command(c.query), c.command) << c.query.word.toStdString();
}

TEST(DictProtocol, FormattingDropsStatusLinesAndUndoesDotStuffing)
{
    const QByteArray definition = "220 dictd ready <auth.mime> <1.2@host>\r\n"
                                  "150 1 definitions retrieved\r\n"
                                  "151 \"cat\" wn \"WordNet (r) 3.0 (2006)\"\r\n"
                                  "cat\r\n"
                                  "    n 1: feline mammal\r\n"
                                  "..the end\r\n"
                                  ".\r\n"
                                  "250 ok [d/m/c = 1/0/10]\r\n";
    EXPECT_EQ(DP::FormatResponse(definition),
              QStringLiteral("\"cat\" wn \"WordNet (r) 3.0 (2006)\"\ncat\n    n 1: feline mammal\n"
                             ".the end\n\n"));
    // MATCH answers keep their 152 line; unknown codes stay too.
    EXPECT_EQ(DP::FormatResponse("152 1 matches found\r\nwn \"cat\"\r\n.\r\n250 ok\r\n"),
              QStringLiteral("152 1 matches found\nwn \"cat\"\n\n"));
    EXPECT_EQ(DP::FormatResponse("220 hello\r\n552 no match\r\n"), DP::NoDataFound());
    EXPECT_EQ(DP::FormatResponse("  \r\n"), DP::UnableToConnect());
    EXPECT_EQ(DP::FormatResponse(""), DP::UnableToConnect());
    // A line that is not UTF-8 is read as Windows-1252, the rest as sent.
    EXPECT_EQ(DP::FormatResponse("151 \"x\" gcide \"G\"\r\nna\xff\xfeve\r\n.\r\n"),
              QStringLiteral("\"x\" gcide \"G\"\nna\u00FF\u00FEve\n\n"));
}

TEST(DictProtocol, ListingsYieldNamesAndUnquotedDescriptions)
{
    const QByteArray answer = "220 hello\r\n"
                              "110 3 databases present\r\n"
                              "gcide \"The Collaborative International Dictionary\"\r\n"
                              "\r\n"
                              "wn \"WordNet (r) 3.0 (2006)\"\r\n"
                              "..dots \"Dotted\"\r\n"
                              ".\r\n"
                              "250 ok\r\n";
    const TDictListing listing = DP::ParseListing(answer, "110");
    EXPECT_EQ(listing.names, QStringList({"gcide", "wn", ".dots"}));
    EXPECT_EQ(listing.descriptions, QStringList({"The Collaborative International Dictionary",
                                                 "WordNet (r) 3.0 (2006)", "Dotted"}));
    // Another code's listing, or none, gives nothing.
    EXPECT_TRUE(DP::ParseListing(answer, "111").names.isEmpty());
    EXPECT_TRUE(DP::ParseListing("554 no databases present\r\n", "110").names.isEmpty());
}

TEST(DictProtocol, AnAnswerEndsAtItsFinalStatusOutsideText)
{
    struct Case
    {
        QByteArray answer;
        bool complete;
    };
    const Case cases[] = {
        {"220 hi\r\n150 1 found\r\n151 \"a\" wn \"W\"\r\ntext\r\n.\r\n250 ok\r\n", true},
        {"220 hi\r\n150 1 found\r\n151 \"a\" wn \"W\"\r\ntext\r\n.\r\n", false},
        // A definition line that reads like a status line does not end the answer.
        {"220 hi\r\n151 \"a\" wn \"W\"\r\n250 is a number\r\n552 too\r\n", false},
        {"220 hi\r\n552 no match\r\n", true},
        {"530 access denied\r\n", true},
        {"420 server temporarily unavailable\r\n", true},
        {"220 hi\r\n250 ok", false}, // the line has not ended yet
        {"220 hi\n110 2 databases\nwn \"W\"\n.\n250 ok\n", true},
    };
    for (const Case &c : cases) {
        TDictResponseEnd end;
        // Fed in two parts as a socket may deliver it.
        end.Feed(c.answer.left(c.answer.size() / 2));
        EXPECT_EQ(end.Feed(c.answer), c.complete) << c.answer.constData();
    }
}

TEST(DictProtocol, ServerEntries)
{
    EXPECT_EQ(TDictServer::Parse("dict.org=2628").Entry(), QStringLiteral("dict.org=2628"));
    for (const char *bad :
         {"dict.org", "dict.org=", "dict.org=99999", "dict.org=0", "=2628", "dict.org=26x"})
        EXPECT_FALSE(TDictServer::Parse(QString::fromLatin1(bad)).IsValid()) << bad;
}
