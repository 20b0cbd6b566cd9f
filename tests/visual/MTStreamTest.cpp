#include "MTStream.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace {

QByteArray StreamOf(const TMTNodes &nodes)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    WriteNodeStream(nodes, out);
    return out.data();
}

void ReadStream(TMTNodes &nodes, const QByteArray &bytes)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    ReadNodeStream(nodes, in);
}

QByteArray OutlineOf(const TMTNodes &nodes, bool unicode)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    WriteOutline(nodes, out, unicode);
    return out.data();
}

void ReadText(TMTNodes &nodes, const QByteArray &bytes, bool unicode = false)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    ReadOutline(nodes, in, unicode);
}

// Each node as "level:text:colour:image:state", in list order.
QStringList Shape(const TMTNodes &nodes)
{
    QStringList shape;
    for (int i = 0; i < nodes.Count(); ++i) {
        const TMTNode *n = nodes.Item(i);
        shape << QStringLiteral("%1:%2:%3:%4:%5")
                     .arg(n->Level())
                     .arg(n->Text())
                     .arg(n->Color(), 0, 16)
                     .arg(n->ImageIndex())
                     .arg(n->StateIndex());
    }
    return shape;
}

// root / (a / (a1, a2), b), with colours and images of every kind.
void BuildSample(TMTNodes &nodes)
{
    TMTNode *root = nodes.Add(nullptr, QStringLiteral("bright"));
    root->SetColor(33023);
    TMTNode *a = nodes.Add(root, QStringLiteral("radiant ☀"));
    a->SetImageIndex(3);
    nodes.Add(a, QStringLiteral("a1"))->SetStateIndex(2);
    nodes.Add(a, QStringLiteral(" a2"))->SetColor(0xFF00000F);
    nodes.Add(root, QStringLiteral("b"))->SetColor(8421504);
}

