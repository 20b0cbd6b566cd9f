#include "GcideQuotes.h"
#include "AuthorNames.h"

#include <gtest/gtest.h>

namespace {

// Laid out as in the dictionary: definitions at 3 or 6 columns, quotations deeper, authors
// right-aligned at column 50, prose quotations filled up to column 64.
const char *const kEntry = "Abide \\A*bide\"\\, v. t.\n"
                           "   1. To wait for; to be prepared for; to await. --Tennyson.\n"
                           "      [1913 Webster]\n"
                           "\n"
                           "            Bonds and afflictions abide me.    --Acts xx. 23.\n"
                           "      [1913 Webster]\n"
                           "\n"
                           "            I saw, I saw him manifest in view,\n"
                           "            His voice, his figure, and his gesture knew.\n"
                           "                                                  --Dryden.\n"
                           "      [1913 Webster]\n"
                           "\n"
                           "         Aboon the pass of Bally-Brough,\n"
                           "         Bright the night and ['e]ke the day.     --Sir W.\n"
                           "                                                  Scott.\n"
                           "   [1913 Webster]\n"
                           "\n"
                           "            Lysicles was a little by the affirmative air of\n"
                           "            Crito.                                --Berkeley.\n"
                           "      [1913 Webster]\n"
                           "\n"
                           "            The quotation has no closing tag.      --Milton.\n"
                           "\n";

} // namespace

TEST(GcideQuotes, FindsQuotationsWithTheirAuthorsAcrossWrappedLines)
{
    const std::vector<TGcideQuote> quotes = ExtractGcideQuotes(kEntry);
    ASSERT_EQ(quotes.size(), 4u);
    EXPECT_EQ(quotes[0].lines, std::vector<std::string>{"Bonds and afflictions abide me."});
    EXPECT_EQ(quotes[0].attribution, "Acts xx. 23.");
    EXPECT_EQ(quotes[1].lines.size(), 2u);
    EXPECT_EQ(quotes[1].lines[1], "His voice, his figure, and his gesture knew.");
    EXPECT_EQ(quotes[1].attribution, "Dryden.");
    EXPECT_EQ(quotes[2].lines[1], "Bright the night and ['e]ke the day.");
    EXPECT_EQ(quotes[2].attribution, "Sir W. Scott.");
    EXPECT_EQ(quotes[3].attribution, "Berkeley.");
}

TEST(GcideQuotes, TellsVerseFromProse)
{
    const std::vector<TGcideQuote> quotes = ExtractGcideQuotes(kEntry);
    ASSERT_EQ(quotes.size(), 4u);
    EXPECT_FALSE(IsVerseQuote(quotes[0])); // a single line
    EXPECT_TRUE(IsVerseQuote(quotes[1]));
    EXPECT_TRUE(IsVerseQuote(quotes[2]));
    EXPECT_FALSE(IsVerseQuote(quotes[3])); // filled to the margin, broken after "of"
}

TEST(GcideQuotes, ProseWithLowerCaseContinuationsIsNotVerse)
{
    TGcideQuote quote;
    quote.lines = {"To be, or not to be,", "that is the question."};
    quote.ends = {32, 32};
    EXPECT_FALSE(IsVerseQuote(quote));
    quote.lines = {"\"To be, or not to be:", "[That] is the question."};
    EXPECT_TRUE(IsVerseQuote(quote));
}

TEST(StripGcideMarkup, TurnsCharacterCodesIntoLetters)
{
    EXPECT_EQ(StripGcideMarkup("pre[\"e]minent ['e]clat [ae]on c[oe]lum fa[,c]ade"),
              "pre\u00ebminent \u00e9clat \u00e6on c\u0153lum fa\u00e7ade");
    EXPECT_EQ(StripGcideMarkup("['E]tude, [`a] la, se[~n]or"), "\u00c9tude, \u00e0 la, se\u00f1or");
    EXPECT_EQ(StripGcideMarkup("n[=a]me, c[a^]t"), "name, cat");
}

TEST(StripGcideMarkup, KeepsEditorialWordsAndTidiesSpacing)
{
    EXPECT_EQ(StripGcideMarkup("[Thou] shalt abide {her}   judgment"),
              "Thou shalt abide her judgment");
    EXPECT_EQ(StripGcideMarkup("How now, my lord ! why do you keep alone ?"),
              "How now, my lord! why do you keep alone?");
    EXPECT_EQ(StripGcideMarkup("Never such a power . . ."), "Never such a power . . .");
}

TEST(ExpandAttribution, GivesFullNames)
{
    EXPECT_EQ(ExpandAttribution("Shak.").author, "William Shakespeare");
    EXPECT_EQ(ExpandAttribution("Beau. & Fl.").author, "Beaumont and Fletcher");
    EXPECT_EQ(ExpandAttribution("Sir W.  Scott.").author, "Sir Walter Scott");
    EXPECT_EQ(ExpandAttribution("MIlton.").author, "John Milton"); // a misprint in the source
    const TLineSource unknown = ExpandAttribution("Lauson.");
    EXPECT_EQ(unknown.author, "Lauson");
    EXPECT_EQ(unknown.title, "");
    EXPECT_FALSE(unknown.excluded);
}

TEST(ExpandAttribution, FindsTitles)
{
    const TLineSource comus = ExpandAttribution("Milton (Comus).");
    EXPECT_EQ(comus.author, "John Milton");
    EXPECT_EQ(comus.title, "Comus");
    const TLineSource hudibras = ExpandAttribution("Hudibras.");
    EXPECT_EQ(hudibras.author, "Samuel Butler");
    EXPECT_EQ(hudibras.title, "Hudibras");
    EXPECT_EQ(ExpandAttribution("Webster (1607).").title, ""); // a year names no work
    const TLineSource play = ExpandAttribution("King Henry VIII., Act iii. sc. 2 (Shakespeare)");
    EXPECT_EQ(play.author, "William Shakespeare");
    EXPECT_EQ(play.title, "King Henry VIII.");
}

TEST(ExpandAttribution, ReadsBibleReferences)
{
    const TLineSource psalm = ExpandAttribution("Ps. cxxxix. 6.");
    EXPECT_EQ(psalm.author, "The Bible");
    EXPECT_EQ(psalm.title, "Psalms cxxxix. 6");
    EXPECT_EQ(ExpandAttribution("Mark xv. 15.").title, "Mark xv. 15");
}

TEST(ExpandAttribution, ExcludesRecentSongLyrics)
{
    EXPECT_TRUE(ExpandAttribution("Lieber & Stoller (Poison Ivy: song lyrics, 1994)").excluded);
    EXPECT_TRUE(ExpandAttribution("Yakety-Yak (Song)").excluded);
    EXPECT_FALSE(ExpandAttribution("Burns.").excluded);
}
