#include "SpellCheckSession.h"
#include "SpellFiles.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <QTextDocument>

class SpellCheckSessionTest : public ::testing::Test
{
protected:
    // The words the walk stops at, doing the same choice at each.
    QStringList Walk(TSpellCheckSession &session,
                     const std::function<void(TSpellCheckSession &)> &choice)
    {
        QStringList words;
        while (session.Next() && words.size() < 50) {
            words << session.Current().word;
            choice(session);
        }
        return words;
    }
    static void Ignore(TSpellCheckSession &session) { session.Ignore(); }

    TempDir dir;
    TSpellChecker checker{SystemAffixFile, SystemDictionaryFile, dir.file("spellconfig.dic")};
    QTextDocument document;
};

TEST_F(SpellCheckSessionTest, WalksFromTheCaretToTheEndThenFromTheStartToTheCaret)
{
    document.setPlainText(QStringLiteral("aaqz bbqz\nccqz ddqz\neeqz"));
    TSpellCheckSession session(document, checker, 12); // inside "ccqz"
    EXPECT_EQ(Walk(session, Ignore), QStringList({"ddqz", "eeqz", "aaqz", "bbqz", "ccqz"}));
    EXPECT_TRUE(session.Finished());
    EXPECT_FALSE(session.Next());
    EXPECT_EQ(session.Caret(), 12);

    TSpellCheckSession fromStart(document, checker, 0);
    EXPECT_EQ(Walk(fromStart, Ignore).size(), 5);
    TSpellCheckSession fromEnd(document, checker, 10000);
    EXPECT_EQ(Walk(fromEnd, Ignore).size(), 5);
}

TEST_F(SpellCheckSessionTest, CorrectTextEndsTheWalkAtOnce)
{
    document.setPlainText(QStringLiteral("Shall I compare thee to a summer's day?"));
    TSpellCheckSession session(document, checker, 5);
    EXPECT_FALSE(session.Next());
    EXPECT_TRUE(session.Finished());
    QTextDocument nothing;
    TSpellCheckSession empty(nothing, checker, 0);
    EXPECT_FALSE(empty.Next());
}

TEST_F(SpellCheckSessionTest, ChangeReplacesTheWordChecksItAgainAndMovesTheCaret)
{
    document.setPlainText(QStringLiteral("a recieve b | c"));
    TSpellCheckSession session(document, checker, 12); // before "|"
    ASSERT_TRUE(session.Next());
    EXPECT_EQ(session.Current().word, QStringLiteral("recieve"));
    EXPECT_EQ(session.CurrentPosition(), 2);
    EXPECT_TRUE(session.Suggestions().contains(QStringLiteral("receive")));
    session.Change(QStringLiteral("recive")); // still wrong: asked again
    ASSERT_TRUE(session.Next());
    EXPECT_EQ(session.Current().word, QStringLiteral("recive"));
    session.Change(QStringLiteral("get"));
    EXPECT_FALSE(session.Next());
    EXPECT_EQ(document.toPlainText(), QStringLiteral("a get b | c"));
    EXPECT_EQ(session.Caret(), 8);
    // Each change is one undo step.
    document.undo();
    EXPECT_EQ(document.toPlainText(), QStringLiteral("a recive b | c"));
}

TEST_F(SpellCheckSessionTest, ChangingAWordToItselfIgnoresIt)
{
    document.setPlainText(QStringLiteral("qwzx"));
    TSpellCheckSession session(document, checker, 0);
    ASSERT_TRUE(session.Next());
    session.Change(QStringLiteral("qwzx"));
    EXPECT_FALSE(session.Next());
}

