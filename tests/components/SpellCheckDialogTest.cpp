#include "SpellCheckDialog.h"
#include "SpellCheckSession.h"
#include "SpellFiles.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

class SpellCheckDialogTest : public ::testing::Test
{
protected:
    void SetText(const QString &text, int caret)
    {
        editor.setPlainText(text);
        QTextCursor cursor(editor.document());
        cursor.setPosition(caret);
        editor.setTextCursor(cursor);
    }
    // Runs the modal check; drive acts on the dialog once it shows.
    bool Execute(const std::function<void(TSpellCheckDialog &)> &drive)
    {
        QTimer::singleShot(0, [drive] {
            auto *dialog = qobject_cast<TSpellCheckDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            drive(*dialog);
        });
        return TSpellCheckDialog::Execute(editor, checker,
                                          [this](const QString &text) { messages << text; });
    }

    TempDir dir;
    TSpellChecker checker{SystemAffixFile, SystemDictionaryFile, dir.file("spellconfig.dic")};
    QPlainTextEdit editor;
    QStringList messages;
};

TEST_F(SpellCheckDialogTest, ShowsTheWordInItsLineSelectedInTheEditor)
{
    SetText(QStringLiteral("I <b>recieve</b> it"), 0);
    TSpellCheckSession session(*editor.document(), checker, 0);
    ASSERT_TRUE(session.Next());
    TSpellCheckDialog dialog(editor, session);
    EXPECT_EQ(dialog.edContext()->toPlainText(), QStringLiteral("I <b>recieve</b> it"));
    EXPECT_EQ(dialog.edContext()->textCursor().document()->toHtml().contains("color:#ff0000"),
              true);
    EXPECT_EQ(dialog.edChangeTo()->text(), dialog.lbSuggestions()->item(0)->text());
    EXPECT_EQ(editor.textCursor().selectedText(), QStringLiteral("recieve"));

    dialog.lbSuggestions()->setCurrentRow(dialog.lbSuggestions()->count() - 1);
    EXPECT_EQ(dialog.edChangeTo()->text(),
              dialog.lbSuggestions()->item(dialog.lbSuggestions()->count() - 1)->text());
    dialog.edChangeTo()->setText(QStringLiteral("get"));
    dialog.btnChange()->click();
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("I <b>get</b> it"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted); // nothing left
}

TEST_F(SpellCheckDialogTest, StaysOffTheWordItAsksAbout)
{
    QStringList lines(12, QStringLiteral("a fine line"));
    lines[1] = QStringLiteral("the recieve line");
    lines[10] = QStringLiteral("the wierd line");
    SetText(lines.join('\n'), 0);
    editor.setGeometry(0, 0, 500, 500);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    TSpellCheckSession session(*editor.document(), checker, 0);
    ASSERT_TRUE(session.Next());
    TSpellCheckDialog dialog(editor, session, &editor);
    dialog.move(0, 0); // over the word
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const auto wordRect = [this] {
        const QRect caret = editor.cursorRect(); // the end of the selected word
        return QRect(editor.viewport()->mapToGlobal(QPoint(0, caret.top())),
                     editor.viewport()->mapToGlobal(caret.bottomRight()));
    };
    EXPECT_FALSE(dialog.frameGeometry().intersects(wordRect()));
    dialog.btnIgnore()->click(); // on to "wierd", further down
    EXPECT_EQ(session.Current().word, QStringLiteral("wierd"));
    EXPECT_FALSE(dialog.frameGeometry().intersects(wordRect()));
}

TEST_F(SpellCheckDialogTest, RepeatedWordOffersItsRemoval)
{
    SetText(QStringLiteral("the the end"), 0);
    TSpellCheckSession session(*editor.document(), checker, 0);
    ASSERT_TRUE(session.Next());
    TSpellCheckDialog dialog(editor, session);
    EXPECT_TRUE(dialog.edChangeTo()->text().isEmpty());
    EXPECT_EQ(dialog.lbSuggestions()->count(), 0);
    EXPECT_FALSE(dialog.btnAdd()->isEnabled());
    dialog.btnChange()->click();
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("the end"));
}

TEST_F(SpellCheckDialogTest, CompletedCheckTellsTheEndAndPutsTheCaretBack)
{
    SetText(QStringLiteral("qwzx one wierd two qwzx"), 9);
    QStringList seen;
    EXPECT_TRUE(Execute([&seen](TSpellCheckDialog &dialog) {
        seen << dialog.edContext()->toPlainText().mid(9, 5); // "wierd" first, from the caret
        dialog.btnChangeAll()->click();                      // to the first suggestion
        seen << QString::number(dialog.isVisible());
        dialog.btnIgnoreAll()->click(); // "qwzx" twice
    }));
    EXPECT_EQ(seen, QStringList({"wierd", "1"}));
    EXPECT_EQ(messages, QStringList("The spelling check is complete."));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("qwzx one weird two qwzx"));
    EXPECT_EQ(editor.textCursor().position(), 9);
    EXPECT_FALSE(editor.textCursor().hasSelection());
}

TEST_F(SpellCheckDialogTest, CancelStopsWithoutTheEndMessageCaretStillBack)
{
    SetText(QStringLiteral("qwzx and more qwzx"), 5);
    EXPECT_FALSE(Execute([](TSpellCheckDialog &dialog) { dialog.btnCancel()->click(); }));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(editor.textCursor().position(), 5);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("qwzx and more qwzx"));
}

TEST_F(SpellCheckDialogTest, FailedAddIsReportedAndTheWordStays)
{
    dir.write(QStringLiteral("spellconfig.dic"), "");
    TSpellChecker broken(SystemAffixFile, SystemDictionaryFile, dir.path()); // a folder
    SetText(QStringLiteral("qwzx"), 0);
    TSpellCheckSession session(*editor.document(), broken, 0);
    ASSERT_TRUE(session.Next());
    TSpellCheckDialog dialog(editor, session);
    QStringList errors;
    dialog.ReportError = [&errors](const QString &error) { errors << error; };
    dialog.btnAdd()->click();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(dir.path()));
    EXPECT_EQ(dialog.result(), 0); // still open at the word
    EXPECT_EQ(session.Current().word, QStringLiteral("qwzx"));
}

TEST_F(SpellCheckDialogTest, UnavailableCheckerSaysWhyAndShowsNoDialog)
{
    TSpellChecker none(dir.file("x.aff"), dir.file("x.dic"), dir.file("u.dic"));
    SetText(QStringLiteral("qwzx"), 0);
    EXPECT_FALSE(TSpellCheckDialog::Execute(editor, none,
                                            [this](const QString &text) { messages << text; }));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(dir.file("x.aff")));
}
