#include "../components/SpellFiles.h"
#include "FrameFixture.h"

#include "EditorHighlighter.h"
#include "SpellCheckDialog.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

namespace {
QStringList Captions(const QMenu &menu)
{
    QStringList captions;
    for (const QAction *action : menu.actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

QAction *Entry(const QMenu &menu, const QString &caption)
{
    for (QAction *action : menu.actions())
        if (action->text() == caption)
            return action;
    return nullptr;
}
} // namespace

// The frame over an application folder that holds the American English dictionary.
class SpellEditorTest : public FrameFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CopySpellingDictionary(dir));
        FrameFixture::SetUp();
        frame->ShowMessage = [this](const QString &message) { messages << message; };
        editor()->OpenLink = [this](const QString &target) { opened << target; };
    }

    // A point of the viewport over the character at the document position.
    QPoint PointAt(int position) const
    {
        QTextCursor cursor(editor()->document());
        cursor.setPosition(position);
        const QRect rect = editor()->cursorRect(cursor);
        return QPoint(rect.x() + 2, rect.center().y());
    }
    std::unique_ptr<QMenu> MenuAt(int position) { return editor()->ContextMenu(PointAt(position)); }
    // The marked stretches of a line, as "start+length".
    QStringList Marks(int line) const
    {
        QStringList marks;
        const QTextBlock block = editor()->document()->findBlockByNumber(line);
        for (const QTextLayout::FormatRange &range : block.layout()->formats())
            if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                marks << QStringLiteral("%1+%2").arg(range.start).arg(range.length);
        return marks;
    }
    void Hover(int position)
    {
        QMouseEvent move(QEvent::MouseMove, PointAt(position),
                         editor()->viewport()->mapToGlobal(PointAt(position)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(editor()->viewport(), &move);
    }

    QStringList messages;
    QStringList opened;
};

TEST_F(SpellEditorTest, TypedMisspellingIsMarkedAsTheUserTypes)
{
    SetText(QStringLiteral("I love"), 6);
    QTest::keyClicks(editor(), QStringLiteral(" recieve"));
    EXPECT_EQ(Marks(0), QStringList("7+7"));
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(editor(), Qt::Key_Backspace);
    QTest::keyClicks(editor(), QStringLiteral("ceive"));
    EXPECT_TRUE(Marks(0).isEmpty());
}

TEST_F(SpellEditorTest, RemarkingATypedLineLeavesTheOtherLinesLaidOut)
{
    // A key that moves a mark re-formats its line only; the lines after it keep their layout
    // rather than being laid out again on the next paint.
    SetText(QStringLiteral("a recieve\nsecond line\nthird line"), 1);
    editor()->viewport()->repaint();
    const QTextBlock next = editor()->document()->findBlockByNumber(1);
    ASSERT_GT(next.layout()->lineCount(), 0);
    QTest::keyClicks(editor(), QStringLiteral("n"));
    EXPECT_EQ(Marks(0), QStringList("3+7"));
    EXPECT_GT(next.layout()->lineCount(), 0);
    EXPECT_GT(editor()->document()->findBlockByNumber(2).layout()->lineCount(), 0);
    // Joining and splitting lines still lays out what changed.
    QTest::keyClick(editor(), Qt::Key_End);
    QTest::keyClick(editor(), Qt::Key_Delete);
    EXPECT_EQ(editor()->document()->blockCount(), 2);
    EXPECT_EQ(editor()->DisplayLine(0), QStringLiteral("an recievesecond line"));
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(editor()->DisplayLine(1), QStringLiteral("second line"));
    EXPECT_EQ(editor()->DisplayLineCount(), 3);
}

TEST_F(SpellEditorTest, MenuOnAMisspellingOffersSuggestionsThenChoicesThenEditing)
{
    SetText(QStringLiteral("I recieve it"), 0);
    const std::unique_ptr<QMenu> menu = MenuAt(4);
    const QStringList captions = Captions(*menu);
    const int add = int(captions.indexOf(QStringLiteral("Add to dictionary")));
    ASSERT_GT(add, 1);
    ASSERT_LE(add, TSpellChecker::MaxSuggestions + 1);
    EXPECT_TRUE(captions.mid(0, add - 1).contains(QStringLiteral("receive")));
    EXPECT_EQ(captions.at(add - 1), QStringLiteral("Change All"));
    EXPECT_EQ(captions.mid(add, 5),
              QStringList({"Add to dictionary", "Ignore All", "Ignore", "Spell Check...", "-"}));
    EXPECT_TRUE(captions.at(add + 5).contains(QStringLiteral("Undo")))
        << captions.join('|').toStdString();

    const std::unique_ptr<QMenu> plain = MenuAt(0);
    EXPECT_TRUE(Captions(*plain).constFirst().contains(QStringLiteral("Undo")));
    EXPECT_EQ(Entry(*plain, QStringLiteral("Ignore")), nullptr);
}

TEST_F(SpellEditorTest, ChosenSuggestionReplacesTheWordAsOneUndoStep)
{
    SetText(QStringLiteral("I recieve it"), 0);
    const std::unique_ptr<QMenu> menu = MenuAt(4);
    ASSERT_NE(Entry(*menu, QStringLiteral("receive")), nullptr);
    Entry(*menu, QStringLiteral("receive"))->trigger();
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("I receive it"));
    EXPECT_TRUE(Marks(0).isEmpty());
    editor()->undo();
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("I recieve it"));
    EXPECT_EQ(Marks(0), QStringList("2+7"));
}