TEST_F(SpellCheckSessionTest, ChangeAllReplacesLaterOccurrencesInTheirOwnCase)
{
    // The caret after the first "wierd": it is the last the walk reaches, so it is "later".
    document.setPlainText(
        QStringLiteral("wierd one\nthen Wierd, wierd and WIERD\nwierdness wierd"));
    TSpellCheckSession session(document, checker, 6);
    ASSERT_TRUE(session.Next());
    EXPECT_EQ(session.Current().word, QStringLiteral("Wierd"));
    session.ChangeAll(QStringLiteral("Weird")); // as suggested for "Wierd"
    EXPECT_EQ(document.toPlainText(),
              QStringLiteral("weird one\nthen Weird, weird and WEIRD\nwierdness weird"));
    EXPECT_EQ(session.Caret(), 6);
    ASSERT_TRUE(session.Next());
    EXPECT_EQ(session.Current().word, QStringLiteral("wierdness"));
    session.Ignore();
    EXPECT_FALSE(session.Next());
    document.undo(); // all of Change All at once
    EXPECT_EQ(document.toPlainText(),
              QStringLiteral("wierd one\nthen Wierd, wierd and WIERD\nwierdness wierd"));
}

TEST_F(SpellCheckSessionTest, ChangeAllLeavesWhatTheWalkHasPassed)
{
    document.setPlainText(QStringLiteral("qwzx a qwzx b qwzx"));
    TSpellCheckSession session(document, checker, 0);
    ASSERT_TRUE(session.Next());
    session.Ignore();
    ASSERT_TRUE(session.Next());
    EXPECT_EQ(session.CurrentPosition(), 7);
    session.ChangeAll(QStringLiteral("cat"));
    EXPECT_FALSE(session.Next());
    EXPECT_EQ(document.toPlainText(), QStringLiteral("qwzx a cat b cat"));
}

TEST_F(SpellCheckSessionTest, IgnoreAllAndAddSkipTheWordFromThenOn)
{
    document.setPlainText(QStringLiteral("qwzx Cadenzio qwzx Cadenzio qwzx"));
    TSpellCheckSession session(document, checker, 0);
    ASSERT_TRUE(session.Next());
    session.IgnoreAll();
    ASSERT_TRUE(session.Next());
    EXPECT_EQ(session.Current().word, QStringLiteral("Cadenzio"));
    QString error;
    ASSERT_TRUE(session.Add(&error)) << error.toStdString();
    EXPECT_FALSE(session.Next());
    EXPECT_EQ(dir.read(QStringLiteral("spellconfig.dic")), QByteArray("Cadenzio\n"));
    EXPECT_TRUE(checker.IsCorrect(QStringLiteral("qwzx"))); // for the session
}

TEST_F(SpellCheckSessionTest, RepeatedWordIsRemovedWithTheSpaceBeforeIt)
{
    document.setPlainText(QStringLiteral("to the the sea the"));
    TSpellCheckSession session(document, checker, 0);
    ASSERT_TRUE(session.Next());
    EXPECT_EQ(session.Current().kind, TMisspelling::Repeated);
    EXPECT_EQ(session.CurrentPosition(), 7);
    EXPECT_TRUE(session.Suggestions().isEmpty());
    session.ChangeAll(QString()); // only this one: the other "the" is no repetition
    EXPECT_FALSE(session.Next());
    EXPECT_EQ(document.toPlainText(), QStringLiteral("to the sea the"));
}

TEST_F(SpellCheckSessionTest, TheCaretFollowsChangesBeforeItAndStaysForChangesAfter)
{
    document.setPlainText(QStringLiteral("qwzx mid qwzx"));
    TSpellCheckSession session(document, checker, 6); // inside "mid"
    ASSERT_TRUE(session.Next());
    EXPECT_EQ(session.CurrentPosition(), 9);
    session.Change(QStringLiteral("longer word"));
    EXPECT_EQ(session.Caret(), 6);
    ASSERT_TRUE(session.Next());
    EXPECT_EQ(session.CurrentPosition(), 0);
    session.Change(QStringLiteral("a"));
    EXPECT_EQ(session.Caret(), 3);
    EXPECT_FALSE(session.Next());
    EXPECT_EQ(document.toPlainText(), QStringLiteral("a mid longer word"));
}
