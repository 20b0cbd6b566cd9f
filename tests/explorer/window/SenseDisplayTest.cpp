// What the definitions pane is given for real senses of the built cz.lex.
#include "SenseDisplay.h"
#include "LexDatabase.h"
#include "Synset.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

const QString LexFile = QStringLiteral(TOLVANE_APP_DIR "/cz.lex");

const TSenseDisplay *Find(const std::vector<TSenseDisplay> &list, const char *definitionStart)
{
    for (const TSenseDisplay &s : list)
        if (s.Definition.startsWith(QLatin1String(definitionStart)))
            return &s;
    return nullptr;
}

TEST(SenseDisplayTest, DogHeadingsNumbersAndExamples)
{
    ASSERT_TRUE(QFile::exists(LexFile)) << "build the data first";
    TLexDatabase db;
    db.SetFileName(LexFile.toStdString());
    db.Lookup("dog");
    const std::vector<TSenseDisplay> list = SenseDisplay::Build(db, "dog");
    ASSERT_EQ(list.size(), db.Query().Senses().size());
    ASSERT_TRUE(list.front().StartsHeading);
    EXPECT_EQ(list.front().Heading, QLatin1String("Noun: dog"));
    EXPECT_FALSE(list.front().Pronunciation.isEmpty());
    EXPECT_TRUE(list.front().PronunciationHint.contains(QLatin1String("Key: ")));

    struct Case
    {
        const char *definition; // its start, first letter upper-cased
        int number;             // counted under its heading
        const char *examples;   // as shown: only those naming the word unless the sense has one
        const char *hint;       // the sense's other words
    };
    const Case cases[] = {
        {"A member of the genus Canis", 1, "\"the dog barked all night\"",
         "domestic dog\nCanis familiaris"},
        {"A dull unattractive", 2, "\"she's a real dog\"", "frump"},
        {"Informal term for a man", 3, "\"you lucky dog\"", ""},
        {"Metal supports for logs", 7, "", "andiron\nfiredog\ndog-iron"},
        {"Go after with the intent to catch", 1, "\"the dog chased the rabbit\"", nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.definition);
        const TSenseDisplay *s = Find(list, c.definition);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->Number, c.number);
        EXPECT_EQ(s->Examples, QLatin1String(c.examples));
        if (c.hint) {
            EXPECT_EQ(s->NumberHint, QLatin1String(c.hint));
        }
        EXPECT_EQ(db.Query().Senses()[std::size_t(s->SenseIndex)]->Gloss.substr(0, 5),
                  QString(c.definition).toLower().left(5).toStdString());
    }
    const TSenseDisplay *verb = Find(list, "Go after with the intent to catch");
    EXPECT_TRUE(verb->StartsHeading);
    EXPECT_TRUE(verb->Heading.startsWith(QLatin1String("Verb: dog (")));
    EXPECT_EQ(verb->PartOfSpeech, 1);
}

TEST(SenseDisplayTest, ListWordsKeepOnlyTheirWord)
{
    struct Case
    {
        TSynsetWord word;
        const char *shown;
        const char *plain;
    };
    const Case cases[] = {
        {{"dog", 0}, "dog", "dog"},
        {{"bugger", 1u << 10}, "bugger [vulgar]", "bugger"},
        {{"bright", 1u << 1}, "bright", "bright"}, // regional labels stay off the list
        {{"ran*", 0}, "ran*", "ran"},
    };
    for (const Case &c : cases) {
        const QString shown = SenseDisplay::ListText(c.word);
        EXPECT_EQ(shown, QLatin1String(c.shown));
        EXPECT_EQ(SenseDisplay::PlainWord(shown), QLatin1String(c.plain));
    }
}

} // namespace
