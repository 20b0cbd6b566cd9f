// The word-form strings that lexbuild writes: lines that make the explorer's rules give right
// English.
#include "LexSources.h"
#include "WordNetSource.h"

#include <gtest/gtest.h>

namespace {

// The line of base in an LF-delimited list, or empty.
std::string LineOf(const std::string &list, const std::string &base)
{
    const std::size_t at = list.find('\n' + base + ',');
    if (at == std::string::npos)
        return {};
    return list.substr(at + 1, list.find('\n', at + 1) - at - 1);
}

bool HasKey(const std::string &list, const std::string &key)
{
    return list.find('\n' + key + '\n') != std::string::npos;
}

TFormSources Sources()
{
    TFormSources s;
    s.verbExc = "wrought work\nshown show\nhung hang\nmolten melt\nputting put\nbetted bet\n"
                "betting bet\nam be\nare be\nis be\nwas be\nwere be\nbeen be\n"
                "benefitted benefit\nbenefitting benefit\nhopped hop\nhopping hop\n"
                "skipped skip\nskipping skip\ngave give\ngiven give\nspat spit\nspitting spit\n"
                "co-ordinating coordinate\n";
    s.nounExc = "men man\ncamerae camera\ndui duo\nbusses bus\nchildren child\n";
    s.american = {"worked",     "showed", "shown",  "hanged",      "melted",  "benefited",
                  "benefiting", "hoped",  "hoping", "hope",        "firemen", "series",
                  "buses",      "bus",    "news",   "fireman",     "noble",   "hung",
                  "cameras",    "duos",   "busses", "coordinating"};
    s.nouns = {"Englishman", "German", "bus",  "con man",    "fireman",
               "ft",         "human",  "news", "noblewoman", "psychoanalysis",
               "reindeer",   "series", "sheep"};
    s.verbs = {"bet", "give-up the ghost", "hop-skip", "put", "read", "skip", "spit"};
    std::sort(s.nouns.begin(), s.nouns.end());
    return s;
}

TEST(FormLines, VerbLinesLeadWithTheFormEnglishUses)
{
    const std::array<std::string, 7> forms = BuildFormStrings(Sources());
    const std::pair<const char *, const char *> cases[] = {
        {"work", "work,worked,,working,works,wrought"},
        {"show", "show,showed,shown,showing,shows"},
        {"melt", "melt,melted,,melting,melts,molten"},
        {"hang", "hang,hung,,,,hanged"},
        {"put", "put,put,,putting,puts"},
        {"read", "read,read,,reading,reads"},
        {"bet", "bet,bet,,betting,bets,betted"},
        {"spit", "spit,spit,,spitting,spits,spat"},
        {"be", "be,was,been,being,is,were"},
        {"hop-skip", "hop-skip,hop-skipped,,hop-skipping,hop-skips"},
        {"give-up", "give-up,gave-up,given-up,giving-up,gives-up"},
        {"give", "give,gave,given"},
        {"coordinate", "coordinate,,,coordinating,,co-ordinating"},
        {"benefit", ""}, // regular apart from the doubling
    };
    for (const auto &[base, line] : cases)
        EXPECT_EQ(LineOf(forms[1], base), line) << base;
    const struct
    {
        const char *key;
        bool doubling, british;
    } doubling[] = {{"BENEFIT", false, true}, // benefited is the American spelling
                    {"HOP", true, false},     // hoped is another verb's
                    {"SKIP", true, false},
                    {"PUT", false, false}, // its line holds putting
                    {"BET", false, false}};
    for (const auto &d : doubling) {
        EXPECT_EQ(HasKey(forms[4], d.key), d.doubling) << d.key;
        EXPECT_EQ(HasKey(forms[5], d.key), d.british) << d.key;
    }
}

TEST(FormLines, NounLinesForCompoundsOfManAndUnchangedPlurals)
{
    const std::array<std::string, 7> forms = BuildFormStrings(Sources());
    const std::pair<const char *, const char *> cases[] = {
        {"man", "man,men"},
        {"child", "child,children"},
        {"camera", "camera,cameras,camerae"},
        {"duo", "duo,duos,dui"},
        {"fireman", "fireman,firemen"},
        {"noblewoman", "noblewoman,noblewomen"},
        {"con man", "con man,con men"},
        {"sheep", "sheep,sheep"},
        {"reindeer", "reindeer,reindeer"},
        {"series", "series,series"},
        {"news", "news,news"},
        {"psychoanalysis", "psychoanalysis,psychoanalyses"},
        {"ft", "ft,ft"},
        {"human", ""},
        {"German", ""},
        {"Englishman", ""}, // Englishmen is not listed and a name is no compound
        {"bus", "bus,buses,busses"}};
    for (const auto &[base, line] : cases)
        EXPECT_EQ(LineOf(forms[0], base), line) << base;
}

TEST(FormLines, AdverbFormsJoinTheAdjectives)
{
    TFormSources s;
    s.adjExc = "better good well\nbest good well\n";
    s.advExc = "better well\nbest well\nfarther far\ndeeper deeply\n";
    const std::array<std::string, 7> forms = BuildFormStrings(s);
    EXPECT_EQ(LineOf(forms[2], "well"), "well,better,best");
    EXPECT_EQ(LineOf(forms[2], "far"), "far,farther,");
    EXPECT_EQ(LineOf(forms[2], "deeply"), "");
}

TEST(FormLines, QuotationsKeepWhatFollowsThem)
{
    const struct
    {
        const char *gloss, *definition;
        std::vector<std::string> examples;
    } cases[] = {
        {"sparing; \"never of much consequence\"- John Galsworthy",
         "sparing",
         {"never of much consequence\" - John Galsworthy"}},
        {"self-denial; \"do something\"- William James; \"a spartan diet\"",
         "self-denial",
         {"do something\" - William James", "a spartan diet"}},
        {"a command; \"do unto them\" (Matthew 7:12)",
         "a command",
         {"do unto them\" (Matthew 7:12)"}},
        {"move fast; \"Don't run\"; \"the children ran\"  ",
         "move fast",
         {"Don't run", "the children ran"}},
        {"\"only an example\"", "", {"only an example"}},
        {"unclosed; \"an example", "unclosed", {"an example"}},
    };
    for (const auto &c : cases) {
        std::string definition;
        std::vector<std::string> examples;
        SplitGloss(c.gloss, definition, examples);
        EXPECT_EQ(definition, c.definition) << c.gloss;
        EXPECT_EQ(examples, c.examples) << c.gloss;
    }
}

} // namespace
