#include "ThesaurusTree.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

const QString MythesDir = QStringLiteral("/usr/share/mythes/");

class ThesaurusTreeRealData : public ::testing::Test
{
protected:
    // The text and "level:text" of every node of the last tree whose kind is one of the two of
    // the same meaning (synonyms and similar terms).
    QStringList SameMeaning() const
    {
        QStringList words;
        for (int i = 0; i < nodes.Count(); ++i) {
            const TMTNode *node = nodes.Item(i);
            const TTermKind kind = TThesaurusTree::KindOf(*node);
            if (node->Level() > 0 && (kind == TTermKind::Synonym || kind == TTermKind::Similar))
                words << node->Text()
                      << QStringLiteral("%1:%2").arg(node->Level()).arg(node->Text());
        }
        return words;
    }
    const TMTNode *Find(const QString &text, int level) const
    {
        for (int i = 0; i < nodes.Count(); ++i)
            if (nodes.Item(i)->Text() == text && nodes.Item(i)->Level() == level)
                return nodes.Item(i);
        return nullptr;
    }
    static QStringList Texts(const TMTNode *node)
    {
        QStringList texts;
        if (node)
            for (const TMTNode *child : node->Children())
                texts << child->Text();
        return texts;
    }

    TThesaurus engine{MythesDir + "th_en_US_v2.idx", MythesDir + "th_en_US_v2.dat"};
    TThesaurusTree builder{engine};
    TMTNodes nodes;
};

} // namespace

TEST_F(ThesaurusTreeRealData, AntonymsAndGenericTermsAreNeverDrawnAsSynonyms)
{
    struct Case
    {
        const char *word;
        int context;
        TTreeLimits limits;
        QStringList notSynonyms; // each may appear, but only as what it is ("1:" at level 1)
        const char *antonym;     // one that must appear, dashed and in the antonyms' colour
    };
    const Case cases[] = {
        {"love", -1, {4, 7}, {"hate", "emotion"}, nullptr},
        {"big", -1, {200, 7}, {"small", "little"}, "small"},
        {"happy", -1, {4, 7}, {"cursed", "unhappy"}, "cursed"},
        // "proceed" is a generic term of "wander", though a synonym of "continue" further out.
        {"wander", 2, {4, 30}, {"1:proceed", "discontinue"}, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.word);
        ASSERT_TRUE(builder.Rebuild(nodes, QString::fromLatin1(c.word), -1, c.limits));
        if (c.context >= 0)
            builder.Rebuild(nodes, QString::fromLatin1(c.word), c.context, c.limits);
        for (const QString &word : c.notSynonyms)
            EXPECT_FALSE(SameMeaning().contains(word)) << word.toStdString();
        if (c.antonym) {
            const QString antonym = QString::fromLatin1(c.antonym);
            const TMTNode *node = nullptr;
            for (int i = 0; i < nodes.Count() && !node; ++i)
                if (nodes.Item(i)->Text() == antonym)
                    node = nodes.Item(i);
            ASSERT_TRUE(node) << c.antonym;
            EXPECT_EQ(TThesaurusTree::KindOf(*node), TTermKind::Antonym);
            EXPECT_TRUE(node->DashedEdge);
            EXPECT_EQ(node->Color(), KindColor(TTermKind::Antonym, node->Level()));
        }
    }
    // "wander", third meaning: "proceed (generic term)|go forward (generic term)|...".
    const TMTNode *proceed = Find(QStringLiteral("proceed"), 1);
    ASSERT_TRUE(proceed);
    EXPECT_EQ(TThesaurusTree::KindOf(*proceed), TTermKind::Generic);
    EXPECT_NE(proceed->Color(), Level1NodeColor);
}

TEST_F(ThesaurusTreeRealData, ContextsAreNamedAfterSynonymsAndTheDefaultHasSome)
{
    ASSERT_TRUE(builder.Rebuild(nodes, QStringLiteral("love"), -1, {}));
    // The first meaning lists only "emotion (generic term)" and "hate (antonym)".
    EXPECT_EQ(builder.Contexts().at(0).word, QStringLiteral("love"));
    EXPECT_EQ(builder.ShownContext(), 1);
    EXPECT_EQ(builder.Contexts().at(1).word, QStringLiteral("passion"));
    EXPECT_EQ(Texts(nodes.Root()).value(0), QStringLiteral("passion"));

    ASSERT_TRUE(builder.Rebuild(nodes, QStringLiteral("a posteriori"), -1, {}));
    for (const TThesaurusContext &context : builder.Contexts())
        EXPECT_NE(context.word, QStringLiteral("a priori"));
}

TEST_F(ThesaurusTreeRealData, SameNamedContextsArePickedByPosition)
{
    ASSERT_TRUE(builder.Rebuild(nodes, QStringLiteral("bright"), -1, {}));
    ASSERT_GE(builder.Contexts().size(), 8u);
    ASSERT_EQ(builder.Contexts()[1].word, QStringLiteral("brilliant"));
    ASSERT_EQ(builder.Contexts()[7].word, QStringLiteral("brilliant"));
    builder.Rebuild(nodes, QStringLiteral("bright"), 7, {});
    EXPECT_TRUE(Texts(nodes.Root()).contains(QStringLiteral("reverberant")));
    EXPECT_EQ(builder.ShownContext(), 7);
    builder.Rebuild(nodes, QStringLiteral("bright"), 1, {});
    EXPECT_TRUE(Texts(nodes.Root()).contains(QStringLiteral("vivid")));
    EXPECT_FALSE(Texts(nodes.Root()).contains(QStringLiteral("reverberant")));
}

TEST_F(ThesaurusTreeRealData, TheSecondGenerationStaysInTheChosenSense)
{
    struct Case
    {
        const char *root;
        const char *word;     // a level-1 word with meanings in other senses
        QStringList foreign;  // of other senses, or shown nearer the root already
        QStringList expected; // some of its words in the root's sense
    };
    const Case cases[] = {
        {"wander", "swan", {"aquatic bird", "affirm", "roll"}, {"roam"}},
        {"child", "shaver", {"man", "adult male", "electric shaver", "kid"}, {"nipper"}},
        {"happy", "golden", {"aureate", "chromatic"}, {"halcyon"}},
        {"happy", "blessed", {"holy", "happy"}, {"blest"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.root) + " -> " + c.word);
        ASSERT_TRUE(builder.Rebuild(nodes, QString::fromLatin1(c.root), -1, {}));
        const TMTNode *word = Find(QString::fromLatin1(c.word), 1);
        ASSERT_TRUE(word);
        const QStringList shown = Texts(word);
        for (const QString &foreign : c.foreign)
            EXPECT_FALSE(shown.contains(foreign)) << foreign.toStdString();
        for (const QString &expected : c.expected)
            EXPECT_TRUE(shown.contains(expected)) << expected.toStdString();
        // The root word is not repeated under its own synonyms.
        EXPECT_FALSE(shown.contains(QString::fromLatin1(c.root)));
    }
}
