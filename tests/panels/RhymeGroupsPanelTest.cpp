// The panels look a word up in its own group and its later-stress groups, by its folded form.
#include "PanelFixture.h"

#include "ResultsMemo.h"
#include "frmPhrases.h"
#include "frmRhymeLines.h"
#include "frmRhymes.h"

class RhymeGroupsPanelTest : public PanelFixture
{
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        WriteList(QStringLiteral("rdict.dat"), {{"midnight", "ID NIGHT"},
                                                {"cafe", "AY"},
                                                {"ID NIGHT", "midnight"},
                                                {"ID NIGHT[S]", "IGHT"},
                                                {"IGHT", "night#bite#midnight"},
                                                {"IGHT[P]", "good night"},
                                                {"AY", "cafe#day"}});
        WriteList(QStringLiteral("rpoetry.dat"),
                  {{"IGHT", "4@The night is dark"}, {"4[P]", "Anon@Night Songs"}});
    }
};

TEST_F(RhymeGroupsPanelTest, EachPanelShowsTheWordsGroupThenItsLaterStressGroup)
{
    UseMode(0);
    TfrmRhymes rhymes(nullptr, 0);
    TfrmPhrases phrases(nullptr, 0);
    TfrmRhymeLines lines(nullptr, 0);
    const struct
    {
        const char *typed, *rhymes, *phrases;
        int lines;
    } cases[] = {
        {"midnight", "midnight, night, bite", "good night", 1},
        {"Midnight\"", "midnight, night, bite", "good night", 1}, // from the editor's caret
        {"café", "cafe, day", "", 0},
        {" cafe ", "cafe, day", "", 0},
        {"nothing", "", "", 0},
    };
    for (const auto &c : cases) {
        Dict().SetWord(QString::fromUtf8(c.typed));
        EXPECT_EQ(Dict().GetWord(), TDictionaryList::Normalize(QString::fromUtf8(c.typed)))
            << "the current word keeps what was typed";
        EXPECT_EQ(rhymes.mData()->toPlainText(), QString::fromUtf8(c.rhymes)) << c.typed;
        EXPECT_EQ(phrases.mData()->toPlainText(), QString::fromUtf8(c.phrases)) << c.typed;
        EXPECT_EQ(lines.Rows().Count(), c.lines) << c.typed;
    }
}
