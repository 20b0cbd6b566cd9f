#include "CrossReferences.h"
#include "DefinitionHighlighter.h"
#include "DictProtocol.h"
#include "DictServers.h"
#include "UrlTemplate.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace DP = DictProtocol;

TEST(AnswerReading, VerdictTellsFoundFromRefusedAndBrokenOff)
{
    struct Case
    {
        QByteArray answer;
        DP::TVerdict verdict;
        const char *status;
    };
    const Case cases[] = {
        {"220 hi\r\n150 1 found\r\n151 \"a\" wn \"W\"\r\ntext\r\n.\r\n250 ok\r\n",
         DP::TVerdict::Found, "250 ok"},
        {"152 1 match\r\nwn \"a\"\r\n.\r\n250 ok\r\n", DP::TVerdict::Found, "250 ok"},
        {"220 hi\r\n552 no match\r\n", DP::TVerdict::NotFound, "552 no match"},
        {"220 hi\r\n250 ok\r\n", DP::TVerdict::NotFound, "250 ok"},
        {"220 hi\r\n551 invalid strategy\r\n", DP::TVerdict::ServerError, "551 invalid strategy"},
        {"550 invalid database\r\n", DP::TVerdict::ServerError, "550 invalid database"},
        {"530 access denied\r\n", DP::TVerdict::ServerError, "530 access denied"},
        {"421 going down\r\n", DP::TVerdict::ServerError, "421 going down"},
        // A definition that quotes a status code, then the answer breaks off.
        {"151 \"a\" wn \"W\"\r\n552 is a number\r\nhalf a li", DP::TVerdict::Incomplete, ""},
        {"220 hi\r\n", DP::TVerdict::Incomplete, ""},
        {"", DP::TVerdict::Incomplete, ""},
    };
    for (const Case &c : cases) {
        QString status = QStringLiteral("unset");
        EXPECT_EQ(DP::Verdict(c.answer, &status), c.verdict) << c.answer.constData();
        EXPECT_EQ(status, QString::fromLatin1(c.status)) << c.answer.constData();
    }
}

TEST(AnswerReading, LinesThatAreNotUtf8AreReadAsWindows1252)
{
    struct Case
    {
        QByteArray line;
        QString text;
    };
    const Case cases[] = {
        {"caf\xc3\xa9", QString::fromUtf8("café")},
        {"caf\xe9", QString::fromUtf8("café")},
        {"\x93quoted\x94 \x80 5", QString::fromUtf8("“quoted” € 5")},
        {"\x81\x8d", QString(QChar(0x81)) + QChar(0x8d)}, // undefined in the code page: kept
        {"\xef\xbb\xbf"
         "x",
         QString(QChar(0xfeff)) + QLatin1Char('x')},
        {"\xc3", QString(QChar(0xc3))}, // a cut sequence
    };
    for (const Case &c : cases)
        EXPECT_EQ(DP::DecodeLine(c.line), c.text) << c.line.toHex().constData();
    // Each line on its own: a Latin-1 line does not spoil the UTF-8 one after it.
    EXPECT_EQ(DP::FormatResponse("151 \"x\" wn \"W\"\r\nna\xefve\r\nna\xc3\xafve\r\n.\r\n"),
              QString::fromUtf8("\"x\" wn \"W\"\nnaïve\nnaïve\n\n"));
}

TEST(AnswerReading, MatchesGiveEachWordOnce)
{
    EXPECT_EQ(DP::ParseMatches("220 hi\r\n152 3 matches\r\ngcide \"receive\"\r\nwn \"receive\"\r\n"
                               "wn \"relieve\"\r\n.\r\n250 ok\r\n"),
              QStringList({"receive", "relieve"}));
    EXPECT_TRUE(DP::ParseMatches("552 no match\r\n").isEmpty());
    EXPECT_EQ(DP::SuggestionCommands(QStringLiteral("a\"b"), true),
              QList<QByteArray>({"MATCH * . \"a\\\"b\"\r\n", "MATCH * lev \"a\\\"b\"\r\n"}));
    EXPECT_EQ(DP::SuggestionCommands(QStringLiteral("x"), false).size(), 1);
}