TEST_F(SpellEditorTest, ChangeAllReplacesEveryOccurrenceInItsCaseAsOneUndoStep)
{
    const QString text = QStringLiteral("Recieve it\nI recieve it\nRECIEVE");
    SetText(text, 0);
    const int second = int(text.indexOf(QStringLiteral("recieve")));
    const std::unique_ptr<QMenu> menu = MenuAt(second + 1);
    QAction *entry = Entry(*menu, QStringLiteral("Change All"));
    ASSERT_TRUE(entry && entry->menu());
    QAction *receive = Entry(*entry->menu(), QStringLiteral("receive"));
    ASSERT_TRUE(receive);
    receive->trigger();
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("Receive it\nI receive it\nRECEIVE"))
        << "occurrences before and after the one clicked, each in its own case";
    for (int line = 0; line < 3; ++line)
        EXPECT_TRUE(Marks(line).isEmpty()) << line;
    editor()->undo();
    EXPECT_EQ(editor()->toPlainText(), text);
}

TEST_F(SpellEditorTest, SpellCheckEntryRunsTheSpellCheckCommand)
{
    SetText(QStringLiteral("I recieve it"), 0);
    const std::unique_ptr<QMenu> menu = MenuAt(4);
    QAction *entry = Entry(*menu, QStringLiteral("Spell Check..."));
    ASSERT_TRUE(entry);
    entry->trigger();
    EXPECT_TRUE(actions->triggered.contains(QStringLiteral("actSpellCheck")))
        << actions->triggered.join(u',').toStdString();
}

TEST_F(SpellEditorTest, AddToDictionaryKeepsTheWordAndUnmarksItEverywhere)
{
    SetText(QStringLiteral("Cadenzio sings\nof Cadenzio"), 0);
    EXPECT_EQ(Marks(1), QStringList("3+8"));
    Entry(*MenuAt(2), QStringLiteral("Add to dictionary"))->trigger();
    EXPECT_TRUE(Marks(0).isEmpty());
    EXPECT_TRUE(Marks(1).isEmpty());
    EXPECT_EQ(dir.read(QStringLiteral("spellconfig.dic")), QByteArray("Cadenzio\n"));
}

TEST_F(SpellEditorTest, IgnoreAllUnmarksEveryOccurrenceIgnoreOnlyThisOne)
{
    SetText(QStringLiteral("wierd wierd\nwierd\nqwzx qwzx"), 0);
    EXPECT_EQ(Marks(0), QStringList({"0+5", "6+5"}));
    Entry(*MenuAt(6), QStringLiteral("Ignore"))->trigger();
    EXPECT_EQ(Marks(0), QStringList("0+5"));
    Entry(*MenuAt(2), QStringLiteral("Ignore All"))->trigger();
    EXPECT_TRUE(Marks(0).isEmpty());
    EXPECT_TRUE(Marks(1).isEmpty());
    EXPECT_EQ(Marks(2), QStringList({"0+4", "5+4"}));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("spellconfig.dic"))));
}

TEST_F(SpellEditorTest, RepeatedWordCanBeDeleted)
{
    SetText(QStringLiteral("in the  the night"), 0);
    EXPECT_EQ(Marks(0), QStringList("8+3"));
    const std::unique_ptr<QMenu> menu = MenuAt(9);
    EXPECT_EQ(Entry(*menu, QStringLiteral("Add to dictionary")), nullptr);
    Entry(*menu, QStringLiteral("Delete Repeated Word"))->trigger();
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("in the night"));
}

