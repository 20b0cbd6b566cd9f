#include "SpellTokens.h"
#include "TextLinks.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {
// The words of a line, the ones the checker leaves alone in brackets.
QStringList Words(const QString &line)
{
    QStringList words;
    for (const TWordToken &token : SpellTokens(line)) {
        const QString word = line.mid(token.start, token.length);
        words << (token.checked ? word : QLatin1Char('[') + word + QLatin1Char(']'));
    }
    return words;
}

QStringList Links(const QString &line)
{
    QStringList links;
    for (const TTextLink &link : FindLinks(line))
        links << line.mid(link.start, link.length);
    return links;
}
} // namespace

TEST(SpellTokens, InnerApostrophesJoinAWordOuterOnesDoNot)
{
    EXPECT_EQ(Words(QStringLiteral("Don't weep o'er 'tis lovers' graves")),
              QStringList({"Don't", "weep", "o'er", "tis", "lovers", "graves"}));
    EXPECT_EQ(Words(QStringLiteral("o\u2019er the hills\u2019")),
              QStringList({"o\u2019er", "the", "hills"}));
    EXPECT_EQ(SpellingForm(u"o\u2019er"), QStringLiteral("o'er"));
    EXPECT_EQ(Words(QStringLiteral("well-known--rock''n")),
              QStringList({"well", "known", "rock", "n"}));
}

TEST(SpellTokens, DigitsCapitalsAndAddressesAreNotChecked)
{
    EXPECT_EQ(Words(QStringLiteral("the 2nd verse of MP3s at 10am")),
              QStringList({"the", "[2nd]", "verse", "of", "[MP3s]", "at", "[10am]"}));
    EXPECT_EQ(Words(QStringLiteral("NASA said OK, McCartney I")),
              QStringList({"[NASA]", "said", "[OK]", "McCartney", "[I]"}));
    EXPECT_EQ(Words(QStringLiteral("see www.exmple.org or mail bob@exmple.com now")),
              QStringList({"see", "[www]", "[exmple]", "[org]", "or", "mail", "[bob]", "[exmple]",
                           "[com]", "now"}));
}

TEST(SpellTokens, AccentsAndCombiningMarksStayInTheWord)
{
    EXPECT_EQ(Words(QStringLiteral("caf\u00e9 nai\u0308ve")),
              QStringList({"caf\u00e9", "nai\u0308ve"}));
}

TEST(SpellTokens, DamagedTextGivesOnlyWholeTokens)
{
    QString line = QStringLiteral("ab");
    line += QChar(0);
    line += QChar(0xD800); // a lone surrogate
    line += QStringLiteral("cd\x01\x7f'e'");
    for (const TWordToken &token : SpellTokens(line)) {
        EXPECT_GE(token.start, 0);
        EXPECT_LE(token.end(), line.size());
    }
    EXPECT_EQ(Words(line), QStringList({"ab", "cd", "e"}));
    EXPECT_TRUE(SpellTokens(QString()).empty());
}

TEST(TextLinks, KindsAndWhatOpeningThemAsksFor)
{
    const QString line = QStringLiteral("http://a.org/x www.b.com bob@c.net news:comp.lang "
                                        "file:///tmp/a.txt ftp://d.org mailto:e@f.org");
    const std::vector<TTextLink> links = FindLinks(line);
    ASSERT_EQ(links.size(), 7u);
    const TLinkKind kinds[] = {TLinkKind::Web,  TLinkKind::Web,   TLinkKind::Email, TLinkKind::News,
                               TLinkKind::File, TLinkKind::Other, TLinkKind::Email};
    for (size_t i = 0; i < links.size(); ++i)
        EXPECT_EQ(links[i].kind, kinds[i]) << i;
    EXPECT_EQ(links[0].target, QStringLiteral("http://a.org/x"));
    EXPECT_EQ(links[1].target, QStringLiteral("http://www.b.com"));
    EXPECT_EQ(links[2].target, QStringLiteral("mailto:bob@c.net"));
    EXPECT_EQ(links[6].target, QStringLiteral("mailto:e@f.org"));
    EXPECT_EQ(LinkAt(links, links[2].start + 3), &links[2]);
    EXPECT_EQ(LinkAt(links, links[2].end()), nullptr);
}

TEST(TextLinks, SentencePunctuationAndBracketsAroundAnAddressAreLeftOut)
{
    EXPECT_EQ(
        Links(QStringLiteral("Read http://a.org/page. Then (see www.b.com), or \"http://c.org\"!")),
        QStringList({"http://a.org/page", "www.b.com", "http://c.org"}));
    EXPECT_EQ(Links(QStringLiteral("http://en.wikipedia.org/wiki/Ode_(poetry)")),
              QStringList({"http://en.wikipedia.org/wiki/Ode_(poetry)"}));
    EXPECT_EQ(Links(QStringLiteral("<bob@c.net>; user@localhost; a@b.c")),
              QStringList({"bob@c.net", "a@b.c"}));
}

TEST(TextLinks, SchemesWithNothingAfterThemAndPlainVerseAreNotLinks)
{
    EXPECT_TRUE(Links(QStringLiteral("http:// and www. and news:. and mailto:")).isEmpty());
    EXPECT_TRUE(Links(QStringLiteral("Time: the end. Note:nothing here")).isEmpty());
    EXPECT_TRUE(Links(QStringLiteral("Shall I compare thee to a summer's day?")).isEmpty());
}
