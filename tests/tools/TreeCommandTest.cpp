#include "TolvaneCli.h"

#include "../components/ThesaurusFiles.h"
#include "MTStream.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <sstream>

namespace {

class TreeCommandTest : public ::testing::Test
{
protected:
    TreeCommandTest()
    {
        WriteThesaurus(
            dir, QStringLiteral("thesaurus"),
            {{"bright", {"(adj)|shining|vivid|radiant (similar term)", "(adv)|brightly"}},
             {"shining", {"(adj)|gleaming|lustrous|glossy"}},
             {"brightly", {"(adv)|brightly|clearly"}}});
    }
    int Run(const QStringList &args)
    {
        out.str({});
        err.str({});
        TTolvaneCli cli(dir.path(), out, err);
        return cli.Run(QStringList{QStringLiteral("tree")} + args);
    }
    // The outline printed, read back as a tree: "level:text" per node.
    QStringList ReadBack() const
    {
        QBuffer in;
        in.setData(QByteArray::fromStdString(out.str()));
        in.open(QIODevice::ReadOnly);
        TMTNodes nodes;
        ReadOutline(nodes, in, false);
        QStringList shape;
        for (int i = 0; i < nodes.Count(); ++i)
            shape << QStringLiteral("%1:%2").arg(nodes.Item(i)->Level()).arg(nodes.Item(i)->Text());
        return shape;
    }

    TempDir dir;
    std::ostringstream out, err;
};

} // namespace

TEST_F(TreeCommandTest, PrintsTheTwoGenerationsAsAnOutline)
{
    EXPECT_EQ(Run({QStringLiteral("Bright!")}), 0);
    EXPECT_EQ(out.str().rfind("#\r\nLevel=0\r\nText=bright\r\nColor=0x0080FF\r\n", 0), 0u);
    EXPECT_EQ(ReadBack(), (QStringList{"0:bright", "1:shining", "2:gleaming", "2:lustrous",
                                       "2:glossy", "1:vivid", "1:radiant"}));
    EXPECT_EQ(Run({QStringLiteral("bright"), QStringLiteral("--levels"), QStringLiteral("1"),
                   QStringLiteral("2")}),
              0);
    EXPECT_EQ(ReadBack(), (QStringList{"0:bright", "1:shining", "2:gleaming", "2:lustrous"}));
    EXPECT_EQ(
        Run({QStringLiteral("--context"), QStringLiteral("brightly"), QStringLiteral("bright")}),
        0);
    EXPECT_EQ(ReadBack(), (QStringList{"0:bright", "1:brightly", "2:clearly"}));
}

TEST_F(TreeCommandTest, LimitsComeFromTheSettingsAndStemsStandIn)
{
    dir.write(QStringLiteral("settings.ini"),
              "[HyperbolicThesaurus]\r\nHyperTreeVisualLevel1=2\r\nHyperTreeVisualLevel2=1\r\n");
    EXPECT_EQ(Run({QStringLiteral("brights")}), 0);
    EXPECT_EQ(ReadBack(), (QStringList{"0:bright", "1:shining", "2:gleaming", "1:vivid"}));
}

TEST_F(TreeCommandTest, UnknownWordsAndBadArgumentsFail)
{
    EXPECT_EQ(Run({QStringLiteral("zebra")}), 1);
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(Run({QStringLiteral("bright"), QStringLiteral("--context"), QStringLiteral("dim")}),
              2);
    EXPECT_NE(err.str().find("shining, brightly"), std::string::npos);
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({QStringLiteral("bright"), QStringLiteral("--levels"), QStringLiteral("x"),
                   QStringLiteral("2")}),
              2);
    EXPECT_NE(err.str().find("--levels"), std::string::npos);
}

TEST(TreeCommandRealDataTest, AnInflectedWordGrowsTheTreeOfItsBaseForm)
{
    std::ostringstream out, err;
    TTolvaneCli cli(QStringLiteral(TOLVANE_APP_DIR "/"), out, err);
    EXPECT_EQ(cli.Run({QStringLiteral("tree"), QStringLiteral("caught")}), 0);
    EXPECT_EQ(out.str().find("Text=catch\r\n"), out.str().find("Text="));
}

TEST(TreeCommandRealDataTest, AContextIsPickedByNumberOrByName)
{
    const std::pair<QString, const char *> cases[] = {
        {QStringLiteral("8"), "Text=reverberant\r\n"}, // the second "brilliant"
        {QStringLiteral("brilliant"), "Text=vivid\r\n"},
        {QStringLiteral("2"), "Text=vivid\r\n"},
    };
    for (const auto &[context, expected] : cases) {
        std::ostringstream out, err;
        TTolvaneCli cli(QStringLiteral(TOLVANE_APP_DIR "/"), out, err);
        EXPECT_EQ(cli.Run({QStringLiteral("tree"), QStringLiteral("bright"),
                           QStringLiteral("--context"), context}),
                  0)
            << err.str();
        EXPECT_NE(out.str().find(expected), std::string::npos) << context.toStdString();
    }
    std::ostringstream out, err;
    TTolvaneCli cli(QStringLiteral(TOLVANE_APP_DIR "/"), out, err);
    EXPECT_EQ(cli.Run({QStringLiteral("tree"), QStringLiteral("bright"),
                       QStringLiteral("--context"), QStringLiteral("13")}),
              2);
    EXPECT_NE(err.str().find("1 to 12"), std::string::npos);
}
