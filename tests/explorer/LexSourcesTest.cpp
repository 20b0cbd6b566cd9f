#include "LexSources.h"
#include "LexBuild.h"
#include "WordNetSource.h"

#include <gtest/gtest.h>

namespace {

TEST(LexSources, PronunciationCodesMarkTheStressedSyllable)
{
    const std::pair<const char *, const char *> cases[] = {
        {"L AH1 V", "l\xFAv"},
        {"AH0 B AH1 V", "u'b\xFAv"},
        {"S T R IH1 NG", "striN"},
        {"K AA1 N S T R AH0 K T", "'k\xE4nstrukt"},
        {"K AH0 N S T R AH1 K T", "kun'str\xFAkt"},
        {"IH2 N F ER0 M EY1 SH AH0 N", "`infR'mASun"},
        {"B AH1 T ER0", "'b\xFAtR"},
        {"X Y1", ""}};
    for (const auto &[arpabet, codes] : cases)
        EXPECT_EQ(PronunciationCodes(arpabet), codes) << arpabet;
}

TEST(LexSources, GlossesSplitIntoDefinitionAndExamples)
{
    std::string definition;
    std::vector<std::string> examples;
    SplitGloss("move fast; \"Don't run\"; \"the children ran\"  ", definition, examples);
    EXPECT_EQ(definition, "move fast");
    EXPECT_EQ(examples, (std::vector<std::string>{"Don't run", "the children ran"}));
    SplitGloss("(usually followed by `to') having the means; \"able to swim\"", definition,
               examples);
    EXPECT_EQ(definition, "(usually followed by `to') having the means");
    EXPECT_EQ(examples, std::vector<std::string>{"able to swim"});
    SplitGloss("a plain definition", definition, examples);
    EXPECT_TRUE(examples.empty());
}

TEST(LexSources, FormStringsFromTheExceptionLists)
{
    TFormSources s;
    s.verbExc = "ran run\nrunning run\nstopped stop\nstopping stop\ntravelled travel\n"
                "sang sing\nsung sing\nwent go\ngone go\ngoes go\n";
    s.nounExc = "children child\n";
    s.adjExc = "better good\nbest good\n";
    s.american = {"traveled", "faster", "fastest", "happier", "happiest"};
    s.adjectives = {"fast", "happy", "blue"};
    const std::array<std::string, 7> forms = BuildFormStrings(s);
    EXPECT_EQ(forms[0], "\nchild,children\n");
    EXPECT_EQ(forms[1], "\ngo,went,gone,,goes\nrun,ran,run,running\nsing,sang,sung\n");
    EXPECT_EQ(forms[2], "\ngood,better,best\n");
    EXPECT_EQ(forms[3], "\nFAST\nHAPPI\n");
    EXPECT_EQ(forms[4], "\nRUN\nSTOP\n");
    EXPECT_EQ(forms[5], "\nTRAVEL\n");
}

TEST(LexSources, SenseTextsCarryFlagsAndMarkTheHeadword)
{
    TWnSynset one;
    one.words = {"bright"};
    one.gloss = "emitting light";
    one.examples = {"a bright room", "brightness and bright"};
    EXPECT_EQ(TLexBuilder::SenseText(one, {0}),
              "bright:emitting light\na ^ room\nbrightness and ^");
    TWnSynset two;
    two.words = {"lorry", "truck"};
    two.gloss = "{odd} vehicle";
    two.examples = {"a lorry"};
    EXPECT_EQ(TLexBuilder::SenseText(two, {2, 0}), "lorry^B;truck: {odd} vehicle\na lorry");
    EXPECT_EQ(TLexBuilder::RelationOf("@i"), rtTypeOf);
    EXPECT_EQ(TLexBuilder::RelationOf(";r"), -1);
}

} // namespace