std::string ErrorOf(const std::function<void()> &read)
{
    try {
        read();
    } catch (const ETreeFormatError &e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(MTStream, SingleRootIsTheKnown29Bytes)
{
    TMTNodes nodes;
    nodes.Add(nullptr, QStringLiteral("test"));
    const QByteArray expected = QByteArray::fromHex("1a000000"
                                                    "010000ff"
                                                    "00000000"
                                                    "ffffffff"
                                                    "ffffffff"
                                                    "08"
                                                    "7400650073007400");
    ASSERT_EQ(expected.size(), 29);
    EXPECT_EQ(StreamOf(nodes).toHex(), expected.toHex());

    TMTNodes read;
    read.Add(nullptr, QStringLiteral("replaced"));
    ReadStream(read, expected);
    ASSERT_EQ(read.Count(), 1);
    EXPECT_EQ(read.Root()->Text(), QStringLiteral("test"));
    EXPECT_EQ(read.Root()->Color(), clBackground);
    EXPECT_TRUE(read.Root()->Expanded());
    EXPECT_EQ(read.Root()->ImageIndex(), -1);
}

TEST(MTStream, BinaryStreamCopiesTheTreeAndCutsLongLabels)
{
    TMTNodes nodes;
    BuildSample(nodes);
    const QString longLabel = QString(126, QLatin1Char('x')) + QStringLiteral("😀tail");
    nodes.Add(nodes.Root(), longLabel);
    TMTNodes copy;
    copy.Assign(nodes);
    QStringList expected = Shape(nodes);
    // 127 units would split the emoji's surrogate pair: the cut falls before it.
    expected.last() = expected.last().replace(longLabel, QString(126, QLatin1Char('x')));
    EXPECT_EQ(Shape(copy), expected);
    EXPECT_EQ(copy.Root()->Child(0)->Count(), 2);
    // A lone surrogate is stored as U+FFFD, so the text reads back as UTF-16 every time.
    TMTNodes lone;
    lone.Add(nullptr, QStringLiteral("x") + QChar(0xDBDB));
    TMTNodes once, twice;
    once.Assign(lone);
    twice.Assign(once);
    EXPECT_EQ(once.Root()->Text(), QStringLiteral("x") + QChar(QChar::ReplacementCharacter));
    EXPECT_EQ(twice.Root()->Text(), once.Root()->Text());
    // Nothing to write without a root.
    EXPECT_TRUE(StreamOf(TMTNodes()).isEmpty());
    EXPECT_TRUE(OutlineOf(TMTNodes(), true).isEmpty());
}

TEST(MTStream, OutlineRoundTripsInBothEncodings)
{
    TMTNodes nodes;
    BuildSample(nodes);
    const QString longLabel(300, QLatin1Char('y'));
    nodes.Add(nodes.Root(), longLabel);
    for (const bool unicode : {true, false}) {
        TMTNodes read;
        ReadText(read, OutlineOf(nodes, unicode), unicode);
        EXPECT_EQ(Shape(read), Shape(nodes)) << unicode;
    }
    const QByteArray text = OutlineOf(nodes, false);
    EXPECT_TRUE(text.startsWith("#\r\nLevel=0\r\nText=bright\r\nColor=0x0080FF\r\nImage=-1\r\n"
                                "StateImage=-1\r\n#\r\n"));
    EXPECT_TRUE(text.contains("Color=0xFF00000F\r\n"));
    const QByteArray wide = OutlineOf(nodes, true);
    EXPECT_TRUE(wide.startsWith(QByteArray("#\0\r\0\n\0L\0", 8)));
}

TEST(MTStream, OutlineReaderTakesAnyCaseOrderAndNumberForm)
{
    TMTNodes nodes;
    ReadText(nodes, "; a comment\r\n"
                    "#\r\nTEXT=  root word  \r\ncolor=$FF\r\nlevel=0\r\n"
                    "#\r\nlEvEl=1\r\nimage=7\r\nColor=255\r\nno equals sign here\r\n"
                    "StateImage=x10\r\nText=child\r\n"
                    "#\r\nLevel=1\r\nColor=purple\r\nImage=?\r\nText=second\r\n");
    EXPECT_EQ(Shape(nodes), (QStringList{"0:  root word:ff:-1:-1", "1:child:ff:7:16",
                                         "1:second:ff000001:-1:-1"}));
}

TEST(MTStream, HostileOutlinesStopWithAClearError)
{
    const std::pair<const char *, const char *> cases[] = {
        {"#\nLevel=0\nText=r\n#\nLevel=1\nText=a\n#\nLevel=3\nText=deep\n",
         "List index out of bounds (2)"},
        {"#\nLevel=0\nText=r\n#\nLevel=5\nText=jump\n", "List index out of bounds (4)"},
        {"#\nText=no level\nImage=1\nColor=2\n", "List index out of bounds (-2)"},
        {"#\nLevel=zero\n", "'zero' is not a valid integer value"},
        {"#\nLevel=99999999999\n", "'99999999999' is not a valid integer value"},
    };
    for (const auto &[outline, message] : cases) {
        TMTNodes nodes;
        EXPECT_EQ(ErrorOf([&] { ReadText(nodes, outline); }), message) << outline;
    }
    // The nodes read before the error stay.
    TMTNodes nodes;
    ErrorOf([&] { ReadText(nodes, cases[0].first); });
    EXPECT_EQ(nodes.Count(), 2);
}

TEST(MTStream, HostileBinaryStreamsEndInAnErrorWithBoundedWork)
{
    TMTNodes sample;
    BuildSample(sample);
    const QByteArray whole = StreamOf(sample);
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        TMTNodes nodes;
        EXPECT_EQ(ErrorOf([&] { ReadStream(nodes, whole.left(cut)); }), "Stream read error") << cut;
    }
    // A root claiming 2^31 children, with two of them present.
    QByteArray huge = QByteArray::fromHex("12000000010000ff00000080ffffffffffffffff00");
    const QByteArray child = QByteArray::fromHex("12000000010000ff00000000ffffffffffffffff00");
    huge += child + child;
    TMTNodes nodes;
    EXPECT_EQ(ErrorOf([&] { ReadStream(nodes, huge); }), "Stream read error");
    EXPECT_EQ(nodes.Count(), 4); // the root, the two children and the one that found no record
    // A chain deeper than any view shows is refused.
    QByteArray chain;
    const QByteArray link = QByteArray::fromHex("12000000010000ff01000000ffffffffffffffff00");
    for (int i = 0; i < MaxTreeDepth + 5; ++i)
        chain += link;
    EXPECT_NE(ErrorOf([&] { ReadStream(nodes, chain); }).find("deeper"), std::string::npos);
}

TEST(MTStream, HugeAndMalformedTextIsReadWithoutHarm)
{
    // A million lines: a root and a third of a million children.
    QByteArray big = "#\nLevel=0\nText=root\n";
    big.reserve(20 * 1000 * 1000);
    for (int i = 0; i < 333333; ++i)
        big += "#\nLevel=1\nText=w\n";
    TMTNodes nodes;
    ReadText(nodes, big);
    EXPECT_EQ(nodes.Count(), 333334);
    EXPECT_EQ(nodes.Root()->Count(), 333333);

    // Lone surrogates and an odd last byte in a UTF-16 outline.
    static const char raw[] = "#\0\n\0L\0e\0v\0e\0l\0=\0"
                              "0\0\n\0T\0=\0\x00\xd8x\0\x00\xdc\n\0!";
    const QByteArray wide(raw, sizeof raw - 1);
    TMTNodes odd;
    ReadText(odd, wide, true);
    ASSERT_EQ(odd.Count(), 1);
    EXPECT_EQ(odd.Root()->Text().size(), 0); // "T" is no key; the text stays empty
    // A second root has nowhere to go and is skipped.
    TMTNodes two;
    ReadText(two, "#\nLevel=0\nText=a\n#\nLevel=0\nText=b\n#\nLevel=1\nText=c\n");
    EXPECT_EQ(Shape(two), (QStringList{"0:a:ff000001:-1:-1", "1:c:ff000001:-1:-1"}));
}
