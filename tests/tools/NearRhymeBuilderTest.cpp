#include "NearRhymeBuilder.h"

#include "TempDir.h"

#include <gtest/gtest.h>

TEST(NearRhymeBuilder, GroupsCommonestFirstAndIndexedByVowels)
{
    TNearRhymeBuilder builder;
    builder.AddLevels("love\nenough\nstuff\n", 35);
    builder.AddLevels("love\r\n  dove \n", 10); // the smaller level wins; lines trimmed
    const TNearRhymeBuilder::TEntries rdict = {
        {"love", "AH V"},
        {"AH V", "above#dove#love"},
        {"AH V[P]", "labor of love"},
        {"AH F", "enough#stuff#bluff"},
        {"EH V ER", "ever#never"},
        {"ZZ", "oddity"}, // no vowel: nothing to align
    };
    const TNearRhymeBuilder::TEntries expected = {
        {"@1", "AH F#AH V"},
        {"@2", "EH V ER"},
        {"AH F", "enough@35#stuff@35#bluff@99"},
        {"AH V", "dove@10#love@10#above@99"},
        {"EH V ER", "ever@99#never@99"},
    };
    EXPECT_EQ(builder.Entries(rdict), expected);
}

TEST(NearRhymeBuilder, LevelsFromTheWordListFolder)
{
    TempDir dir;
    dir.write("english-words.10", "time\n");
    dir.write("english-words.50", "time\nthyme\n");
    dir.write("american-words.35", "color\n");
    dir.write("english-proper-names.10", "thyme\n"); // names do not count
    dir.write("english-words.70.txt", "color\n");    // nor other files
    TNearRhymeBuilder builder;
    builder.LoadLevels(dir.path().toStdString());
    struct TCase
    {
        const char *word;
        int level;
    };
    for (const TCase &c : {TCase{"time", 10}, TCase{"thyme", 50}, TCase{"color", 35},
                           TCase{"colour", TNearRhymeBuilder::kUnlisted}})
        EXPECT_EQ(builder.LevelOf(c.word), c.level) << c.word;
    EXPECT_THROW(builder.LoadLevels(dir.file("no-such-folder").toStdString()), std::runtime_error);
}
