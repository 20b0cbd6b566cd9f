#include "AuthorNames.h"
#include "CmuDictionary.h"
#include "RhymeLineBuilder.h"

#include <gtest/gtest.h>

TEST(IsWholeVerseLine, FourWordsOrMoreNotBrokenAfterAFunctionWord)
{
    const struct
    {
        const char *line;
        bool whole;
    } cases[] = {
        {"The curfew tolls the knell of parting day,", true},
        {"And leaves the world to darkness and to me.", true},
        {"And quit.", false},
        {"Excelsior.", false},
        {"O, the night!", false},             // three words
        {"Hot summer's tanlings and", false}, // broken after "and"
        {"Such harmony is in immortal souls;", true},
        {"When I do count the clock that", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsWholeVerseLine(c.line), c.whole) << c.line;
}

TEST(ExpandAttribution, AWorkInBracketsIsTheTitleADictionaryNoteIsNot)
{
    const TLineSource lay = ExpandAttribution("Sir W. Scott [The Lay of the Last Minstrel].");
    EXPECT_EQ(lay.author, "Sir Walter Scott");
    EXPECT_EQ(lay.title, "The Lay of the Last Minstrel");
    const TLineSource note = ExpandAttribution("Sir W. Scott. [WordNet sense 1]");
    EXPECT_EQ(note.author, "Sir Walter Scott");
    EXPECT_EQ(note.title, "");
    EXPECT_EQ(ExpandAttribution("Shak. [Obs.]").author, "William Shakespeare");
}

namespace {

TGcideQuote Quote(std::vector<std::string> lines, const char *attribution)
{
    TGcideQuote quote;
    quote.ends.assign(lines.size(), 40);
    quote.lines = std::move(lines);
    quote.attribution = attribution;
    return quote;
}

} // namespace

TEST(RhymeLineBuilder, EachLineOnceAndNoneFromWritersQuotedForProse)
{
    TCmuDictionary cmu;
    cmu.Parse("\"day\": \"D EY1\",\n\"away\": \"AH0 W EY1\",\n\"way\": \"W EY1\",\n");
    std::vector<TGcideQuote> quotes = {
        Quote({"The curfew tolls the knell of parting day,", "The plowman homeward plods away."},
              "Gray."),
        Quote({"THE CURFEW TOLLS THE KNELL OF PARTING DAY!", "And so."}, "Gray (Elegy)."),
    };
    // A writer quoted for prose 29 times in 30: the one quotation that looks like verse is
    // prose cut at capitals.
    for (int i = 0; i < 29; ++i)
        quotes.push_back(Quote({"this is a prose quotation of his"}, "Gibbon."));
    quotes.push_back(
        Quote({"The Roman legions marched along the way", "And Rome went on its way"}, "Gibbon."));
    TRhymeLineBuilder builder(cmu);
    builder.AddQuotes(quotes);
    EXPECT_EQ(builder.LineCount(), 2u);
    const TRhymeLineBuilder::TEntries entries = builder.Entries();
    EXPECT_EQ(entries.at("EY"), "1@The curfew tolls the knell of parting day,#"
                                "2@The plowman homeward plods away.");
    EXPECT_EQ(entries.at("1[P]"), "Thomas Gray@");
}