TEST(AnswerReading, CrossReferencesAndMatchLines)
{
    struct Case
    {
        const char *line;
        QStringList words;
        int firstStart;
    };
    const Case cases[] = {
        {"   Syn: {Affection}, {fondness}.", {"Affection", "fondness"}, 8},
        {"See {Love apple}, under {Apple}.", {"Love apple", "Apple"}, 4},
        {"a {b {c} d} e", {"c"}, 5},
        {"an open { brace", {}, -1},
        {"{} and { }", {}, -1},
        {"gcide \"receive\"", {"receive"}, 7},
        {"\"love\" gcide \"The Collaborative\"", {}, -1}, // a definition's header
        {"wn \"two words\" and more", {}, -1},
    };
    for (const Case &c : cases) {
        const std::vector<TCrossReference> refs = FindCrossReferences(QString::fromUtf8(c.line));
        QStringList words;
        for (const TCrossReference &ref : refs)
            words << ref.word;
        EXPECT_EQ(words, c.words) << c.line;
        EXPECT_EQ(refs.empty() ? -1 : refs.front().start, c.firstStart) << c.line;
        if (!refs.empty())
            EXPECT_EQ(CrossReferenceAt(refs, refs.front().end() - 1), &refs.front()) << c.line;
    }
}

TEST(AnswerReading, WebAddressesEncodeTheWordOnce)
{
    struct Case
    {
        const char *urlTemplate, *word, *url;
    };
    const Case cases[] = {
        {"http://x.org/d/%d/%s", "a&b", "http://x.org/d/%25d/a%26b"},
        {"http://x.org/%s/100%", "a b", "http://x.org/a%20b/100%25"},
        {"http://x.org/q?d=%%3A+%s", "caf\xc3\xa9", "http://x.org/q?d=%3A+caf%C3%A9"},
        {"localhost:8080/%s", "love", "http://localhost:8080/love"},
        {"127.0.0.1:8080/?q=%s", "a&b", "http://127.0.0.1:8080/?q=a%26b"},
        {"[::1]:8080/%s", "x", "http://[::1]:8080/x"},
        {"en.wiktionary.org/wiki/%s", "x", "http://en.wiktionary.org/wiki/x"},
        {"https://x.org/wiki/%s", "x", "https://x.org/wiki/x"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(WebDictionaryUrl(QString::fromUtf8(c.urlTemplate), QString::fromUtf8(c.word))
                      .toString(QUrl::FullyEncoded),
                  QString::fromUtf8(c.url))
            << c.urlTemplate;
}

namespace {

bool RedAt(const QTextDocument &document, int block, int column)
{
    const QTextBlock b = document.findBlockByNumber(block);
    for (const QTextLayout::FormatRange &range : b.layout()->formats())
        if (column >= range.start && column < range.start + range.length)
            return range.format.foreground().color() == QColor(Qt::red);
    return false;
}

} // namespace

TEST(AnswerReading, AStrayQuoteColoursNoMoreThanItsLine)
{
    struct Case
    {
        const char *text;
        int block, column;
        bool red;
    };
    const Case cases[] = {
        // gcide's diaeresis code neither opens nor closes a quote.
        {"na[\\\"i]ve love\nnext line", 0, 10, false},
        {"na[\\\"i]ve \"love\" here", 0, 12, true},
        {"na[\\\"i]ve \"love\" here", 0, 18, false},
        // dictd sends the code without its backslash.
        {"pre[\"e]minent kindness", 0, 12, false},
        // An unclosed quote ends with its line.
        {"one \"open\nsecond line", 0, 6, true},
        {"one \"open\nsecond line", 1, 2, false},
        {"one \"open\nsecond \"quoted\" line", 1, 9, true},
        {"one \"open\nsecond \"quoted\" line", 1, 17, false},
    };
    for (const Case &c : cases) {
        QTextDocument document;
        TDefinitionHighlighter highlighter(&document);
        document.setPlainText(QString::fromUtf8(c.text));
        highlighter.rehighlight(); // a new highlighter's first pass is queued
        EXPECT_EQ(RedAt(document, c.block, c.column), c.red)
            << c.text << " @" << c.block << ':' << c.column;
    }
}

TEST(AnswerReading, BracketsRunOverLinesButNotPastAParagraph)
{
    QTextDocument document;
    TDefinitionHighlighter highlighter(&document);
    document.setPlainText(QStringLiteral("[Etym: from\nLatin] plain {open\n\nnew paragraph"));
    highlighter.rehighlight();
    const auto italic = [&](int block, int column) {
        for (const QTextLayout::FormatRange &range :
             document.findBlockByNumber(block).layout()->formats())
            if (column >= range.start && column < range.start + range.length)
                return range.format.fontItalic();
        return false;
    };
    const auto underlined = [&](int block, int column) {
        for (const QTextLayout::FormatRange &range :
             document.findBlockByNumber(block).layout()->formats())
            if (column >= range.start && column < range.start + range.length)
                return range.format.fontUnderline();
        return false;
    };
    EXPECT_TRUE(italic(1, 2));      // "Latin", inside the bracket begun a line before
    EXPECT_FALSE(italic(1, 8));     // "plain"
    EXPECT_TRUE(underlined(1, 15)); // the open brace's run
    EXPECT_FALSE(underlined(3, 2)); // the next paragraph
}
