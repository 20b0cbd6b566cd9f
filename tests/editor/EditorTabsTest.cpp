#include "DictEditor.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>

TEST(SmartTabColumn, NextWordStartOfTheLineAbove)
{
    struct Case
    {
        const char *above;
        int column, expected;
    };
    const Case cases[] = {
        {"Hope is  the thing", 0, 5},   // from a word: past it and its blanks
        {"Hope is  the thing", 4, 5},   // from a blank
        {"Hope is  the thing", 6, 9},   // two blanks
        {"Hope is  the thing", 13, -1}, // in the last word
        {"Hope", 10, -1},               // past the end
        {"\tHope", 0, 1},               // a tab is one column
        {"  ", 0, -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SmartTabColumn(QString::fromLatin1(c.above), c.column), c.expected)
            << c.above << " @" << c.column;
}

TEST(DictEditorTabs, SmartTabAlignsWithTheLineAboveAndTabStopsFollowTheFont)
{
    TDictEditor editor;
    editor.setPlainText(QStringLiteral("Hope is the thing\n\nAnd"));
    editor.moveCursor(QTextCursor::End);
    editor.SmartTabs = true;
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(editor.document()->lastBlock().text(), QStringLiteral("And  "));
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(editor.document()->lastBlock().text(), QStringLiteral("And     "));
    QTest::keyClick(&editor, Qt::Key_Tab);
    QTest::keyClick(&editor, Qt::Key_Tab); // nothing further above: a plain tab
    EXPECT_EQ(editor.document()->lastBlock().text(), QStringLiteral("And         \t"));

    editor.SetTabStops(4);
    QFont font = editor.font();
    font.setPixelSize(font.pixelSize() * 2);
    editor.setFont(font);
    EXPECT_DOUBLE_EQ(editor.tabStopDistance(),
                     QFontMetrics(font).horizontalAdvance(QLatin1Char(' ')) * 4);
}