TEST_F(SpellEditorTest, AddressShowsAHandAndADoubleClickOpensItAfterTheStatus)
{
    SetText(QStringLiteral("see www.b.com now"), 0);
    Hover(6);
    EXPECT_EQ(editor()->viewport()->cursor().shape(), Qt::PointingHandCursor);
    Hover(1);
    EXPECT_EQ(editor()->viewport()->cursor().shape(), Qt::IBeamCursor);

    actions->triggered.clear();
    QTest::mouseDClick(editor()->viewport(), Qt::LeftButton, {}, PointAt(6));
    EXPECT_EQ(opened, QStringList("http://www.b.com"));
    EXPECT_TRUE(actions->triggered.contains(QStringLiteral("actUpdateInfo")));

    actions->triggered.clear();
    QTest::mouseDClick(editor()->viewport(), Qt::LeftButton, {}, PointAt(15));
    EXPECT_EQ(opened.size(), 1);
    EXPECT_TRUE(actions->triggered.contains(QStringLiteral("actUpdateInfo")));
}

TEST_F(SpellEditorTest, SpellCheckCommandCorrectsTheTextAndPutsTheCaretBack)
{
    SetText(QStringLiteral("one recieve two\nwierd three"), 12);
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        auto *dialog = qobject_cast<TSpellCheckDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown << dialog->edChangeTo()->text(); // from the caret on: "wierd" first
        dialog->edChangeTo()->setText(QStringLiteral("weird"));
        dialog->btnChange()->click();
        shown << dialog->edChangeTo()->text(); // then round to "recieve"
        dialog->edChangeTo()->setText(QStringLiteral("got"));
        dialog->btnChange()->click();
    });
    // Where the caret was when the status was last brought up to date.
    int statusCaret = -1;
    QObject::connect(actions->Action("actUpdateInfo"), &QAction::triggered, actions.get(),
                     [this, &statusCaret] { statusCaret = editor()->textCursor().position(); });
    int statusAtMessage = -1;
    frame->ShowMessage = [this, &statusCaret, &statusAtMessage](const QString &message) {
        messages << message;
        statusAtMessage = statusCaret;
    };
    Broadcast("actSpellCheck");
    EXPECT_EQ(statusAtMessage, 8); // the end message stands over the status of the caret put back
    EXPECT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.value(1), QStringLiteral("receive"));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("one got two\nweird three"));
    EXPECT_EQ(messages, QStringList("The spelling check is complete."));
    EXPECT_EQ(editor()->textCursor().position(), 8); // moved back by the shorter word before it
    EXPECT_FALSE(editor()->textCursor().hasSelection());
    EXPECT_TRUE(Marks(0).isEmpty());
    EXPECT_TRUE(Marks(1).isEmpty());
}

TEST_F(SpellEditorTest, UndoOfACheckChangePutsTheCaretAfterTheChangedWord)
{
    SetText(QStringLiteral("one recieve two\nwierd three wierd"), 12);
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TSpellCheckDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->edChangeTo()->setText(QStringLiteral("weird")); // "wierd" at 16, twice
        dialog->btnChangeAll()->click();
        dialog->edChangeTo()->setText(QStringLiteral("receive")); // round to "recieve" at 4
        dialog->btnChange()->click();
    });
    Broadcast("actSpellCheck");
    ASSERT_EQ(editor()->toPlainText(), QStringLiteral("one receive two\nweird three weird"));
    editor()->setFocus();
    QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("one recieve two\nweird three weird"));
    EXPECT_EQ(editor()->textCursor().position(), 11); // after "recieve"
    QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("one recieve two\nwierd three wierd"));
    EXPECT_EQ(editor()->textCursor().position(), 21); // after the first "wierd"
}

TEST_F(SpellEditorTest, SpellCheckOfCorrectTextOnlyReportsTheEnd)
{
    SetText(QStringLiteral("Shall I compare thee"), 3);
    bool dialog = false;
    QTimer::singleShot(0, [&dialog] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            dialog = true;
            modal->close();
        }
    });
    Broadcast("actSpellCheck");
    EXPECT_FALSE(dialog);
    EXPECT_EQ(messages, QStringList("The spelling check is complete."));
    EXPECT_EQ(editor()->textCursor().position(), 3);
}

// Without the dictionary files in the application folder.
class NoDictionaryEditorTest : public FrameFixture
{
};

TEST_F(NoDictionaryEditorTest, NothingIsMarkedAndTheSpellCheckSaysWhy)
{
    QStringList messages;
    frame->ShowMessage = [&messages](const QString &message) { messages << message; };
    SetText(QStringLiteral("recieve the the"), 0);
    EXPECT_TRUE(editor()->document()->firstBlock().layout()->formats().isEmpty());
    EXPECT_EQ(Captions(*editor()->ContextMenu(QPoint(3, 3))).constFirst().contains("Undo"), true);
    Broadcast("actSpellCheck");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(dir.file(QStringLiteral("en_US.aff"))));
}
