#include "PanelFixture.h"

#include "ListBox.h"
#include "ResultsMemo.h"
#include "frmNearRhymes.h"

class NearRhymesPanelTest : public PanelFixture
{
protected:
    void WriteLists(bool withNearData)
    {
        WriteList(QStringLiteral("rdict.dat"), {{"love", "AH V"},
                                                {"AH V", "above#love"},
                                                {"enough", "AH F"},
                                                {"AH F", "enough#bluff"}});
        if (withNearData)
            WriteList(QStringLiteral("near.dat"), {{"AH V", "love@10#above@20"},
                                                   {"AH F", "enough@10#bluff@50"},
                                                   {"AH Z", "does@10"},
                                                   {"@1", "AH V#AH F#AH Z"}});
    }
};

TEST_F(NearRhymesPanelTest, ShowsNearRhymesBestFirstInBothStyles)
{
    struct TCase
    {
        bool list;
        bool withNearData;
        QString word;
        QStringList shown;
    };
    const TCase cases[] = {
        {false, true, "Love!", {"enough", "bluff", "does"}},
        {true, true, "love", {"enough", "bluff", "does"}},
        {true, true, "zzzq", {}},
        {false, false, "love", {}}, // no near.dat: empty, no error
    };
    for (const TCase &c : cases) {
        WriteLists(c.withNearData);
        if (!c.withNearData)
            QFile::remove(dir.file(QStringLiteral("near.dat")));
        UseListStyle(c.list);
        auto panel = Shown(new TfrmNearRhymes(nullptr, 1));
        Dict().SetWord(c.word);
        if (c.list)
            EXPECT_EQ(Rows(panel->lbNearRhymes()), c.shown) << c.word.toStdString();
        else
            EXPECT_EQ(panel->mData()->toPlainText(), c.shown.join(QStringLiteral(", ")))
                << c.word.toStdString();
        Dict().SetWord(QString());
    }
}
