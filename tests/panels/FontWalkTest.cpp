#include "FontWalk.h"
#include "ListBox.h"
#include "Panel.h"
#include "ResultsMemo.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTextDocument>

TEST(StoredColor, DirectColoursAreBgr)
{
    EXPECT_EQ(ColorFromValue(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromValue(0x00FF0000), QColor(0, 0, 255));
    EXPECT_EQ(ColorFromValue(0x00336699), QColor(0x99, 0x66, 0x33));
}

TEST(StoredColor, SystemColoursComeFromThePalette)
{
    QPalette pal;
    pal.setColor(QPalette::Highlight, QColor(1, 2, 3));
    pal.setColor(QPalette::Text, QColor(4, 5, 6));
    pal.setColor(QPalette::Base, QColor(7, 8, 9));
    EXPECT_EQ(ColorFromValue(qint32(0xFF00000D), pal), QColor(1, 2, 3));
    EXPECT_EQ(ColorFromValue(qint32(0xFF000008), pal), QColor(4, 5, 6));
    EXPECT_EQ(ColorFromValue(qint32(0xFF000005), pal), QColor(7, 8, 9));
}

TEST(StoredFont, FaceSizeAndStyle)
{
    TFontInfo info;
    info.Face = QStringLiteral("Courier New");
    info.Size = 14;
    info.Bold = true;
    info.Underline = true;
    const QFont font = FontFromInfo(info);
    EXPECT_EQ(font.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(font.pointSize(), 14);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
    EXPECT_TRUE(font.underline());
}

namespace {
TFontInfo BigRed()
{
    TFontInfo info;
    info.Face = QStringLiteral("Courier New");
    info.Size = 17;
    info.Color = 0x000000FF;
    return info;
}
} // namespace

TEST(FontWalk, ListsMemosAndPanelsTakeTheFont)
{
    QWidget root;
    auto *panel = new TPanel(&root, QStringLiteral("Panel2"));
    auto *inPanel = new TListBox(panel, QStringLiteral("lb"), 16);
    auto *page = new QWidget(&root); // a container that only passes the font on
    auto *memo = new TResultsMemo(page, QStringLiteral("mData"));
    const QFont pageFont = page->font();

    ApplyFontToControls(&root, BigRed());

    for (QWidget *w : {static_cast<QWidget *>(panel), static_cast<QWidget *>(inPanel),
                       static_cast<QWidget *>(memo)}) {
        EXPECT_EQ(w->font().pointSize(), 17) << w->objectName().toStdString();
        EXPECT_EQ(w->palette().color(QPalette::Text), QColor(255, 0, 0));
    }
    EXPECT_EQ(page->font(), pageFont);
    // Item rows keep their fixed height whatever the font.
    EXPECT_EQ(inPanel->ItemHeight(), 16);
}

TEST(FontWalk, MarkedWidgetsKeepTheirColour)
{
    QWidget root;
    auto *gutter = new TResultsMemo(&root, QStringLiteral("gutter"));
    gutter->setProperty("keepFontColor", true);
    const QColor own = gutter->palette().color(QPalette::Text);
    ApplyFontToControls(&root, BigRed());
    EXPECT_EQ(gutter->font().pointSize(), 17);
    EXPECT_EQ(gutter->palette().color(QPalette::Text), own);
}

TEST(FontWalk, LabelsFollowTheirParent)
{
    QWidget root;
    auto *panel = new TPanel(&root);
    auto *label = new QLabel(panel);
    ApplyFontToControls(&root, BigRed());
    EXPECT_FALSE(label->testAttribute(Qt::WA_SetFont));
    EXPECT_EQ(label->font().pointSize(), 17); // inherited from the panel
}

TEST(ResultsMemo, OnlyAClickOnTheWordsCounts)
{
    TResultsMemo memo(nullptr, QStringLiteral("mData"));
    memo.resize(300, 200);
    memo.SetText(QStringLiteral("dove, glove, above"));
    memo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&memo));
    int clicks = 0;
    QObject::connect(&memo, &TResultsMemo::Clicked, [&] { ++clicks; });
    const QRect word = memo.cursorRect(memo.document()->find(QStringLiteral("glove")));
    const struct
    {
        QPoint at;
        int clicks;
    } cases[] = {{word.center(), 1}, {{20, 180}, 0}, {{290, word.center().y()}, 0}};
    for (const auto &c : cases) {
        clicks = 0;
        QTest::mouseClick(memo.viewport(), Qt::LeftButton, {}, c.at);
        EXPECT_EQ(clicks, c.clicks) << c.at.x() << "," << c.at.y();
    }
}
